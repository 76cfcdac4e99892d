// FonTool text written with any four distinct pixel characters reads back with the same
// pixels, through the same line splitting a saved file goes through.

#include <algorithm>

#include "font/FileIo.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/RandomStore.h"

namespace {

// Printable characters that cannot end a line.
char PixelChar(FuzzedDataProvider& input)
{
    return static_cast<char>(input.ConsumeIntegralInRange<int>(' ', '~'));
}

std::vector<uint8_t> Joined(const std::vector<std::string>& lines)
{
    const std::string text = JoinLines(lines);
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const char chars[4] = {PixelChar(input), PixelChar(input), PixelChar(input), PixelChar(input)};
    for (int i = 0; i < 4; ++i)
        if (std::count(chars, chars + 4, chars[i]) != 1)
            return 0;

    TMtkFont font;
    TStoreShape shape;
    shape.MaxWidth = 255;
    FillRandomStore(input, shape, font);

    const std::vector<std::string> lines = font.ExportFonToolText(chars[0], chars[1], chars[2], chars[3], -1);
    TMtkFont read;
    read.ImportFonToolText(SplitLines(Joined(lines)), chars[0], chars[1], chars[2], chars[3]);
    RequireSameGlyphs(font, read, {}, "FonTool text");
    return 0;
}
