#include "fuzz/RandomStore.h"

#include <algorithm>

#include "font/Format.h"
#include "fuzz/FuzzSupport.h"

void FillRandomStore(FuzzedDataProvider& input, const TStoreShape& shape, TMtkFont& font)
{
    font.Clear();
    const int count = input.ConsumeIntegralInRange(shape.MaxGlyphs > 0 ? 1 : 0, shape.MaxGlyphs);
    const int height = input.ConsumeIntegralInRange(shape.MinHeight, shape.MaxHeight);
    font.FHeight = static_cast<uint8_t>(height);
    const auto randomWidth = [&] {
        const int steps = input.ConsumeIntegralInRange(shape.MinWidth / shape.WidthStep, shape.MaxWidth / shape.WidthStep);
        return steps * shape.WidthStep;
    };
    const int fixedWidth = randomWidth();
    const auto randomColor = [&] { return static_cast<uint8_t>(input.ConsumeIntegral<uint8_t>() % shape.Colors); };

    size_t pixelsMade = 0;
    for (int k = 0; k < count && pixelsMade < shape.MaxPixels; ++k) {
        const int width = shape.FixedWidth ? fixedWidth : randomWidth();
        TGlyphBitmap glyph(width, height, TPaletteKind::FourColor);
        const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
        pixelsMade += pixels;
        // Rows follow each other in one block, so a run may go on into the next row.
        uint8_t* const first = glyph.Row(0);
        size_t at = 0;
        while (at < pixels && input.remaining_bytes() > 0) {
            const uint8_t color = randomColor();
            const size_t run = std::min<size_t>(pixels - at, size_t{1} + input.ConsumeIntegral<uint8_t>());
            std::fill_n(first + at, run, color);
            at += run;
        }
        font.AddGlyph(glyph, randomColor());
    }
    const bool twoColor = shape.Colors == 2;
    font.FCompression = twoColor ? 0 : 1;
    font.FBitsPerPixel = twoColor ? 1 : 2;
    font.FVariableWidth = !twoColor;
}

std::unique_ptr<TMtkFont> WrittenAndReadBack(const TMtkFont& font, bool newMode)
{
    std::vector<uint8_t> file;
    font.SaveToStream(file, newMode, "[stamp]", {});
    auto read = std::make_unique<TMtkFont>();
    read->LoadFromStream(file);
    return read;
}

void RequireSameGlyphs(const TMtkFont& expected, const TMtkFont& actual,
                       const std::function<uint8_t(int)>& padOf, const char* what)
{
    Require(expected.GlyphCount() == actual.GlyphCount(),
            StrFormat("%s: %d glyphs became %d", what, expected.GlyphCount(), actual.GlyphCount()));
    for (int k = 0; k < expected.GlyphCount(); ++k) {
        const TGlyphBitmap& a = *expected.GetGlyph(k);
        const TGlyphBitmap& b = *actual.GetGlyph(k);
        Require(a.Width() == b.Width() && a.Height() == b.Height(),
                StrFormat("%s: glyph %d of %d x %d became %d x %d", what, k, a.Width(), a.Height(), b.Width(),
                          b.Height()));
        Require(a.Bits() == b.Bits(), StrFormat("%s: pixels of glyph %d (width %d) differ", what, k, a.Width()));
        if (padOf)
            Require(padOf(k) == actual.GetPadColor(k),
                    StrFormat("%s: glyph %d (width %d) pad colour %d became %d", what, k, a.Width(), padOf(k),
                              actual.GetPadColor(k)));
    }
}
