#pragma once
// An 8-bit palettised glyph picture, one byte per pixel, rows top to bottom.
// Unlike a QImage it may be 0 pixels wide or 0 rows high: an empty glyph is valid.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "font/Palette.h"

class TGlyphBitmap {
public:
    TGlyphBitmap() = default;
    TGlyphBitmap(int width, int height, TPaletteKind palette, uint8_t fill = 0);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    TPaletteKind PaletteKind() const { return FPalette; }

    uint8_t* Row(int y) { return FBits.data() + static_cast<size_t>(y) * FWidth; }
    const uint8_t* Row(int y) const { return FBits.data() + static_cast<size_t>(y) * FWidth; }
    uint8_t Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, uint8_t value) { Row(y)[x] = value; }
    const std::vector<uint8_t>& Bits() const { return FBits; }

    void Fill(uint8_t value);
    // A new picture of that size, all Fill, drawn in the old one's memory where it fits.
    void Reset(int width, int height, TPaletteKind palette, uint8_t fill);
    // Resizing keeps the pixels of the common top-left area; new area gets Fill.
    void Resize(int width, int height, uint8_t fill);
    void SetWidth(int width, uint8_t fill) { Resize(width, FHeight, fill); }
    void SetHeight(int height, uint8_t fill) { Resize(FWidth, height, fill); }
    // A column of Height pixels, top to bottom, put in before column X (0..Width) or taken out at X.
    void InsertColumn(int x, std::span<const uint8_t> column);
    std::vector<uint8_t> RemoveColumn(int x);

    bool operator==(const TGlyphBitmap& other) const = default;

private:
    int FWidth = 0;
    int FHeight = 0;
    TPaletteKind FPalette = TPaletteKind::FourColor;
    std::vector<uint8_t> FBits;
};
