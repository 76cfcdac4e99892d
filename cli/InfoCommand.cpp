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
#include "generate/FontInfo.h"

namespace {

constexpr size_t HeaderSize = 11;
constexpr char BlockStart[] = "[FONT_INFO";

struct THeader {
    uint8_t Compression;
    unsigned DataOffset; // glyph data begins at this + 1
    uint8_t BitsPerPixel;
    unsigned Count;
    uint8_t CharWidth;
    uint8_t Height;
};

THeader DecodeHeader(std::span<const uint8_t> bytes)
{
    return {bytes[3], unsigned(bytes[4] | (bytes[5] << 8)), bytes[6], unsigned(bytes[7] | (bytes[8] << 8)), bytes[9],
            bytes[10]};
}

char Variant(const THeader& header)
{
    if (header.Compression == 0)
        return 'A';
    return header.CharWidth == 0 ? 'B' : 'C';
}

uint64_t BitsToBytes(uint64_t bits)
{
    return (bits + 7) / 8;
}

bool StartsWithAt(std::span<const uint8_t> bytes, uint64_t at, const char* text)
{
    const std::string_view wanted(text);
    return at + wanted.size() <= bytes.size() && std::equal(wanted.begin(), wanted.end(), bytes.begin() + at);
}

// Where the trailer begins. Uncompressed rows may or may not be padded to 4 bits (OLD or NEW
// mode), which the header does not record: the layout after which a stamp starts wins.
uint64_t GlyphDataEnd(std::span<const uint8_t> bytes, const THeader& header)
{
    const uint64_t start = uint64_t(header.DataOffset) + 1;
    uint64_t end;
    if (header.Compression == 0) {
        const uint64_t rows = uint64_t(header.Count) * header.Height;
        const uint64_t padded = start + BitsToBytes(rows * ((header.CharWidth + 3u) & ~3u));
        const uint64_t plain = start + BitsToBytes(rows * header.CharWidth);
        end = !StartsWithAt(bytes, padded, "[") && StartsWithAt(bytes, plain, "[") ? plain : padded;
    } else {
        const uint64_t table = header.CharWidth != 0 ? 12 : ((header.Count + 14) & ~3u);
        const uint64_t last = table + 4 * uint64_t(header.Count);
        end = bytes.size();
        if (last + 4 <= bytes.size())
            end = start + (bytes[last] | (bytes[last + 1] << 8) | (bytes[last + 2] << 16) | (uint64_t(bytes[last + 3]) << 24));
    }
    return std::min<uint64_t>(end, bytes.size());
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

void PrintHeader(std::span<const uint8_t> bytes, const THeader& header)
{
    std::printf("Header bytes:  ");
    for (size_t i = 0; i < HeaderSize; ++i)
        std::printf(i + 1 < HeaderSize ? "%02X " : "%02X\n", bytes[i]);
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

void PrintGlyphs(const TMtkFont& font, const THeader& header)
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
    if (bytes.size() < HeaderSize) {
        PrintCommandError("info", TMtkFont::ErrorMessage(mfeNotMediatek, ""));
        return ExitFailure;
    }

    const THeader header = DecodeHeader(bytes);
    std::printf("File:          %s (%zu bytes)\n", path.c_str(), bytes.size());
    PrintHeader(bytes, header);
    PrintGlyphs(font, header);
    const std::string stamp = StampText(bytes, GlyphDataEnd(bytes, header));
    std::printf("Stamp:         %s\n", stamp.empty() ? "none" : ("\"" + stamp + "\"").c_str());
    PrintFontInfoBlock(bytes);
    return font.CutShortGlyphs() > 0 ? ExitFailure : ExitOk;
}

const TCommandRegistration Registration({
    "info",
    "show the header, glyphs, stamp and font-information block of a .mtf/.bin file",
    "Usage: glyphforge info FILE\n\n"
    "Prints every header byte of the Mediatek font FILE decoded, its variant (A, B or C),\n"
    "glyph count, height and width range, the program stamp after the glyph data, and\n"
    "whether a font-information block is present, with every option it holds. A file whose\n"
    "glyph data ends early is described all the same, with the glyphs cut short, and exits\n"
    "with 1.\n",
    RunInfo,
});

} // namespace
