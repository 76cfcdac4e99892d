// Mediatek font file reader.
//
// Damaged and hostile files: the reader never looks outside the buffer.
// - Shorter than the 11-byte header, or not starting with "FON": "Not a Mediatek FON file."
//   with no detail; the store is left as after any such refusal.
// - A width table or offset table that does not fit the file: "Not a Mediatek FON file."
//   with a detail naming the table; no glyphs, header values as read.
// - Glyph data that is short, or that an offset entry places past the end: every missing bit
//   reads as 0, so missing pixels become index 0, and a warning tells how many glyphs were cut
//   short. Positions are 64-bit, so neither 65535 glyphs nor offsets near 4 GiB can wrap.
// - A glyph count of 0 needs no offset entry: the 11-byte header alone is an empty font.
// - Fourteen zero bits where a run starts stand for 256 pixels (an 8-bit count that wrapped), so
//   decoding always advances.
// - A header that announces far more pixels than the file can hold ("Not a Mediatek FON file."
//   with the detail "Glyph data truncated"; no glyphs, header values as read). A file holds at
//   most 8 pixels per byte uncompressed and 128 compressed (a 16-bit run paints at most 256), so
//   every complete file passes. Damaged or glyph-sharing files still decode, missing bits as 0,
//   up to ZeroFillPixels more than that; beyond it a few bytes could ask for gigabytes.

#include <algorithm>
#include <cstring>

#include "font/CoreText.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/MtkFont.h"
#include "font/MtkLayout.h"

namespace {

constexpr int WrappedRunLength = 256;
constexpr uint64_t ZeroFillPixels = uint64_t{1} << 24;
constexpr uint64_t UncompressedPixelsPerByte = 8;
constexpr uint64_t CompressedPixelsPerByte = 128;

class TBitCursor {
public:
    TBitCursor(std::span<const uint8_t> data, uint64_t bytePosition)
        : FData(data.data()), FSize(data.size()), FBitPosition(bytePosition * 8)
    {
    }

    // N = 1..8, most significant bit first; bits at or past the end read as 0.
    unsigned ReadBits(int count)
    {
        const unsigned window = Peek16();
        FBitPosition += static_cast<uint64_t>(count);
        return window >> (16 - count);
    }

    void SkipBits(int64_t delta) { FBitPosition += static_cast<uint64_t>(delta); }

    int ReadRunLength()
    {
        unsigned value = ReadBits(2);
        if (value != 0)
            return static_cast<int>(value);
        value = ReadBits(2);
        if (value != 0) {
            SkipBits(-2);
            return static_cast<int>(ReadBits(4));
        }
        value = ReadBits(2);
        if (value != 0) {
            SkipBits(-2);
            return static_cast<int>(ReadBits(6));
        }
        value = ReadBits(8);
        return value != 0 ? static_cast<int>(value) : WrappedRunLength;
    }

    uint8_t ReadColor() { return static_cast<uint8_t>(ReadBits(2)); }

    // The next bit lies past the end.
    bool PastEnd() const { return (FBitPosition >> 3) >= FSize; }
    // A bit already read lay past the end.
    bool ReadPastEnd() const { return FBitPosition > FSize * 8; }

private:
    // The 16 bits from the cursor on, without moving it.
    unsigned Peek16() const
    {
        const uint64_t byte = FBitPosition >> 3;
        const unsigned shift = static_cast<unsigned>(FBitPosition & 7);
        uint32_t window;
        if (byte + 2 < FSize) {
            window = (uint32_t{FData[byte]} << 16) | (uint32_t{FData[byte + 1]} << 8) | FData[byte + 2];
        } else {
            window = 0;
            for (uint64_t i = 0; i < 3; ++i)
                window = (window << 8) | (byte + i < FSize ? FData[byte + i] : 0u);
        }
        return ((window << shift) >> 8) & 0xFFFF;
    }

    const uint8_t* FData;
    uint64_t FSize;
    uint64_t FBitPosition;
};


bool PixelsFit(uint64_t pixels, size_t fileSize, uint64_t pixelsPerByte)
{
    return pixels <= ZeroFillPixels + pixelsPerByte * fileSize;
}

// Runs cover the padded rows; padding pixels are dropped except the last one of row 0,
// which carries the pad colour.
std::unique_ptr<TGlyphBitmap> DecodeCompressedGlyph(TBitCursor& cursor, int width, int height,
                                                     uint8_t& padColor)
{
    auto glyph = std::make_unique<TGlyphBitmap>(width, height, TPaletteKind::FourColor);
    const int padded = MtkPaddedWidth(width);
    padColor = 0;
    int column = 0;
    int row = 0;
    while (row < height && column < padded) {
        int remaining = cursor.ReadRunLength();
        const uint8_t color = cursor.ReadColor();
        while (remaining > 0 && row < height) {
            const int span = std::min(remaining, padded - column);
            const int inkEnd = std::min(column + span, width);
            if (column < inkEnd)
                std::memset(glyph->Row(row) + column, color, static_cast<size_t>(inkEnd - column));
            if (row == 0 && column + span == padded && padded > width)
                padColor = color;
            remaining -= span;
            column += span;
            if (column == padded) {
                column = 0;
                ++row;
            }
        }
    }
    return glyph;
}

} // namespace

void TMtkFont::WarnOfCutShortGlyphs() const
{
    if (FCutShortGlyphs > 0 && FMessageSink)
        FMessageSink(
            StrFormat(CORE_TEXT("CoreMessage",
                                "The glyph data ends early: %d of %d glyphs are cut short, and their missing pixels "
                                "show as colour 0."),
                      FCutShortGlyphs, GlyphCount()));
}

bool TMtkFont::LoadFromFile(const std::string& fileName)
{
    const std::vector<uint8_t> data = ReadWholeFile(fileName);
    return LoadFromStream(data);
}

bool TMtkFont::LoadFromStream(std::span<const uint8_t> data)
{
    DiscardGlyphList();
    FCutShortGlyphs = 0;
    FCompression = 0;
    FHeight = 0;
    FBitsPerPixel = 0;

    if (data.size() < MtkHeaderSize || std::memcmp(data.data(), "FON", 3) != 0) {
        ShowError(mfeNotMediatek, "");
        return false;
    }
    const TMtkHeader header = DecodeMtkHeader(data);
    const uint8_t compression = header.Compression;
    const uint8_t bitsPerPixel = header.BitsPerPixel;
    const int count = static_cast<int>(header.Count);
    const uint8_t charWidth = header.CharWidth;
    const int height = header.Height;
    FCompression = compression;
    FBitsPerPixel = bitsPerPixel;
    FHeight = static_cast<uint8_t>(height);
    FVariableWidth = charWidth == 0;

    if (compression == 0) {
        if (bitsPerPixel != 1 || charWidth == 0) {
            ShowError(mfeUnknownFontType,
                      StrFormat("Uncompressed | Bit/Pixel=%d | CharWidth=%d", bitsPerPixel, charWidth));
            return false;
        }
        if (!PixelsFit(uint64_t(count) * charWidth * uint64_t(height), data.size(), UncompressedPixelsPerByte)) {
            ShowError(mfeNotMediatek, CORE_TEXT("CoreMessage", "Glyph data truncated"));
            return false;
        }
        TBitCursor cursor(data, MtkDataStart(header));
        NewGlyphList(count);
        for (int k = 0; k < count; ++k) {
            auto glyph = std::make_unique<TGlyphBitmap>(charWidth, height, TPaletteKind::TwoColor);
            // Past the end every bit is 0, which the new bitmap already holds.
            int row = 0;
            for (; row < height && !cursor.PastEnd(); ++row) {
                uint8_t* pixels = glyph->Row(row);
                for (int column = 0; column < charWidth; ++column)
                    pixels[column] = static_cast<uint8_t>(cursor.ReadBits(1));
            }
            if (height > 0 && (row < height || cursor.ReadPastEnd()))
                ++FCutShortGlyphs;
            FGlyphs->Add(std::move(glyph), 0);
        }
        WarnOfCutShortGlyphs();
        return true;
    }

    if (compression != 1) {
        ShowError(mfeUnknownCompression, StrFormat("COMPR_ID=%d", compression));
        return false;
    }
    if (bitsPerPixel != 2) {
        ShowError(mfeUnknownFontType, StrFormat("Compressed | Bit/Pixel=%d | CharWidth=%d", bitsPerPixel, charWidth));
        return false;
    }

    const bool variableWidth = charWidth == 0;
    const uint64_t tableOffset = MtkOffsetTableStart(header);
    if (variableWidth && MtkHeaderSize + uint64_t(count) > data.size()) {
        ShowError(mfeNotMediatek, CORE_TEXT("CoreMessage", "Width table truncated"));
        return false;
    }
    if (count > 0 && tableOffset + 4 * uint64_t(count) > data.size()) {
        ShowError(mfeNotMediatek, CORE_TEXT("CoreMessage", "Offset table truncated"));
        return false;
    }

    uint64_t pixels = 0;
    for (int k = 0; k < count; ++k)
        pixels +=
            uint64_t(MtkPaddedWidth(variableWidth ? data[MtkHeaderSize + static_cast<size_t>(k)] : charWidth)) * height;
    if (!PixelsFit(pixels, data.size(), CompressedPixelsPerByte)) {
        ShowError(mfeNotMediatek, CORE_TEXT("CoreMessage", "Glyph data truncated"));
        return false;
    }

    const uint64_t dataStart = MtkDataStart(header);
    NewGlyphList(count);
    for (int k = 0; k < count; ++k) {
        TBitCursor cursor(data, dataStart + MtkLongWord(data, tableOffset + 4 * uint64_t(k)));
        const int width = variableWidth ? data[MtkHeaderSize + static_cast<size_t>(k)] : charWidth;
        uint8_t padColor;
        auto glyph = DecodeCompressedGlyph(cursor, width, height, padColor);
        // A glyph without pixels reads nothing, wherever its offset points.
        if (width > 0 && height > 0 && cursor.ReadPastEnd())
            ++FCutShortGlyphs;
        FGlyphs->Add(std::move(glyph), padColor);
    }
    WarnOfCutShortGlyphs();
    return true;
}
