#include "ui/FontReaders.h"

#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/MtkFont.h"

namespace {

// An import that yields no glyph is refused, so the font in hand is not swapped for nothing.
void RefuseEmpty(const TMtkFont& store, const std::string& path, const char* reason)
{
    if (store.GlyphCount() == 0)
        throw EGlyphForgeError(StrFormat("\"%s\" %s; the font in hand is kept.", path.c_str(), reason));
}

} // namespace

bool ReadMediatekFont(TMtkFont& store, const std::string& fileName)
{
    return store.LoadFromFile(fileName);
}

bool ReadStripBmp(TMtkFont& store, const std::string& fileName)
{
    store.LoadFromBmpFile(fileName);
    // Only 8-bit pictures hold glyphs, and those always hold one at least.
    RefuseEmpty(store, fileName, "is not an 8-bit palette picture");
    return true;
}

bool ReadFonToolText(TMtkFont& store, const std::string& fileName)
{
    const char* const chars = TMtkFont::FonToolPixelChars;
    store.ImportFonToolText(LoadTextLines(fileName), chars[0], chars[1], chars[2], chars[3]);
    RefuseEmpty(store, fileName, "holds no FonTool font (no glyph starting with \"#G\")");
    return true;
}
