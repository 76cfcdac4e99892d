#include <gtest/gtest.h>

#include "generate/FontTypeChoice.h"

namespace {

// Generations that make no glyph wider than the minimum width.
int Choose(TGenerationOptions& options, int type, int maxGlyphWidth)
{
    std::optional<TTakenWidths> taken;
    return ApplyFontTypeChoice(options, type, maxGlyphWidth, [](const TGenerationOptions&) { return 0; }, taken);
}

} // namespace

TEST(FontTypeChoice, FixedWidthFitsTheWidestGlyphAndAlignsTheSpace)
{
    TGenerationOptions options;
    options.MinWidth = 20; // a wider minimum is replaced, not kept
    options.SpaceWidth = 8;
    options.Outline = 3;
    options.CutLeftRight = false;
    EXPECT_EQ(Choose(options, ftTwoColorFixed, 13), 4);
    EXPECT_EQ(options.FontType, ftTwoColorFixed);
    EXPECT_EQ(options.MinWidth, 16);
    EXPECT_EQ(options.SpaceWidth, 8);
    EXPECT_EQ(options.Outline, 0);
    EXPECT_TRUE(options.CutLeftRight);

    options.SpaceWidth = 9;
    Choose(options, ftTwoColorFixed, 16);
    EXPECT_EQ(options.SpaceWidth, 12);
    EXPECT_EQ(options.MinWidth, 16);
}

TEST(FontTypeChoice, FixedWidthStaysInsideTheBoxRange)
{
    TGenerationOptions options;
    Choose(options, ftTwoColorFixed, 0); // no generation yet
    EXPECT_EQ(options.MinWidth, 0);
    Choose(options, ftTwoColorFixed, 250);
    EXPECT_EQ(options.MinWidth, 100);
}

TEST(FontTypeChoice, VariableWidthTypesKeepTheValues)
{
    TGenerationOptions options;
    Choose(options, ftTwoColorFixed, 13);
    const TGenerationOptions fixed = options;
    for (int type : {ftFourColorOld, ftFourColorNew}) {
        EXPECT_EQ(Choose(options, type, 40), 1);
        EXPECT_EQ(options.FontType, type);
        EXPECT_EQ(options.MinWidth, fixed.MinWidth);
        EXPECT_EQ(options.SpaceWidth, fixed.SpaceWidth);
        EXPECT_EQ(options.Outline, fixed.Outline);
        EXPECT_EQ(options.CutLeftRight, fixed.CutLeftRight);
    }
}
