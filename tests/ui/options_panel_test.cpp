#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSpinBox>
#include <utility>
#include <vector>

#include "controls_test_app.h"
#include "ui/GenerationOptionsPanel.h"

namespace {

class OptionsPanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    TGenerationOptions Read() const
    {
        TGenerationOptions options;
        Panel.ReadOptions(options);
        return options;
    }

    void SetUp() override
    {
        QObject::connect(&Panel, &TGenerationOptionsPanel::OptionChanged,
                         [this](TPanelOption option) { Changes.push_back(option); });
    }

    TGenerationOptionsPanel Panel;
    std::vector<TPanelOption> Changes; // in order
};

TEST_F(OptionsPanelTest, StartsWithTheDefaultsAndTheirEnableStates)
{
    const TGenerationOptions defaults;
    const TGenerationOptions read = Read();
    EXPECT_EQ(read.CutLeftRight, defaults.CutLeftRight);
    EXPECT_EQ(read.MinWidth, defaults.MinWidth);
    EXPECT_EQ(read.SpaceWidth, defaults.SpaceWidth);
    EXPECT_EQ(read.MinHeight, defaults.MinHeight);
    EXPECT_EQ(read.RightMarginOn, defaults.RightMarginOn);
    EXPECT_EQ(read.TopCutOn, defaults.TopCutOn);
    EXPECT_EQ(read.WidthDiv, defaults.WidthDiv);
    EXPECT_EQ(Panel.title(), QStringLiteral("Font Character Generation Options"));
    EXPECT_EQ(Panel.objectName(), QStringLiteral("gbFontOptions"));
    EXPECT_TRUE(Panel.seMinWidth->isEnabled());
    EXPECT_TRUE(Panel.cbMinusSameWidth->isEnabled());
    EXPECT_TRUE(Panel.seRightMargin->isEnabled());
    EXPECT_FALSE(Panel.seTopCut->isEnabled());
    EXPECT_FALSE(Panel.seBottomCut->isEnabled());
    EXPECT_FALSE(Panel.seWidthDiv->isEnabled());
    // Kept for the block only.
    EXPECT_TRUE(Panel.cbBackColor2->isHidden());
    EXPECT_FALSE(Panel.cbBackColor2->isEnabled());
}

TEST_F(OptionsPanelTest, EachBoxEnablesItsValueAndReportsItsHandler)
{
    struct TRule {
        QCheckBox* Box;
        QWidget* Target;
        TPanelOption Option;
    };
    const TRule rules[] = {
        {Panel.cbExtraNarrow, Panel.seMinWidth, TPanelOption::CutLeftRight},
        {Panel.cbSameWidthNumbers, Panel.cbMinusSameWidth, TPanelOption::SameWidthNumbers},
        {Panel.cbRightMargin, Panel.seRightMargin, TPanelOption::RightMarginOn},
        {Panel.cbTopCut, Panel.seTopCut, TPanelOption::TopCutOn},
        {Panel.cbBottomCut, Panel.seBottomCut, TPanelOption::BottomCutOn},
        {Panel.cbWidth4, Panel.seWidthDiv, TPanelOption::WidthDivOn},
    };
    for (const TRule& rule : rules) {
        for (int click = 0; click < 2; ++click) {
            Changes.clear();
            rule.Box->click();
            EXPECT_EQ(rule.Target->isEnabled(), rule.Box->isChecked()) << static_cast<int>(rule.Option);
            ASSERT_EQ(Changes.size(), 1u);
            EXPECT_EQ(Changes.front(), rule.Option);
        }
    }
}

TEST_F(OptionsPanelTest, ValueBoxesAndPlainBoxesReportTheirHandlers)
{
    auto last = [this] { return Changes.back(); };
    const std::pair<QSpinBox*, TPanelOption> spins[] = {{Panel.seMinWidth, TPanelOption::MinWidth},
                                                        {Panel.seSpaceWidth, TPanelOption::SpaceWidth},
                                                        {Panel.seMinHeight, TPanelOption::MinHeight},
                                                        {Panel.seWidthDiv, TPanelOption::WidthDiv}};
    for (const auto& [spin, option] : spins) {
        spin->setValue(spin->value() + 1);
        EXPECT_EQ(last(), option);
    }
    Panel.cbMinusSameWidth->click();
    EXPECT_EQ(last(), TPanelOption::MinusSameWidth);
    Panel.cbDispInvalidUnicodeChars->click();
    EXPECT_EQ(last(), TPanelOption::DisplayInvalidChars);
}

TEST_F(OptionsPanelTest, WritingClampsIntoTheRanges)
{
    TGenerationOptions options;
    options.MinWidth = -1;
    options.SpaceWidth = 500;
    options.WidthDiv = -1;
    options.TopCut = 101;
    Panel.WriteOptions(options);
    const TGenerationOptions read = Read();
    EXPECT_EQ(read.MinWidth, PixelRange.Min);
    EXPECT_EQ(read.SpaceWidth, PixelRange.Max);
    EXPECT_EQ(read.WidthDiv, WidthDivRange.Min);
    EXPECT_EQ(read.TopCut, PixelRange.Max);
}

TEST_F(OptionsPanelTest, WriteThenReadGivesTheRecordBackWithTheEnableRulesApplied)
{
    TGenerationOptions options;
    options.CutLeftRight = false;
    options.MinWidth = 7;
    options.SpaceWidth = 5;
    options.SameWidthNumbers = false;
    options.MinusSameWidth = true; // ticked, but its box goes disabled
    options.RightMarginOn = false;
    options.RightMargin = 9;
    options.TopCutOn = true;
    options.TopCut = 3;
    options.BottomCutOn = true;
    options.BottomCut = 4;
    options.MinHeight = 20;
    options.WidthDivOn = true;
    options.WidthDiv = 8;
    options.DisplayInvalidChars = true;
    options.BackColor2 = true;
    Panel.WriteOptions(options);
    EXPECT_FALSE(Changes.empty());

    const TGenerationOptions read = Read();
    EXPECT_EQ(read.CutLeftRight, options.CutLeftRight);
    EXPECT_EQ(read.MinWidth, options.MinWidth);
    EXPECT_EQ(read.SpaceWidth, options.SpaceWidth);
    EXPECT_EQ(read.SameWidthNumbers, options.SameWidthNumbers);
    EXPECT_EQ(read.MinusSameWidth, options.MinusSameWidth);
    EXPECT_FALSE(read.EffectiveMinusSameWidth());
    EXPECT_EQ(read.RightMarginOn, options.RightMarginOn);
    EXPECT_EQ(read.RightMargin, options.RightMargin);
    EXPECT_EQ(read.TopCutOn, options.TopCutOn);
    EXPECT_EQ(read.TopCut, options.TopCut);
    EXPECT_EQ(read.BottomCutOn, options.BottomCutOn);
    EXPECT_EQ(read.BottomCut, options.BottomCut);
    EXPECT_EQ(read.MinHeight, options.MinHeight);
    EXPECT_EQ(read.WidthDivOn, options.WidthDivOn);
    EXPECT_EQ(read.WidthDiv, options.WidthDiv);
    EXPECT_EQ(read.DisplayInvalidChars, options.DisplayInvalidChars);
    EXPECT_EQ(read.BackColor2, options.BackColor2);

    EXPECT_FALSE(Panel.seMinWidth->isEnabled());
    EXPECT_FALSE(Panel.cbMinusSameWidth->isEnabled());
    EXPECT_FALSE(Panel.seRightMargin->isEnabled());
    EXPECT_TRUE(Panel.seTopCut->isEnabled());
    EXPECT_TRUE(Panel.seBottomCut->isEnabled());
    EXPECT_TRUE(Panel.seWidthDiv->isEnabled());
}

TEST_F(OptionsPanelTest, WidthStepsApplyToMinAndSpaceWidthOnly)
{
    Panel.SetWidthSteps(4);
    EXPECT_EQ(Panel.seMinWidth->singleStep(), 4);
    EXPECT_EQ(Panel.seSpaceWidth->singleStep(), 4);
    EXPECT_EQ(Panel.seMinHeight->singleStep(), 1);
    Panel.seSpaceWidth->stepBy(1);
    EXPECT_EQ(Panel.seSpaceWidth->value(), 12);
    Panel.SetWidthSteps(1);
    EXPECT_EQ(Panel.seMinWidth->singleStep(), 1);
}

} // namespace
