#include "font/GlyphBitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

void CheckSize(int width, int height)
{
    if (width < 0 || height < 0)
        throw std::invalid_argument("negative glyph size");
}

} // namespace

TGlyphBitmap::TGlyphBitmap(int width, int height, TPaletteKind palette, uint8_t fill)
{
    Reset(width, height, palette, fill);
}

void TGlyphBitmap::Reset(int width, int height, TPaletteKind palette, uint8_t fill)
{
    CheckSize(width, height);
    // The memory first: a glyph whose allocation fails keeps the size of the memory it has.
    FBits.assign(static_cast<size_t>(width) * height, fill);
    FWidth = width;
    FHeight = height;
    FPalette = palette;
}

void TGlyphBitmap::Fill(uint8_t value)
{
    std::fill(FBits.begin(), FBits.end(), value);
}

void TGlyphBitmap::Resize(int width, int height, uint8_t fill)
{
    CheckSize(width, height);
    if (width == FWidth && height == FHeight)
        return;
    if (width == FWidth) {
        FBits.resize(static_cast<size_t>(width) * height, fill);
        FHeight = height;
        return;
    }
    std::vector<uint8_t> bits(static_cast<size_t>(width) * height, fill);
    const int rows = std::min(height, FHeight);
    const int columns = std::min(width, FWidth);
    for (int y = 0; y < rows && columns > 0; ++y)
        std::memcpy(bits.data() + static_cast<size_t>(y) * width, Row(y), static_cast<size_t>(columns));
    FBits.swap(bits);
    FWidth = width;
    FHeight = height;
}

void TGlyphBitmap::InsertColumn(int x, std::span<const uint8_t> column)
{
    if (x < 0 || x > FWidth || column.size() != static_cast<size_t>(FHeight))
        throw std::invalid_argument("column outside the glyph");
    std::vector<uint8_t> bits;
    bits.reserve(static_cast<size_t>(FWidth + 1) * FHeight);
    for (int y = 0; y < FHeight; ++y) {
        bits.insert(bits.end(), Row(y), Row(y) + x);
        bits.push_back(column[static_cast<size_t>(y)]);
        bits.insert(bits.end(), Row(y) + x, Row(y) + FWidth);
    }
    FBits.swap(bits);
    ++FWidth;
}

std::vector<uint8_t> TGlyphBitmap::RemoveColumn(int x)
{
    if (x < 0 || x >= FWidth)
        throw std::invalid_argument("column outside the glyph");
    std::vector<uint8_t> column;
    column.reserve(static_cast<size_t>(FHeight));
    std::vector<uint8_t> bits;
    bits.reserve(static_cast<size_t>(FWidth - 1) * FHeight);
    for (int y = 0; y < FHeight; ++y) {
        bits.insert(bits.end(), Row(y), Row(y) + x);
        column.push_back(Row(y)[x]);
        bits.insert(bits.end(), Row(y) + x + 1, Row(y) + FWidth);
    }
    FBits.swap(bits);
    --FWidth;
    return column;
}
