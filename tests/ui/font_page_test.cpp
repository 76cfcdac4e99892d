#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSpinBox>
#include <QStringList>
#include <QToolButton>

#include "controls_test_app.h"
#include "ui/FontFamilyCombo.h"
#include "ui/FontPage.h"

namespace {

class FontPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
};

TEST_F(FontPageTest, EachPageHasItsOwnControls)
{
    TFontPage primary(TFontPageKind::Primary);
    TFontPage secondary(TFontPageKind::Secondary);
    EXPECT_EQ(primary.objectName(), QStringLiteral("tsFont01"));
    EXPECT_EQ(secondary.objectName(), QStringLiteral("tsFont02"));
    EXPECT_EQ(primary.seFontSize->objectName(), QStringLiteral("seFontSize"));
    EXPECT_EQ(secondary.seOutline->objectName(), QStringLiteral("seOutline2"));
    EXPECT_EQ(secondary.cmbFont->objectName(), QStringLiteral("cmbFont2"));
    EXPECT_EQ(primary.btnFont->toolTip(), QStringLiteral("Font dialog..."));

    ASSERT_NE(primary.btnImportOptions, nullptr);
    EXPECT_EQ(primary.btnImportOptions->toolTip(), QStringLiteral("Import options from filename..."));
    EXPECT_EQ(primary.cbFont02Try, nullptr);
    ASSERT_NE(secondary.cbFont02Try, nullptr);
    EXPECT_TRUE(secondary.cbFont02Try->isChecked());
    EXPECT_EQ(secondary.btnImportOptions, nullptr);
}

TEST_F(FontPageTest, ValuesStayInsideTheirRanges)
{
    TFontPage page(TFontPageKind::Primary);
    page.seOutline->setValue(-3);
    EXPECT_EQ(page.seOutline->value(), 0);
    page.seOutline->setValue(250);
    EXPECT_EQ(page.seOutline->value(), 100);
    page.seFontSize->setValue(0);
    EXPECT_EQ(page.seFontSize->value(), 1);
    page.seFontSize->setValue(101);
    EXPECT_EQ(page.seFontSize->value(), 100);
}

TEST_F(FontPageTest, HandlersReportTheNewValues)
{
    TFontPage page(TFontPageKind::Secondary);
    QStringList reported;
    QObject::connect(&page, &TFontPage::seOutlineChange, [&](int v) { reported << QStringLiteral("outline %1").arg(v); });
    QObject::connect(&page, &TFontPage::seFontSizeChange, [&](int v) { reported << QStringLiteral("size %1").arg(v); });
    QObject::connect(&page, &TFontPage::cbBoldClick, [&](bool on) { reported << QStringLiteral("bold %1").arg(on); });
    QObject::connect(&page, &TFontPage::cbFont02TryClick, [&](bool on) { reported << QStringLiteral("try %1").arg(on); });
    QObject::connect(&page, &TFontPage::btnFontClick, [&] { reported << QStringLiteral("dialog"); });
    page.seOutline->setValue(2);
    page.seFontSize->setValue(20);
    page.cbBold->click();
    page.cbFont02Try->click();
    page.btnFont->click();
    EXPECT_EQ(reported, QStringList({"outline 2", "size 20", "bold 1", "try 0", "dialog"}));
}

TEST_F(FontPageTest, WriteThenReadKeepsTheOtherPagesFieldsAndTheDialogOnlyStyles)
{
    TGenerationOptions options;
    options.FontName = "DejaVu Sans";
    options.FontSize = 11;
    options.FontStyle = fsBold | fsUnderline;
    options.Outline = 2;
    options.Font2Name = "Unifont";
    options.Font2Size = 12;
    options.Font2Style = fsItalic | fsStrikeOut;
    options.Outline2 = 1;
    options.TryFont2 = false;
    options.RenderMode = TRenderMode::Light;
    options.Ink = 70;
    options.RenderMode2 = TRenderMode::Mono;
    options.Ink2 = 200;
    TFontPage primary(TFontPageKind::Primary);
    TFontPage secondary(TFontPageKind::Secondary);
    primary.WriteOptions(options);
    secondary.WriteOptions(options);

    TGenerationOptions read;
    read.FontStyle = fsUnderline; // as the font dialog left them
    read.Font2Style = fsStrikeOut;
    primary.ReadOptions(read);
    EXPECT_EQ(read.Font2Name, TGenerationOptions().Font2Name); // untouched by the primary page
    EXPECT_TRUE(read.Rendering2().IsDefault());
    EXPECT_TRUE(read.TryFont2);
    secondary.ReadOptions(read);
    EXPECT_EQ(read.FontName, options.FontName);
    EXPECT_EQ(read.FontSize, options.FontSize);
    EXPECT_EQ(read.FontStyle, options.FontStyle);
    EXPECT_EQ(read.Outline, options.Outline);
    EXPECT_EQ(read.Font2Name, options.Font2Name);
    EXPECT_EQ(read.Font2Size, options.Font2Size);
    EXPECT_EQ(read.Font2Style, options.Font2Style);
    EXPECT_EQ(read.Outline2, options.Outline2);
    EXPECT_EQ(read.Rendering(), options.Rendering());
    EXPECT_EQ(read.Rendering2(), options.Rendering2());
    EXPECT_FALSE(secondary.seInk->isEnabled()); // kept, but a crisp rendering has no threshold
    EXPECT_FALSE(read.TryFont2);
}

} // namespace
