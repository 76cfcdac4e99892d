#include "ui/FontReaders.h"

#include "font/FileIo.h"
#include "font/MtkFont.h"

bool ReadMediatekFont(TMtkFont& store, const std::string& fileName)
{
    return store.LoadFromFile(fileName);
}

bool ReadStripBmp(TMtkFont& store, const std::string& fileName)
{
    store.LoadFromBmpFile(fileName);
    return true;
}

bool ReadFonToolText(TMtkFont& store, const std::string& fileName)
{
    const char* const chars = TMtkFont::FonToolPixelChars;
    store.ImportFonToolText(LoadTextLines(fileName), chars[0], chars[1], chars[2], chars[3]);
    return true;
}
