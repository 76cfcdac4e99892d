#include <gtest/gtest.h>

#include "generate/OptionsText.h"

namespace {

// The window's defaults with the primary font Arial 12 bold.
TGenerationOptions ExampleOptions()
{
    TGenerationOptions options;
    options.FontName = "Arial";
    options.FontSize = 12;
    options.FontStyle = fsBold;
    options.Font2Name = "Arial Unicode MS";
    return options;
}

const std::string ExampleText = "Arial Bold 12 [16 pix] [Spc 8] [CutLR MinWidth 2] [MinHeight 16] [SameWidthNums] "
                                "[SameWidthMinus] [RightMargin 2] [4Color VarW]";

TEST(OptionsTextTest, DefaultsGiveTheExampleTextAndFileName)
{
    EXPECT_EQ(BuildOptionsText(ExampleOptions(), 16), ExampleText);
    EXPECT_EQ(ProposedFontFileName(ExampleOptions(), 16), ExampleText + ".mtf");

    TGenerationOptions newMode = ExampleOptions();
    newMode.FontType = ftFourColorNew;
    EXPECT_EQ(BuildOptionsText(newMode, 16), ExampleText);
}

TEST(OptionsTextTest, TwoColourDropsTheCutItemAndEndsWithFixW)
{
    TGenerationOptions options = ExampleOptions();
    options.FontType = ftTwoColorFixed;
    EXPECT_EQ(BuildOptionsText(options, 16), "Arial Bold 12 [16 pix] [Spc 8] [MinHeight 16] [SameWidthNums] "
                                             "[SameWidthMinus] [RightMargin 2] [2Color FixW]");
}

TEST(OptionsTextTest, StyleWordsInFixedOrderEachFollowedByOneSpace)
{
    TGenerationOptions options = ExampleOptions();
    options.FontStyle = 0;
    EXPECT_EQ(BuildOptionsText(options, 16).substr(0, 15), "Arial 12 [16 pi");
    options.FontStyle = fsItalic | fsBold;
    EXPECT_EQ(BuildOptionsText(options, 16).substr(0, 21), "Arial Bold Italic 12 ");
    options.FontStyle = fsStrikeOut | fsUnderline | fsItalic | fsBold;
    EXPECT_EQ(BuildOptionsText(options, 16).substr(0, 41), "Arial Bold Italic Underline StrikeOut 12 ");
}

TEST(OptionsTextTest, OutlineItemOnlyAboveZeroAndRightAfterSpc)
{
    TGenerationOptions options = ExampleOptions();
    EXPECT_EQ(BuildOptionsText(options, 16).find("Outline"), std::string::npos);
    options.Outline = 3;
    EXPECT_NE(BuildOptionsText(options, 16).find("[Spc 8] [Outline 3] [CutLR MinWidth 2]"), std::string::npos);
}

TEST(OptionsTextTest, RenderingItemsOnlyForThePrimaryFontsValuesThatMatter)
{
    TGenerationOptions options = ExampleOptions();
    options.RenderMode2 = TRenderMode::Mono;
    options.Ink2 = 50;
    EXPECT_EQ(BuildOptionsText(options, 16), ExampleText);
    options.Ink = 100;
    EXPECT_NE(BuildOptionsText(options, 16).find("[Spc 8] [Ink 100] [CutLR MinWidth 2]"), std::string::npos);
    // Drawn in two levels the threshold does nothing, so it is not named.
    options.RenderMode = TRenderMode::MonoAuto;
    EXPECT_NE(BuildOptionsText(options, 16).find("[Spc 8] [Render Mono-Auto] [CutLR MinWidth 2]"), std::string::npos);
    options.RenderMode = TRenderMode::Light;
    options.Outline = 1;
    EXPECT_NE(BuildOptionsText(options, 16).find("[Spc 8] [Outline 1] [Render Light] [Ink 100] [CutLR"),
              std::string::npos);
}

TEST(OptionsTextTest, SameWidthNumbersOffHidesBothSameWidthItems)
{
    TGenerationOptions options = ExampleOptions();
    options.SameWidthNumbers = false;
    options.MinusSameWidth = true; // still ticked, but its box is disabled
    const std::string text = BuildOptionsText(options, 16);
    EXPECT_EQ(text.find("SameWidth"), std::string::npos);
    options.SameWidthNumbers = true;
    options.MinusSameWidth = false;
    EXPECT_NE(BuildOptionsText(options, 16).find("[SameWidthNums] [RightMargin 2]"), std::string::npos);
}

TEST(OptionsTextTest, OptionalRulesInOrderWithTheirValues)
{
    TGenerationOptions options = ExampleOptions();
    options.CutLeftRight = false;
    options.RightMarginOn = false;
    options.TopCutOn = true;
    options.TopCut = 3;
    options.BottomCutOn = true;
    options.BottomCut = 0;
    options.WidthDivOn = true;
    options.WidthDiv = 8;
    options.SpaceWidth = 0;
    EXPECT_EQ(BuildOptionsText(options, 20), "Arial Bold 12 [20 pix] [Spc 0] [MinHeight 16] [SameWidthNums] "
                                             "[SameWidthMinus] [TopCut 3] [BottomCut 0] [WidthDiv 8] [4Color VarW]");
}

TEST(OptionsTextTest, ProposedFileNameStaysInTheChosenFolder)
{
    TGenerationOptions options = ExampleOptions();
    options.FontName = "AC/DC Sans";
    const std::string name = ProposedFontFileName(options, 16);
    EXPECT_EQ(name.find('/'), std::string::npos);
    EXPECT_EQ(name.substr(0, 14), "AC-DC Sans Bol");
}

} // namespace
