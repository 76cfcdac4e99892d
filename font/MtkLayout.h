#pragma once
// Where things lie in a Mediatek font file: the 11-byte header, the width and offset tables,
// the glyph rows, and where the glyph data ends and the trailer (stamp, block) begins.

#include <cstddef>
#include <cstdint>
#include <span>

constexpr size_t MtkHeaderSize = 11;

struct TMtkHeader {
    uint8_t Compression;  // byte 3: 0 uncompressed, 1 compressed
    unsigned DataOffset;  // bytes 4-5: the glyph data begins at this + 1
    uint8_t BitsPerPixel; // byte 6
    unsigned Count;       // bytes 7-8
    uint8_t CharWidth;    // byte 9: 0 for variable width
    uint8_t Height;       // byte 10
};

// Bytes must hold the header at least.
TMtkHeader DecodeMtkHeader(std::span<const uint8_t> bytes);
// Where the glyph data begins.
uint64_t MtkDataStart(const TMtkHeader& header);
// The little-endian 32-bit word at Offset; Bytes must hold it.
uint32_t MtkLongWord(std::span<const uint8_t> bytes, uint64_t offset);
// The offset table of compressed fonts: after the width table, on a 4-byte boundary, when the
// width is variable; at byte 12 when it is fixed.
uint64_t MtkOffsetTableStart(const TMtkHeader& header);
uint64_t MtkOffsetTableStart(uint64_t count, bool variableWidth);
// Rows of compressed glyphs, and uncompressed ones in OLD mode, are padded to 4 pixels.
int MtkPaddedWidth(int width);
// Where the glyph data ends. Uncompressed rows may or may not be padded (OLD or NEW mode),
// which the header does not record: the layout after which a stamp starts wins.
uint64_t MtkGlyphDataEnd(std::span<const uint8_t> bytes, const TMtkHeader& header);
