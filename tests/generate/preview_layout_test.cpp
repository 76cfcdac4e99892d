#include <gtest/gtest.h>

#include "font/MtkFont.h"
#include "generate/PreviewLayout.h"

namespace {

std::vector<TGlyphSize> Sizes(const std::vector<int>& widths, int height)
{
    std::vector<TGlyphSize> sizes;
    for (int w : widths)
        sizes.push_back({w, height});
    return sizes;
}

} // namespace

TEST(PreviewLayout, RowsWrapAtTheRightMargin)
{
    // Client 40: a row may reach x = 32, so the fourth glyph (x = 29, ending at 34) wraps.
    const TPreviewLayout layout(Sizes({5, 5, 5, 5}, 10), 40, 100);
    const auto& r = layout.GlyphRects();
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0], (TGlyphRect{7, 107, 14, 119}));
    EXPECT_EQ(r[1], (TGlyphRect{14, 107, 21, 119}));
    EXPECT_EQ(r[2], (TGlyphRect{21, 107, 28, 119}));
    EXPECT_EQ(r[3], (TGlyphRect{7, 119, 14, 131}));
    EXPECT_EQ(r[3].GlyphWidth(), 5);
    EXPECT_EQ(layout.ContentBottom(), 131);
}

TEST(PreviewLayout, GlyphWiderThanTheRowStartsTheSecondRow)
{
    const TPreviewLayout layout(Sizes({50, 3}, 6), 40, 0);
    const auto& r = layout.GlyphRects();
    EXPECT_EQ(r[0], (TGlyphRect{7, 15, 59, 23}));      // row 1 left empty; y = 8 + 6 + 2
    EXPECT_EQ(r[1], (TGlyphRect{7, 23, 12, 31}));      // cannot follow it on the same row
}

TEST(PreviewLayout, HitTestIsInclusiveAndTheLowerIndexWins)
{
    const TPreviewLayout layout(Sizes({5, 5, 5, 5}, 10), 40, 100);
    EXPECT_EQ(layout.GlyphAtPoint(7, 107), 0);
    EXPECT_EQ(layout.GlyphAtPoint(14, 110), 0); // shared column between glyphs 0 and 1
    EXPECT_EQ(layout.GlyphAtPoint(15, 110), 1);
    EXPECT_EQ(layout.GlyphAtPoint(10, 119), 0); // shared row between glyphs 0 and 3
    EXPECT_EQ(layout.GlyphAtPoint(10, 120), 3);
    EXPECT_EQ(layout.GlyphAtPoint(6, 110), -1);
    EXPECT_EQ(layout.GlyphAtPoint(30, 125), -1);
    EXPECT_EQ(layout.GlyphAtPoint(10, 106), -1);
    EXPECT_EQ(TPreviewLayout().GlyphAtPoint(0, 0), -1);
}

TEST(PreviewLayout, LaysOutNoMoreThanTheStoreHolds)
{
    TMtkFont font;
    font.Clear();
    font.AddGlyph(TGlyphBitmap(3, 4, TPaletteKind::FourColor), 1);
    font.AddGlyph(TGlyphBitmap(2, 4, TPaletteKind::FourColor), 1);
    EXPECT_EQ(TPreviewLayout(font, 10, 740, 0).GlyphRects().size(), 2u);
    EXPECT_EQ(TPreviewLayout(font, 1, 740, 0).GlyphRects().size(), 1u);
    EXPECT_EQ(TPreviewLayout(font, -1, 740, 0).GlyphRects().size(), 0u);
}

class PreviewRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        FFont.Clear();
        FFont.FBitsPerPixel = 2;
        FFont.FHeight = 3;
        TGlyphBitmap glyph(2, 3, TPaletteKind::FourColor, 3);
        glyph.SetPixel(1, 2, 0);
        FFont.AddGlyph(glyph, 1);
        FFont.AddGlyph(TGlyphBitmap(0, 3, TPaletteKind::FourColor), 1);
        FFont.AddGlyph(TGlyphBitmap(1, 3, TPaletteKind::TwoColor, 1), 0);
        FLayout = TPreviewLayout(FFont, FFont.GlyphCount(), 40, 0);
    }
    TMtkFont FFont;
    TPreviewLayout FLayout;
};

TEST_F(PreviewRender, FramesGlyphsAndBackground)
{
    const QImage image = RenderPreview(FFont, FLayout, TPaletteKind::FourColor, {0, 0, 40, 20});
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    ASSERT_EQ(image.size(), QSize(40, 20));
    EXPECT_EQ(image.color(1), qRgb(128, 128, 128));
    // Glyph 0 at (8, 8): frame columns 7 and 10, rows 7 and 11.
    EXPECT_EQ(image.pixelIndex(0, 0), 1);
    EXPECT_EQ(image.pixelIndex(7, 7), BorderIndex);
    EXPECT_EQ(image.pixelIndex(10, 11), BorderIndex);
    EXPECT_EQ(image.pixelIndex(8, 8), 3);
    EXPECT_EQ(image.pixelIndex(9, 10), 0);
    // The empty glyph 1 at x = 12 is a frame two columns wide, touching its neighbours.
    EXPECT_EQ(image.pixelIndex(11, 9), BorderIndex);
    EXPECT_EQ(image.pixelIndex(12, 9), BorderIndex);
    EXPECT_EQ(image.pixelIndex(13, 9), BorderIndex);
    EXPECT_EQ(image.pixelIndex(12, 12), 1);
    // The 2-colour glyph at x = 14 is colour-matched: white is index 3 of the 4-colour palette.
    EXPECT_EQ(image.pixelIndex(14, 9), 3);

    const QImage two = RenderPreview(FFont, FLayout, TPaletteKind::TwoColor, {0, 0, 40, 20});
    EXPECT_EQ(two.pixelIndex(0, 0), 0);
    EXPECT_EQ(two.color(0), qRgb(128, 128, 128));
    EXPECT_EQ(two.pixelIndex(8, 8), 1);  // white
    EXPECT_EQ(two.pixelIndex(14, 9), 1);

    // A glyph whose ink the cell cuts gets a frame of its own colour.
    const int32_t clipped[] = {2};
    const QImage marked = RenderPreview(FFont, FLayout, TPaletteKind::FourColor, {0, 0, 40, 20}, clipped);
    EXPECT_EQ(marked.pixelIndex(15, 9), MarkedFrameIndex);
    EXPECT_EQ(marked.pixelIndex(7, 7), BorderIndex);
    EXPECT_NE(marked.color(MarkedFrameIndex), marked.color(BorderIndex));
}

TEST_F(PreviewRender, ARegionIsTheSameAsThatPartOfTheWhole)
{
    const QImage whole = RenderPreview(FFont, FLayout, TPaletteKind::FourColor, {0, 0, 40, 20});
    const QImage part = RenderPreview(FFont, FLayout, TPaletteKind::FourColor, {9, 8, 7, 3});
    ASSERT_EQ(part.size(), QSize(7, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(part.pixelIndex(x, y), whole.pixelIndex(x + 9, y + 8)) << x << "," << y;
    EXPECT_TRUE(RenderPreview(FFont, FLayout, TPaletteKind::FourColor, {0, 0, 0, 5}).isNull());
}

TEST(PreviewWorkers, SeveralWorkersLayOutAndDrawWhatOneDoes)
{
    // Enough glyphs for several shares of sizes, and bands of rows that split frames and glyphs.
    TMtkFont font;
    font.Clear();
    for (int i = 0; i < 9000; ++i) {
        TGlyphBitmap glyph(i % 7, 4 + i % 3, i % 5 ? TPaletteKind::FourColor : TPaletteKind::TwoColor, 1);
        for (int x = 0; x < glyph.Width(); ++x)
            glyph.SetPixel(x, (i + x) % glyph.Height(), static_cast<uint8_t>(x % 4));
        font.AddGlyph(glyph, 1);
    }
    const TPreviewLayout one(font, font.GlyphCount(), 300, 0, 1);
    const TPreviewLayout three(font, font.GlyphCount(), 300, 0, 3);
    EXPECT_EQ(three.GlyphRects(), one.GlyphRects());
    const int32_t marked[] = {5, 400, 401};
    const TPreviewRegion region{3, 5, 290, 300};
    EXPECT_EQ(RenderPreview(font, one, TPaletteKind::FourColor, region, marked, 3),
              RenderPreview(font, one, TPaletteKind::FourColor, region, marked, 1));
}
