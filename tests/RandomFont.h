#pragma once
// A font of random ink in every colour of its type; the 4-colour ones have glyphs of width 0.

#include <random>

#include "font/MtkFont.h"

inline void FillRandomFont(TMtkFont& font, bool twoColor, int count, int height, unsigned seed)
{
    std::mt19937 random(seed);
    const TPaletteKind palette = twoColor ? TPaletteKind::TwoColor : TPaletteKind::FourColor;
    for (int code = 0; code < count; ++code) {
        const int width = twoColor ? 7 : static_cast<int>(random() % 14);
        TGlyphBitmap glyph(width, height, palette, twoColor ? 0 : 1);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (random() % 3 == 0)
                    glyph.SetPixel(x, y, static_cast<uint8_t>(random() % (twoColor ? 2 : 4)));
        font.AddGlyph(glyph, twoColor ? 0 : 1);
    }
    font.FHeight = static_cast<uint8_t>(height);
    font.FBitsPerPixel = twoColor ? 1 : 2;
    font.FCompression = twoColor ? 0 : 1;
    font.FVariableWidth = !twoColor;
}
