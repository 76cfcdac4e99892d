#include "font/MtkLayout.h"

#include <algorithm>

namespace {

constexpr uint64_t FixedWidthOffsetTable = 12;

uint64_t BitsToBytes(uint64_t bits)
{
    return (bits + 7) / 8;
}

bool StampStartsAt(std::span<const uint8_t> bytes, uint64_t at)
{
    return at < bytes.size() && bytes[at] == '[';
}

} // namespace

TMtkHeader DecodeMtkHeader(std::span<const uint8_t> bytes)
{
    return {bytes[3], unsigned(bytes[4] | (bytes[5] << 8)), bytes[6], unsigned(bytes[7] | (bytes[8] << 8)), bytes[9],
            bytes[10]};
}

uint64_t MtkDataStart(const TMtkHeader& header)
{
    return uint64_t{header.DataOffset} + 1;
}

uint32_t MtkLongWord(std::span<const uint8_t> bytes, uint64_t offset)
{
    return bytes[offset] | (uint32_t{bytes[offset + 1]} << 8) | (uint32_t{bytes[offset + 2]} << 16) |
           (uint32_t{bytes[offset + 3]} << 24);
}

uint64_t MtkOffsetTableStart(const TMtkHeader& header)
{
    return MtkOffsetTableStart(header.Count, header.CharWidth == 0);
}

uint64_t MtkOffsetTableStart(uint64_t count, bool variableWidth)
{
    return variableWidth ? (count + 14) & ~uint64_t{3} : FixedWidthOffsetTable;
}

int MtkPaddedWidth(int width)
{
    return (width + 3) & ~3;
}

uint64_t MtkGlyphDataEnd(std::span<const uint8_t> bytes, const TMtkHeader& header)
{
    const uint64_t start = MtkDataStart(header);
    uint64_t end;
    if (header.Compression == 0) {
        const uint64_t rows = uint64_t(header.Count) * header.Height;
        const uint64_t padded = start + BitsToBytes(rows * uint64_t(MtkPaddedWidth(header.CharWidth)));
        const uint64_t plain = start + BitsToBytes(rows * header.CharWidth);
        end = !StampStartsAt(bytes, padded) && StampStartsAt(bytes, plain) ? plain : padded;
    } else {
        // The last offset entry points past the last glyph.
        const uint64_t last = MtkOffsetTableStart(header) + 4 * uint64_t(header.Count);
        end = bytes.size();
        if (last + 4 <= bytes.size())
            end = start + MtkLongWord(bytes, last);
    }
    return std::min<uint64_t>(end, bytes.size());
}
