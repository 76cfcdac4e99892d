// BDF fonts from arbitrary bytes. What the reader accepts must fill the store in both types
// (or be refused for the fixed width), and a 4-colour store must come back from its own BDF
// export unchanged. Big stores, and high codes that add thousands of empty glyphs, skip the
// round trip to keep the rate up.

#include "font/BdfReader.h"
#include "font/BdfWriter.h"
#include "font/Format.h"
#include "font/MtkFont.h"
#include "fuzz/FuzzSupport.h"

namespace {

constexpr uint64_t MaxPixelsRoundTripped = uint64_t{1} << 16;
constexpr int MaxCodeRoundTripped = 1 << 10;

uint64_t PixelCount(const TBdfFont& font)
{
    uint64_t pixels = 0;
    for (const TBdfGlyph& glyph : font.Glyphs)
        pixels += uint64_t(glyph.Width) * font.Height();
    return pixels;
}

void RequireSameGlyphs(const TMtkFont& expected, const TMtkFont& actual)
{
    Require(actual.GlyphCount() == expected.GlyphCount() && actual.FHeight == expected.FHeight,
            StrFormat("%d glyphs %d high came back as %d glyphs %d high", expected.GlyphCount(), expected.FHeight,
                      actual.GlyphCount(), actual.FHeight));
    for (int code = 0; code < expected.GlyphCount(); ++code)
        Require(*actual.GetGlyph(code) == *expected.GetGlyph(code), StrFormat("glyph %d changed", code));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TBdfFont bdf;
    try {
        bdf = ReadBdf(Bytes(data, size));
    } catch (const EBdfError&) {
        return 0;
    }
    Require(!bdf.Glyphs.empty() && bdf.Height() >= 0 && bdf.Height() <= 255, "an accepted font without glyphs or height");
    if (PixelCount(bdf) > MaxPixelsRoundTripped || bdf.Glyphs.back().Code > MaxCodeRoundTripped)
        return 0;
    TMtkFont font;
    try {
        LoadBdf(font, bdf, TBdfTarget::TwoColorFixed);
        Require(bdf.OneWidth(), "glyphs of several widths made a fixed-width font");
    } catch (const EBdfError&) {
        Require(!bdf.OneWidth(), "glyphs of one width refused for the fixed width");
    }
    LoadBdf(font, bdf, TBdfTarget::FourColor);
    TBdfDescription description;
    description.Ascent = bdf.Ascent;
    TMtkFont back;
    LoadBdf(back, ReadBdf(EncodeBdf(font, description, TBdfDepth::AsFont)), TBdfTarget::FourColor);
    RequireSameGlyphs(font, back);
    return 0;
}
