#include <gtest/gtest.h>

#include "font/IntegerList.h"
#include "font/MtkFont.h"
#include "font/Palette.h"

TEST(GlyphStore, NewStoreHasNothing)
{
    TMtkFont font;
    EXPECT_FALSE(font.HasGlyphList());
    EXPECT_EQ(font.GlyphCount(), 0);
    EXPECT_EQ(font.GetGlyph(0), nullptr);
    EXPECT_EQ(font.GetPadColor(0), 0);
}

TEST(GlyphStore, ClearCreatesListAndGrowsInSteps)
{
    TMtkFont font;
    font.FCompression = 1;
    font.FHeight = 9;
    font.FBitsPerPixel = 2;
    font.FVariableWidth = true;
    font.Clear();
    ASSERT_TRUE(font.HasGlyphList());
    EXPECT_EQ(font.GlyphList()->GrowBy(), 32);
    EXPECT_EQ(font.FCompression + font.FHeight + font.FBitsPerPixel, 0);
    EXPECT_FALSE(font.FVariableWidth);

    const TGlyphBitmap glyph(3, 2, TPaletteKind::FourColor, 1);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(font.AddGlyph(glyph, 1), i);
    EXPECT_EQ(font.GlyphList()->Capacity(), 32);
    EXPECT_EQ(font.AddGlyph(glyph, 1), 32);
    EXPECT_EQ(font.GlyphList()->Capacity(), 64);
    EXPECT_EQ(font.GetPadColor(63), 0);

    font.Clear();
    EXPECT_EQ(font.GlyphCount(), 0);
    EXPECT_EQ(font.GlyphList()->Capacity(), 64);
}

TEST(GlyphStore, AddGlyphCopiesOrTakesOver)
{
    TMtkFont font;
    TGlyphBitmap original(2, 2, TPaletteKind::FourColor, 3);
    font.AddGlyph(original, 2);
    original.SetPixel(0, 0, 0);
    EXPECT_EQ(font.GetGlyph(0)->Pixel(0, 0), 3);
    EXPECT_EQ(font.GetPadColor(0), 2);

    auto owned = std::make_unique<TGlyphBitmap>(0, 5, TPaletteKind::TwoColor);
    const TGlyphBitmap* raw = owned.get();
    EXPECT_EQ(font.AddGlyph(std::move(owned), 0), 1);
    EXPECT_EQ(font.GetGlyph(1), raw);
    EXPECT_EQ(font.GetGlyph(1)->Width(), 0);
    EXPECT_EQ(font.GetGlyph(2), nullptr);
    EXPECT_EQ(font.GetGlyph(-1), nullptr);
}

TEST(GlyphBitmap, ResizeKeepsTopLeftAndFillsNewArea)
{
    TGlyphBitmap bitmap(2, 2, TPaletteKind::FourColor, 3);
    bitmap.SetPixel(1, 1, 2);
    bitmap.Resize(3, 3, 1);
    EXPECT_EQ(bitmap.Pixel(1, 1), 2);
    EXPECT_EQ(bitmap.Pixel(2, 0), 1);
    EXPECT_EQ(bitmap.Pixel(0, 2), 1);
    bitmap.SetWidth(0, 1);
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 3);
    bitmap.SetWidth(2, 1);
    EXPECT_EQ(bitmap.Pixel(1, 2), 1);
}

TEST(IntegerList, DuplicatesSuppressedOnlyWhenAsked)
{
    TIntegerList list(0, 16);
    EXPECT_EQ(list.Add(5, false), 0);
    EXPECT_EQ(list.Add(5, false), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Add(5, true), 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Capacity(), 16);
    EXPECT_EQ(list.IndexOf(5, 1), 1);
    EXPECT_EQ(list.IndexOf(6, 0), -1);
    EXPECT_THROW(list[2], std::out_of_range);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(ShowError, MessagesByCode)
{
    EXPECT_EQ(TMtkFont::ErrorMessage(7, ""), "Error #7.");
    EXPECT_EQ(TMtkFont::ErrorMessage(1, ""), "Not a Mediatek FON file.");
    EXPECT_EQ(TMtkFont::ErrorMessage(2, "COMPR_ID=2"), "Unknown compression type. COMPR_ID=2");

    TMtkFont font;
    std::string shown;
    font.SetMessageSink([&](const std::string& message) { shown = message; });
    font.ShowError(3, "Compressed | Bit/Pixel=1 | CharWidth=0");
    EXPECT_EQ(shown, "Unknown font type. Compressed | Bit/Pixel=1 | CharWidth=0");
}

TEST(Palette, FixedColours)
{
    EXPECT_EQ(Get4Color(0), 0x0000FFu);
    EXPECT_EQ(Get4Color(1), 0x808080u);
    EXPECT_EQ(Get2Color(0), 0x808080u);
    EXPECT_EQ(Get2Color(1), 0xFFFFFFu);
    EXPECT_EQ(Get2Color(200), 0x00FFFFu);
    EXPECT_EQ(Get4Color(4), 0x00FFFFu);
    EXPECT_EQ(Get4Color(255), 0xFF00FFu);
    EXPECT_EQ(Get2Color(BorderIndex), 0xFF00FFu);
    EXPECT_EQ(Create4ColorPalette().Argb[2], 0xFF000000u);
    TLogPalette log;
    Fill2ColorPalette(log);
    EXPECT_EQ(log.palVersion, 0x300);
    EXPECT_EQ(log.palNumEntries, 256);
    EXPECT_EQ(log.palPalEntry[1].peFlags, 0);
}
