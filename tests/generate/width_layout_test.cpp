#include <gtest/gtest.h>

#include <vector>

#include "generate/WidthLayout.h"

namespace {

TGlyphBitmap Row(const char* pixels)
{
    TGlyphBitmap bitmap(static_cast<int>(std::char_traits<char>::length(pixels)), 1, TPaletteKind::FourColor);
    for (int x = 0; x < bitmap.Width(); ++x)
        bitmap.SetPixel(x, 0, static_cast<uint8_t>(pixels[x] - '0'));
    return bitmap;
}

std::string Pixels(const TGlyphBitmap& bitmap)
{
    std::string row;
    for (int x = 0; x < bitmap.Width(); ++x)
        row += static_cast<char>('0' + bitmap.Pixel(x, 0));
    return row;
}

} // namespace

TEST(WidthLayout, InkColumnsOverAllRows)
{
    TGlyphBitmap bitmap(4, 2, TPaletteKind::FourColor, 1);
    bitmap.SetPixel(0, 1, 3);
    bitmap.SetPixel(2, 0, 0);
    EXPECT_EQ(FindInkColumns(bitmap, 1), (std::vector<uint8_t>{1, 0, 1, 0}));
    EXPECT_TRUE(FindInkColumns(TGlyphBitmap(3, 0, TPaletteKind::FourColor), 0) == std::vector<uint8_t>(3, 0));
}

TEST(WidthLayout, ColumnsCutOffStayBackgroundWhenTheGlyphGrowsOrIsCentredAgain)
{
    const TGlyphBitmap drawn = Row("3311133");
    const std::vector<uint8_t> ink = FindInkColumns(drawn, 1);
    TColumnLayout layout(ink);
    layout.SetWidth(5);
    EXPECT_EQ(layout.RightBackground(), 3);
    // The ink beyond the cut is gone: only columns 0..1 are centred.
    EXPECT_EQ(layout.Fit(8), 8);
    EXPECT_EQ(Pixels(layout.Build(drawn, 1)), "11133111");
    layout.SetWidth(10);
    EXPECT_EQ(Pixels(layout.Build(drawn, 1)), "1113311111");
}

TEST(WidthLayout, UncutDigitShrunkByTheMarginIsCentredOnWhatIsLeft)
{
    TGenerationOptions options;
    options.CutLeftRight = false;
    options.RightMarginOn = true;
    options.WidthDivOn = true;
    options.WidthDiv = 4;
    TWidthRuleInput input;
    input.Options = &options;
    input.MinWidth = 2;
    input.RightMargin = 2;
    input.DigitWidth = 5;
    input.SameWidthChar = true;
    input.Unicode = '8';
    TGlyphBitmap digit = Row("3311133");
    EXPECT_EQ(ApplyWidthRules(digit, 7, input), 8);
    EXPECT_EQ(Pixels(digit), "11133111");
}
