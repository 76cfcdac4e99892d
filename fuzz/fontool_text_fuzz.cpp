// FonTool text from arbitrary bytes, split into lines as a loaded file is.

#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/MtkFont.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> lines = SplitLines(Bytes(data, size));
    TMtkFont font;
    try {
        font.ImportFonToolText(lines, TMtkFont::FonToolPixelChars[0], TMtkFont::FonToolPixelChars[1],
                               TMtkFont::FonToolPixelChars[2], TMtkFont::FonToolPixelChars[3]);
    } catch (const EGlyphForgeError&) {
    }
    return 0;
}
