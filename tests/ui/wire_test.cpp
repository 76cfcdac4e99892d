#include <algorithm>
#include <tuple>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "UiTestSupport.h"
#include "generate/FontInfo.h"
#include "generate/FontTypeChoice.h"
#include "generate/PreviewLayout.h"
#include "font/FileFormats.h"

namespace {

void PickFontType(TWindowFixture& f, int index)
{
    auto* type = f.Find<QComboBox>("cmbFonType");
    type->setCurrentIndex(index);
    emit type->activated(index);
}

void Click(TWindowFixture& f, const char* button)
{
    f.Find<QToolButton>(button)->click();
}

QSpinBox* Spin(TWindowFixture& f, const char* name)
{
    return f.Find<QSpinBox>(name);
}

// Saves through the font save dialog and returns the name it proposed.
QString SaveFont(TWindowFixture& f, const QString& fileName, bool saveOptions)
{
    f.Dialogs->FontSaveAnswers.push_back(TFontSaveChoice{fileName, saveOptions});
    Click(f, "btnSaveFon");
    return f.Dialogs->FontSaveRequests.back().first.FileName;
}

void Import(TWindowFixture& f, const QString& fileName)
{
    f.Dialogs->Answers.push_back(fileName);
    Click(f, "btnImportOptions");
}

void PickRendering(TWindowFixture& f, const char* list, TRenderMode mode)
{
    f.Find<QComboBox>(list)->setCurrentIndex(static_cast<int>(mode));
}

std::vector<TGlyphBitmap> Glyphs(const TWindowFixture& f)
{
    std::vector<TGlyphBitmap> glyphs;
    for (int k = 0; k < f.Window->MtkFont().GlyphCount(); ++k)
        glyphs.push_back(*f.Window->MtkFont().GetGlyph(k));
    return glyphs;
}

int InkPixels(const std::vector<TGlyphBitmap>& glyphs)
{
    int ink = 0;
    for (const TGlyphBitmap& glyph : glyphs)
        ink += static_cast<int>(std::count(glyph.Bits().begin(), glyph.Bits().end(), 3));
    return ink;
}

} // namespace

TEST(WireFontType, FixedWidthFitsTheWidestGlyphAndVariableWidthGivesTheWidthsBack)
{
    TWindowFixture f;
    // A widest glyph that is no multiple of 4, so the rounding shows.
    for (int size = 16; size < 40 && f.Window->MaxGlyphWidth() % 4 == 0; ++size)
        Spin(f, "seFontSize")->setValue(size);
    ASSERT_NE(f.Window->MaxGlyphWidth() % 4, 0);
    Spin(f, "seSpaceWidth")->setValue(9);
    const int widest = f.Window->MaxGlyphWidth();

    PickFontType(f, ftTwoColorFixed);
    EXPECT_EQ(f.Find<QComboBox>("cmbFonType")->currentIndex(), ftTwoColorFixed);
    EXPECT_EQ(Spin(f, "seMinWidth")->value(), RoundUpToMultipleOf4(widest));
    EXPECT_EQ(Spin(f, "seSpaceWidth")->value(), 12);
    EXPECT_EQ(Spin(f, "seMinWidth")->singleStep(), 4);
    EXPECT_EQ(Spin(f, "seSpaceWidth")->singleStep(), 4);
    EXPECT_TRUE(f.Find<QCheckBox>("cbExtraNarrow")->isChecked());

    // Leaving it gives the widths back, and the glyphs are drawn in four colours again.
    const int generations = f.Window->GenerationCount();
    PickFontType(f, ftFourColorOld);
    EXPECT_GT(f.Window->GenerationCount(), generations);
    EXPECT_EQ(Spin(f, "seMinWidth")->singleStep(), 1);
    EXPECT_EQ(Spin(f, "seSpaceWidth")->singleStep(), 1);
    EXPECT_EQ(Spin(f, "seMinWidth")->value(), 2);
    EXPECT_EQ(Spin(f, "seSpaceWidth")->value(), 9);
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(WireFontType, OutlineOrNoColumnCutLeavesTheFixedWidthType)
{
    TWindowFixture f;
    auto* type = f.Find<QComboBox>("cmbFonType");
    PickFontType(f, ftTwoColorFixed);
    const int generations = f.Window->GenerationCount();
    Spin(f, "seOutline2")->setValue(1);
    EXPECT_EQ(type->currentIndex(), ftFourColorOld);
    EXPECT_EQ(Spin(f, "seMinWidth")->singleStep(), 4); // the steps stay
    EXPECT_EQ(f.Window->GenerationCount(), generations + 1);

    Spin(f, "seOutline2")->setValue(0);
    PickFontType(f, ftTwoColorFixed);
    f.Find<QCheckBox>("cbExtraNarrow")->setChecked(false);
    EXPECT_EQ(type->currentIndex(), ftFourColorOld);
    EXPECT_EQ(Spin(f, "seMinWidth")->singleStep(), 1);
    EXPECT_EQ(Spin(f, "seSpaceWidth")->singleStep(), 1);
}

TEST(WireSave, TheProposedNameFollowsTheOptionsAndIsSharedWithTheToolsPage)
{
    TWindowFixture f;
    const QString proposed = SaveFont(f, QString(), false);
    const auto& [spec, saveOptions] = f.Dialogs->FontSaveRequests.back();
    EXPECT_EQ(spec.Title, QStringLiteral("Save As Mediatek Font..."));
    EXPECT_EQ(spec.Filter.toStdString(), FontFormat(TFontFormatId::Mediatek).SaveFilter);
    EXPECT_EQ(spec.DefaultExt, QStringLiteral("mtf"));
    EXPECT_FALSE(saveOptions);
    EXPECT_TRUE(proposed.contains(QStringLiteral("[SameWidthNums] [SameWidthMinus]"))) << proposed.toStdString();
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("[4Color VarW].mtf"))) << proposed.toStdString();

    // The box keeps its tick, but a disabled box counts as off.
    f.Find<QCheckBox>("cbSameWidthNumbers")->setChecked(false);
    EXPECT_FALSE(f.Find<QCheckBox>("cbMinusSameWidth")->isEnabled());
    const QString withoutNumbers = SaveFont(f, QString(), false);
    EXPECT_FALSE(withoutNumbers.contains(QStringLiteral("SameWidth"))) << withoutNumbers.toStdString();

    Click(f, "btnSaveMTF");
    ASSERT_FALSE(f.Dialogs->SaveRequests.empty());
    EXPECT_EQ(f.Dialogs->SaveRequests.back().FileName, withoutNumbers);
}

TEST(WireSave, TheBlockIsWrittenOnlyWhenAskedAndFailuresAreShown)
{
    TWindowFixture f;
    const QString plain = f.Path(QStringLiteral("plain.mtf"));
    const QString withBlock = f.Path(QStringLiteral("block.mtf"));
    SaveFont(f, plain, false);
    SaveFont(f, withBlock, true);
    ASSERT_TRUE(QFile::exists(plain));
    EXPECT_FALSE(ReadFontInfo(plain.toStdString()).Found);
    const TFontInfoBlock info = ReadFontInfo(withBlock.toStdString());
    ASSERT_TRUE(info.Found);
    EXPECT_EQ(info.FontName, f.Window->ReadOptions().FontName);
    EXPECT_TRUE(f.Dialogs->Messages.empty());

    SaveFont(f, f.Path(QStringLiteral("missing/folder.mtf")), false);
    EXPECT_EQ(f.Dialogs->Messages.size(), 1u);
}

TEST(WireSave, WithoutGlyphsNoDialogOpens)
{
    TWindowFixture f(false);
    Click(f, "btnSaveFon");
    EXPECT_TRUE(f.Dialogs->FontSaveRequests.empty());
}

TEST(WireRendering, EachChangeRegeneratesOnceAndGoingBackGivesTheSameGlyphs)
{
    TWindowFixture f;
    const std::vector<TGlyphBitmap> smooth = Glyphs(f);
    int generations = f.Window->GenerationCount();
    PickRendering(f, "cmbRendering", TRenderMode::Mono);
    EXPECT_EQ(f.Window->GenerationCount(), ++generations);
    EXPECT_NE(Glyphs(f), smooth);
    EXPECT_FALSE(Spin(f, "seInk")->isEnabled());
    EXPECT_TRUE(Spin(f, "seInk2")->isEnabled());

    PickRendering(f, "cmbRendering", TRenderMode::Light);
    EXPECT_TRUE(Spin(f, "seInk")->isEnabled());
    PickRendering(f, "cmbRendering", TRenderMode::Smooth);
    EXPECT_EQ(Glyphs(f), smooth);
    Spin(f, "seInk")->setValue(40);
    EXPECT_EQ(f.Window->GenerationCount(), generations + 3);
    EXPECT_GT(InkPixels(Glyphs(f)), InkPixels(smooth));
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(WireImport, ABlockRestoresTheOptionsWithOneGeneration)
{
    TWindowFixture f;
    Spin(f, "seSpaceWidth")->setValue(11);
    Spin(f, "seOutline2")->setValue(2);
    PickRendering(f, "cmbRendering2", TRenderMode::MonoAuto);
    Spin(f, "seInk")->setValue(90);
    const QString renamed = f.Path(QStringLiteral("renamed.mtf"));
    SaveFont(f, renamed, true);

    Spin(f, "seSpaceWidth")->setValue(5);
    Spin(f, "seOutline2")->setValue(0);
    PickRendering(f, "cmbRendering2", TRenderMode::Smooth);
    Spin(f, "seInk")->setValue(128);
    PickFontType(f, ftTwoColorFixed);
    const int generations = f.Window->GenerationCount();
    Import(f, renamed);
    EXPECT_EQ(f.Dialogs->OpenRequests.back().Title, QStringLiteral("Select GlyphForgeTool created mediatek font..."));
    EXPECT_EQ(f.Dialogs->OpenRequests.back().Filter.toStdString(), FontFormat(TFontFormatId::Mediatek).OpenFilter);
    EXPECT_EQ(Spin(f, "seSpaceWidth")->value(), 11);
    EXPECT_EQ(Spin(f, "seOutline2")->value(), 2);
    EXPECT_EQ(f.Find<QComboBox>("cmbRendering2")->currentIndex(), static_cast<int>(TRenderMode::MonoAuto));
    EXPECT_EQ(Spin(f, "seInk")->value(), 90);
    EXPECT_EQ(f.Find<QComboBox>("cmbFonType")->currentIndex(), ftFourColorOld);
    EXPECT_EQ(Spin(f, "seMinWidth")->singleStep(), 4); // the steps stay
    EXPECT_EQ(f.Window->GenerationCount(), generations + 1);
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(WireImport, AFileNameRestoresItsOptionsAndAFailureStillRegeneratesOnce)
{
    TWindowFixture f;
    Spin(f, "seSpaceWidth")->setValue(13);
    f.Find<QCheckBox>("cbItalic")->setChecked(true);
    PickRendering(f, "cmbRendering", TRenderMode::Light);
    const QString named = f.Path(SaveFont(f, QString(), false));
    EXPECT_TRUE(named.contains(QStringLiteral("[Render Light]"))) << named.toStdString();
    SaveFont(f, named, false);

    Spin(f, "seSpaceWidth")->setValue(4);
    f.Find<QCheckBox>("cbItalic")->setChecked(false);
    PickRendering(f, "cmbRendering", TRenderMode::Mono);
    int generations = f.Window->GenerationCount();
    Import(f, named);
    EXPECT_EQ(Spin(f, "seSpaceWidth")->value(), 13);
    EXPECT_TRUE(f.Find<QCheckBox>("cbItalic")->isChecked());
    EXPECT_EQ(f.Find<QComboBox>("cmbRendering")->currentIndex(), static_cast<int>(TRenderMode::Light));
    EXPECT_EQ(f.Window->GenerationCount(), generations + 1);

    // Digits too long for an integer: the message is shown, the values stay.
    const QString overflow = f.Path(QStringLiteral("X 12 [16 pix] [Spc 99999999999].mtf"));
    SaveFont(f, overflow, false);
    generations = f.Window->GenerationCount();
    Import(f, overflow);
    ASSERT_EQ(f.Dialogs->Messages.size(), 1u);
    EXPECT_TRUE(f.Dialogs->Messages.back().contains(QStringLiteral("99999999999")));
    EXPECT_EQ(Spin(f, "seSpaceWidth")->value(), 13);
    EXPECT_EQ(f.Window->GenerationCount(), generations + 1); // the size 12 of the head applies
}

TEST(WireFontDialog, CancelRequestsNothingAndAChoiceRegeneratesOnce)
{
    TWindowFixture f;
    const int generations = f.Window->GenerationCount();
    Click(f, "btnFont");
    ASSERT_EQ(f.Dialogs->FontRequests.size(), 1u);
    EXPECT_EQ(f.Dialogs->FontRequests.back().SizePoints, 16);
    EXPECT_EQ(f.Window->GenerationCount(), generations);

    const TFontChoice current = f.Dialogs->FontRequests.back();
    f.Dialogs->FontAnswers.push_back(TFontChoice{current.Family, 20, fsBold});
    Click(f, "btnFont");
    EXPECT_EQ(Spin(f, "seFontSize")->value(), 20);
    EXPECT_TRUE(f.Find<QCheckBox>("cbBold")->isChecked());
    EXPECT_EQ(f.Window->GenerationCount(), generations + 1);

    f.Dialogs->FontAnswers.push_back(TFontChoice{current.Family, 9, fsItalic});
    Click(f, "btnFont2");
    EXPECT_EQ(Spin(f, "seFontSize2")->value(), 9);
    EXPECT_TRUE(f.Find<QCheckBox>("cbItalic2")->isChecked());
    EXPECT_EQ(f.Window->GenerationCount(), generations + 2);
}

TEST(WireScripts, ShiftBaselineAndShapingRegenerateAndClippedGlyphsAreNamedAndFramed)
{
    TWindowFixture f;
    int generations = f.Window->GenerationCount();
    Spin(f, "seShift2")->setValue(-2);
    f.Find<QComboBox>("cmbBaseline2")->setCurrentIndex(1);
    f.Find<QCheckBox>("cbShapeArabic")->setChecked(true);
    EXPECT_EQ(f.Window->GenerationCount(), generations + 3);
    const TGenerationOptions& options = f.Window->ReadOptions();
    EXPECT_EQ(std::tuple(options.Shift2, options.Align2, options.ShapeArabic),
              std::tuple(-2, TSecondaryBaseline::Primary, true));

    // A top cut into the accents clips glyphs: counted beside the statistics, framed apart.
    auto* clipped = f.Find<QLabel>("ClippedPanel");
    EXPECT_FALSE(clipped->isVisibleTo(f.Window.get()));
    f.Find<QCheckBox>("cbTopCut")->setChecked(true);
    Spin(f, "seTopCut")->setValue(8);
    const std::vector<TClippedGlyph>& named = f.Window->Document().Stats().FClipped;
    ASSERT_FALSE(named.empty());
    EXPECT_EQ(clipped->text(), QStringLiteral("%1 glyphs clipped").arg(named.size()));
    EXPECT_TRUE(clipped->toolTip().contains(QChar(named[0].Unicode))) << clipped->toolTip().toStdString();
    const TGlyphRect frame = f.Window->GlyphRects().GlyphRects()[static_cast<size_t>(named[0].Code)];
    EXPECT_EQ(f.Window->PreviewBitmap().pixelIndex(frame.Left, frame.Top - f.Window->PreviewTop()), MarkedFrameIndex);
}
