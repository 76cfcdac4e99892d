// glyphforge info: what a Mediatek font file holds, header byte by byte.

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>

#include "cli/CliArguments.h"
#include "cli/Command.h"
#include "cli/FontInfoPrint.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/MtkFont.h"
#include "font/MtkLayout.h"
#include "generate/FontInfo.h"

namespace {

constexpr char BlockStart[] = "[FONT_INFO";

char Variant(const TMtkHeader& header)
{
    if (header.Compression == 0)
        return 'A';
    return header.CharWidth == 0 ? 'B' : 'C';
}

bool StartsWithAt(std::span<const uint8_t> bytes, uint64_t at, const char* text)
{
    const std::string_view wanted(text);
    return at + wanted.size() <= bytes.size() && std::equal(wanted.begin(), wanted.end(), bytes.begin() + at);
}

// The text after the glyph data, up to the block or the zero fill; other bytes as \xNN.
std::string StampText(std::span<const uint8_t> bytes, uint64_t from)
{
    std::string text;
    for (uint64_t i = from; i < bytes.size() && bytes[i] != 0 && !StartsWithAt(bytes, i, BlockStart); ++i) {
        const uint8_t c = bytes[i];
        text += c >= 0x20 && c < 0x7F ? std::string(1, char(c)) : StrFormat("\\x%02X", c);
    }
    return text;
}

void PrintFontInfoBlock(std::span<const uint8_t> bytes)
{
    const TFontInfoBlock block = ReadFontInfo(bytes);
    std::printf("Font information block: %s\n", block.Found ? "present" : "none");
    if (block.Found)
        PrintFontInfo(block);
}

void PrintHeader(std::span<const uint8_t> bytes, const TMtkHeader& header)
{
    std::printf("Header bytes:  ");
    for (size_t i = 0; i < MtkHeaderSize; ++i)
        std::printf(i + 1 < MtkHeaderSize ? "%02X " : "%02X\n", bytes[i]);
    std::printf("Signature:     \"%c%c%c\"\n", bytes[0], bytes[1], bytes[2]);
    std::printf("COMPR_ID:      %u (%s)\n", header.Compression, header.Compression ? "compressed" : "uncompressed");
    std::printf("Data offset:   %u (glyph data at byte %u)\n", header.DataOffset, header.DataOffset + 1);
    std::printf("Bit/Pixel:     %u (%d colours)\n", header.BitsPerPixel, 1 << header.BitsPerPixel);
    std::printf("Glyph count:   %u\n", header.Count);
    if (header.CharWidth == 0)
        std::printf("CharWidth:     0 (variable width)\n");
    else
        std::printf("CharWidth:     %u (fixed width)\n", header.CharWidth);
    std::printf("Height:        %u\n", header.Height);
}

void PrintGlyphs(const TMtkFont& font, const TMtkHeader& header)
{
    static const char* const Variants[] = {"uncompressed, 2 colours, fixed width",
                                           "compressed, 4 colours, variable width",
                                           "compressed, 4 colours, fixed width"};
    const char variant = Variant(header);
    std::printf("Variant:       %c (%s)\n", variant, Variants[variant - 'A']);
    std::printf("Glyphs:        %d\n", font.GlyphCount());
    if (font.CutShortGlyphs() > 0)
        std::printf("Cut short:     %d (the glyph data ends early)\n", font.CutShortGlyphs());
    if (font.GlyphCount() == 0) {
        std::printf("Width range:   -\n");
        return;
    }
    int least = font.GetGlyph(0)->Width();
    int most = least;
    for (int k = 1; k < font.GlyphCount(); ++k) {
        least = std::min(least, font.GetGlyph(k)->Width());
        most = std::max(most, font.GetGlyph(k)->Width());
    }
    std::printf("Width range:   %d..%d\n", least, most);
}

int RunInfo(const std::vector<std::string>& args)
{
    const auto arguments = ParseCliArguments("info", args, {1, {}, {}});
    if (!arguments)
        return ExitUsage;
    const std::string& path = arguments->Positional[0];
    const std::vector<uint8_t> bytes = ReadWholeFile(path);

    TMtkFont font;
    font.SetMessageSink([](const std::string& message) { PrintCommandError("info", message); });
    if (!font.LoadFromStream(bytes))
        return ExitFailure;
    // The reader accepts nothing shorter than the header; stay safe should that change.
    if (bytes.size() < MtkHeaderSize) {
        PrintCommandError("info", TMtkFont::ErrorMessage(mfeNotMediatek, ""));
        return ExitFailure;
    }

    const TMtkHeader header = DecodeMtkHeader(bytes);
    std::printf("File:          %s (%zu bytes)\n", path.c_str(), bytes.size());
    PrintHeader(bytes, header);
    PrintGlyphs(font, header);
    const std::string stamp = StampText(bytes, MtkGlyphDataEnd(bytes, header));
    std::printf("Stamp:         %s\n", stamp.empty() ? "none" : ("\"" + stamp + "\"").c_str());
    PrintFontInfoBlock(bytes);
    return font.CutShortGlyphs() > 0 ? ExitFailure : ExitOk;
}

const TCommandRegistration Registration({
    "info",
    "show the header, glyphs, stamp and font-information block of a Mediatek font file",
    "Usage: glyphforge info FILE\n\n"
    "Prints every header byte of the Mediatek font FILE decoded, its variant (A, B or C),\n"
    "glyph count, height and width range, the program stamp after the glyph data, and\n"
    "whether a font-information block is present, with every option it holds. A file whose\n"
    "glyph data ends early is described all the same, with the glyphs cut short, and exits\n"
    "with 1.\n",
    RunInfo,
});

} // namespace
