#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generate/GlyphRules.h"

namespace {

using Rows = std::vector<std::string>;

// One character per pixel, the digit being the palette index.
TGlyphBitmap Glyph(const Rows& rows)
{
    TGlyphBitmap bitmap(rows.empty() ? 0 : static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
                        TPaletteKind::FourColor);
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            bitmap.SetPixel(x, y, static_cast<uint8_t>(rows[static_cast<size_t>(y)][static_cast<size_t>(x)] - '0'));
    return bitmap;
}

Rows Pixels(const TGlyphBitmap& bitmap)
{
    Rows rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x)
            row += static_cast<char>('0' + bitmap.Pixel(x, y));
        rows.push_back(row);
    }
    return rows;
}

// 10 columns, ink (3) in columns 2..6 on background 1.
const Rows TenColumns = {"1133331111", "1131113111", "1111113111"};

class RulesWidthTest : public ::testing::Test {
protected:
    RulesWidthTest()
    {
        FOptions.CutLeftRight = true;
        FOptions.RightMarginOn = false;
        FOptions.WidthDivOn = false;
        FInput.Options = &FOptions;
        FInput.MinWidth = 2;
        FInput.SpaceWidth = 8;
        FInput.RightMargin = 2;
        FInput.Unicode = 'A';
    }

    uint16_t Apply(TGlyphBitmap& bitmap)
    {
        return ApplyWidthRules(bitmap, static_cast<uint16_t>(bitmap.Width()), FInput);
    }

    // A blank cell of the given width, as drawn for a space or a character without ink.
    TGlyphBitmap Blank(int width) const { return TGlyphBitmap(width, 4, TPaletteKind::FourColor, FInput.BackgroundIndex); }

    TGenerationOptions FOptions;
    TWidthRuleInput FInput;
};

} // namespace

TEST(RulesFit, TrimsAndCentresTheInk)
{
    TGlyphBitmap narrow = Glyph(TenColumns);
    EXPECT_EQ(FitGlyphWidth(narrow, 2, 1), 5);
    EXPECT_EQ(Pixels(narrow), (Rows{"33331", "31113", "11113"}));

    TGlyphBitmap padded = Glyph(TenColumns);
    EXPECT_EQ(FitGlyphWidth(padded, 8, 1), 8); // the odd column goes to the right
    EXPECT_EQ(Pixels(padded), (Rows{"13333111", "13111311", "11111311"}));

    TGlyphBitmap widened = Glyph({"33", "13"});
    EXPECT_EQ(FitGlyphWidth(widened, 6, 1), 6);
    EXPECT_EQ(Pixels(widened), (Rows{"113311", "111311"}));
}

TEST(RulesFit, TargetEqualToTheWidthLeavesThePixels)
{
    TGlyphBitmap bitmap = Glyph({"3311111", "1311111"});
    const TGlyphBitmap before = bitmap;
    EXPECT_EQ(FitGlyphWidth(bitmap, 7, 1), 7);
    EXPECT_EQ(bitmap, before);

    // MinWidth 9 on the 10-column glyph: LeftPad 2, RightPad 2, so the ink stays in 2..6.
    TGlyphBitmap ten = Glyph(TenColumns);
    EXPECT_EQ(FitGlyphWidth(ten, 9, 1), 9);
    EXPECT_EQ(Pixels(ten), (Rows{"113333111", "113111311", "111111311"}));
}

TEST(RulesFit, GlyphsWithoutInk)
{
    TGlyphBitmap blank(5, 3, TPaletteKind::FourColor, 1);
    EXPECT_EQ(FitGlyphWidth(blank, 0, 1), 0);
    EXPECT_EQ(blank.Width(), 0);
    EXPECT_EQ(blank.Height(), 3);

    TGlyphBitmap noRows(5, 0, TPaletteKind::FourColor, 1);
    EXPECT_EQ(CountRightBackground(noRows, 1), 5);
    EXPECT_EQ(FitGlyphWidth(noRows, 2, 1), 2);

    // Any index but the background is content, the second background 0 as well.
    TGlyphBitmap secondBackground = Glyph({"0010", "0000"});
    EXPECT_EQ(FitGlyphWidth(secondBackground, 3, 0), 3);
    EXPECT_EQ(Pixels(secondBackground), (Rows{"010", "000"}));
}

TEST(RulesFit, CountRightBackgroundStopsAtTheFirstInkColumn)
{
    EXPECT_EQ(CountRightBackground(Glyph({"1311111", "1113111"}), 1), 3);
    EXPECT_EQ(CountRightBackground(Glyph({"1111", "1111"}), 1), 4);
    EXPECT_EQ(CountRightBackground(Glyph({"1113"}), 1), 0);
    EXPECT_EQ(CountRightBackground(Glyph({"1000"}), 0), 3);
}

TEST(RulesOutline, RingsInTheEightNeighbourhood)
{
    TGlyphBitmap one = Glyph({"11111", "11111", "11311", "11111", "11111"});
    OutlineGlyph(one, 2, 3, 1);
    EXPECT_EQ(Pixels(one), (Rows{"11111", "12221", "12321", "12221", "11111"}));

    TGlyphBitmap two = Glyph({"1111111", "1111111", "1111111", "1113111", "1111111", "1111111", "1111111"});
    OutlineGlyph(two, 2, 3, 2);
    EXPECT_EQ(Pixels(two), (Rows{"1111111", "1222221", "1222221", "1223221", "1222221", "1222221", "1111111"}));
}

TEST(RulesOutline, ClippedAtTheEdgesAndPaintsOverTheSecondBackground)
{
    TGlyphBitmap corner = Glyph({"3000", "0000", "0000", "0000"});
    OutlineGlyph(corner, 2, 3, 2);
    EXPECT_EQ(Pixels(corner), (Rows{"3220", "2220", "2220", "0000"}));

    // A large width ends once every pixel is painted.
    TGlyphBitmap shape = Glyph({"131", "111", "113"});
    OutlineGlyph(shape, 2, 3, 1000);
    EXPECT_EQ(Pixels(shape), (Rows{"232", "222", "223"}));
}

TEST(RulesOutline, NothingToGrow)
{
    const TGlyphBitmap twoColor = Glyph({"0110", "0100"});
    TGlyphBitmap bitmap = twoColor;
    OutlineGlyph(bitmap, 2, 3, 2);
    EXPECT_EQ(bitmap, twoColor);

    TGlyphBitmap noSteps = Glyph({"131"});
    OutlineGlyph(noSteps, 2, 3, 0);
    EXPECT_EQ(Pixels(noSteps), (Rows{"131"}));

    TGlyphBitmap empty(0, 4, TPaletteKind::FourColor);
    OutlineGlyph(empty, 2, 3, 1);
    EXPECT_EQ(empty.Width(), 0);
}

TEST_F(RulesWidthTest, CutMarginAndDivisorInOrder)
{
    TGlyphBitmap cut = Glyph(TenColumns);
    EXPECT_EQ(Apply(cut), 5);
    EXPECT_EQ(Pixels(cut), (Rows{"33331", "31113", "11113"}));

    FOptions.RightMarginOn = true;
    TGlyphBitmap margin = Glyph(TenColumns);
    EXPECT_EQ(Apply(margin), 7);
    EXPECT_EQ(Pixels(margin), (Rows{"3333111", "3111311", "1111311"}));

    // The margin becomes background on both sides of the centred ink.
    FOptions.WidthDivOn = true;
    FOptions.WidthDiv = 4;
    TGlyphBitmap divided = Glyph(TenColumns);
    EXPECT_EQ(Apply(divided), 8);
    EXPECT_EQ(Pixels(divided), (Rows{"13333111", "13111311", "11111311"}));
}

TEST_F(RulesWidthTest, WithoutCuttingTheDrawnWidthStays)
{
    FOptions.CutLeftRight = false;
    TGlyphBitmap bitmap = Glyph(TenColumns);
    const TGlyphBitmap before = bitmap;
    EXPECT_EQ(Apply(bitmap), 10);
    EXPECT_EQ(bitmap, before);
}

TEST_F(RulesWidthTest, DivisorKeepsMultiplesAndIsAtLeastOne)
{
    FOptions.WidthDivOn = true;
    FOptions.CutLeftRight = false;
    FOptions.WidthDiv = 4;
    TGlyphBitmap leftInk = Glyph({"3311", "3111"});
    const TGlyphBitmap before = leftInk;
    EXPECT_EQ(Apply(leftInk), 4);
    EXPECT_EQ(leftInk, before);

    for (const int divisor : {1, 0, -3}) {
        FOptions.WidthDiv = divisor;
        TGlyphBitmap odd = Glyph({"13111"});
        EXPECT_EQ(Apply(odd), 5) << divisor;
        EXPECT_EQ(Pixels(odd), (Rows{"13111"})) << divisor;
    }
}

TEST_F(RulesWidthTest, SpaceWidth)
{
    FOptions.RightMarginOn = true;
    FOptions.WidthDivOn = true;
    FInput.Unicode = 0x20;
    TGlyphBitmap space = Blank(3);
    EXPECT_EQ(Apply(space), 8); // A: 2, B: 8, C: 8 background columns suffice, D: 8 is a multiple of 4
    EXPECT_EQ(space.Width(), 8);

    FInput.Unicode = 0xA0;
    FOptions.CutLeftRight = false;
    TGlyphBitmap wide = Blank(11);
    EXPECT_EQ(Apply(wide), 12);
    TGlyphBitmap narrow = Blank(3);
    EXPECT_EQ(Apply(narrow), 8);

    // In the fixed-width type and the digit pass a space is not widened.
    FOptions.CutLeftRight = true;
    FOptions.WidthDivOn = false;
    FOptions.RightMarginOn = false;
    FOptions.FontType = ftTwoColorFixed;
    FInput.BackgroundIndex = 0;
    TGlyphBitmap fixed = Blank(3);
    EXPECT_EQ(Apply(fixed), 2);
    FOptions.FontType = ftFourColorNew;
    FInput.BackgroundIndex = 1;
    FInput.DigitPass = true;
    TGlyphBitmap digitPass = Blank(3);
    EXPECT_EQ(Apply(digitPass), 2);
}

TEST_F(RulesWidthTest, GlyphWithoutInkGetsOnlyTheMargin)
{
    FInput.MinWidth = 0;
    TGlyphBitmap empty = Blank(6);
    EXPECT_EQ(Apply(empty), 0);
    EXPECT_EQ(empty.Width(), 0);

    FOptions.RightMarginOn = true;
    FInput.BackgroundIndex = 0; // the second background pads with its own index
    TGlyphBitmap margin = TGlyphBitmap(6, 2, TPaletteKind::FourColor, 0);
    EXPECT_EQ(Apply(margin), 2);
    EXPECT_EQ(Pixels(margin), (Rows{"00", "00"}));
}

TEST_F(RulesWidthTest, DigitsShareTheirWidth)
{
    FOptions.RightMarginOn = true;
    FInput.SameWidthChar = true;
    FInput.DigitWidth = 6;
    TGlyphBitmap one = Glyph({"1113111", "1113111"});
    TGlyphBitmap eight = Glyph({"1333311", "1311311"});
    EXPECT_EQ(Apply(one), 6);
    EXPECT_EQ(Apply(eight), 6);
    EXPECT_EQ(Pixels(one), (Rows{"113111", "113111"}));
    EXPECT_EQ(Pixels(eight), (Rows{"133331", "131131"}));

    FInput.MinWidth = 9;
    TGlyphBitmap raised = Glyph({"1113111"});
    EXPECT_EQ(Apply(raised), 9);

    FInput.MinWidth = 2;
    FOptions.SameWidthNumbers = false;
    TGlyphBitmap own = Glyph({"1113111"});
    EXPECT_EQ(Apply(own), 3); // cut to its ink, then the margin
}

TEST_F(RulesWidthTest, UncutDigitThatNeedsAMarginGetsTheDigitWidth)
{
    FOptions.CutLeftRight = false;
    FOptions.RightMarginOn = true;
    FInput.SameWidthChar = true;
    FInput.DigitWidth = 5;
    // A cannot shrink 7 ink columns to 5; C then sets the common width and drops the rest.
    TGlyphBitmap digit = Glyph({"3333333"});
    EXPECT_EQ(Apply(digit), 5);
    EXPECT_EQ(Pixels(digit), (Rows{"33333"}));

    TGlyphBitmap narrow = Glyph({"1311111"});
    EXPECT_EQ(Apply(narrow), 5);
    EXPECT_EQ(Pixels(narrow), (Rows{"11311"}));
}

TEST_F(RulesWidthTest, InvalidCharacters)
{
    FOptions.RightMarginOn = true;
    FInput.Covered = false;
    TGlyphBitmap fourColor = Glyph(TenColumns);
    EXPECT_EQ(Apply(fourColor), 7); // counted with its width, stored empty
    EXPECT_EQ(fourColor.Width(), 0);
    EXPECT_EQ(fourColor.Height(), 3);

    FOptions.FontType = ftTwoColorFixed;
    FInput.BackgroundIndex = 0;
    FInput.MinWidth = 8;
    TGlyphBitmap twoColor = Glyph({"0011100000", "0010100000"});
    EXPECT_EQ(Apply(twoColor), 8);
    EXPECT_EQ(Pixels(twoColor), (Rows{"00000000", "00000000"}));

    FOptions.DisplayInvalidChars = true;
    TGlyphBitmap shown = Glyph({"0011100000"});
    EXPECT_EQ(Apply(shown), 8);
    EXPECT_EQ(Pixels(shown), (Rows{"00111000"}));

    FOptions.DisplayInvalidChars = false;
    FInput.DigitPass = true;
    TGlyphBitmap digitPass = Glyph({"0011100000"});
    EXPECT_EQ(Apply(digitPass), 8);
    EXPECT_EQ(digitPass.Width(), 8);
}
