// What a new user met in the window on a second walk through the guide.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>

#include "UiTestSupport.h"
#include "font/MtkFont.h"
#include "generate/Generator.h"
#include "ui/GlyphEditor.h"
#include "ui/PreviewArea.h"
#include "ui/QtDialogSeam.h"

namespace {

void Answer(TWindowFixture& f, const char* button, const QString& fileName = {})
{
    f.Dialogs->Answers.push_back(fileName);
    f.Find<QAbstractButton>(button)->click();
}

void Pick(TWindowFixture& f, const char* box, int index)
{
    f.Find<QComboBox>(box)->setCurrentIndex(index);
    emit f.Find<QComboBox>(box)->activated(index);
    QApplication::processEvents();
}

int Value(TWindowFixture& f, const char* spin)
{
    return f.Find<QSpinBox>(spin)->value();
}

} // namespace

TEST(WindowWalk, AFixedWidthFontKeepsAColumnSoItStaysReadable)
{
    TMtkFont draft;
    draft.AddGlyph(TGlyphBitmap(2, 4, TPaletteKind::TwoColor, 1), 0);
    draft.FHeight = 4;
    draft.FBitsPerPixel = 1;
    TGlyphEditor editor(nullptr, draft, 0, {});
    for (int k = 0; k < 2; ++k)
        editor.findChild<QAbstractButton*>(QStringLiteral("btnRemoveLeftColumn"))->click();
    EXPECT_TRUE(editor.Refusal().contains(QStringLiteral("fixed-width"))) << editor.Refusal().toStdString();
    EXPECT_EQ(draft.GetGlyph(0)->Width(), 1);
}

TEST(WindowWalk, TheFontDialogConfirmedUntouchedChangesNothing)
{
    TQtDialogSeam dialogs;
    const TFontChoice missing{QStringLiteral("No Such Family 1234"), 14, fsBold};
    AnswerNextDialog([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "accept"); });
    const std::optional<TFontChoice> chosen = dialogs.ChooseFont(nullptr, missing);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->Family, missing.Family);
    EXPECT_EQ(chosen->Style, missing.Style);
}

TEST(WindowWalk, LeavingTheFixedWidthTypeGivesBackWhatItTookAndSavesTheTypePicked)
{
    TWindowFixture f;
    Pick(f, "cmbFonType", ftTwoColorFixed);
    Pick(f, "cmbFonType", ftFourColorOld);
    EXPECT_EQ(Value(f, "seMinWidth"), 2);
    Pick(f, "cmbFonType", ftTwoColorFixed);
    const int changed = Value(f, "seMinWidth") + 4;
    f.Find<QSpinBox>("seMinWidth")->setValue(changed);
    // No width changes now: the colour depth alone makes the glyphs new.
    Pick(f, "cmbFonType", ftFourColorNew);
    EXPECT_EQ(Value(f, "seMinWidth"), changed);
    f.Dialogs->FontSaveAnswers.push_back({f.Path(QStringLiteral("new.mtf")), false});
    f.Find<QAbstractButton>("btnSaveFon")->click();
    QFile saved(f.Path(QStringLiteral("new.mtf")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray header = saved.read(10);
    EXPECT_TRUE(header[3] == 1 && header[6] == 2 && header[9] == 0); // compressed, 4 colours, variable width
}

TEST(WindowWalk, TheFixedWidthAdviceIsEnoughForTheNextTry)
{
    TWindowFixture f;
    Pick(f, "cmbFonType", ftTwoColorFixed);
    // Glyphs up to 28 pixels wide, some of which a "Min width:" of 28 centres into 29 columns.
    f.Find<QSpinBox>("seFontSize")->setValue(21);
    QApplication::processEvents();
    ASSERT_EQ(f.Dialogs->Messages.size(), 1u);
    const QString advised = QRegularExpression(QStringLiteral("(\\d+)\\.$")).match(f.Dialogs->Messages[0]).captured(1);
    Pick(f, "cmbFonType", ftTwoColorFixed);
    EXPECT_EQ(Value(f, "seMinWidth"), advised.toInt());
    EXPECT_EQ(f.Dialogs->Messages.size(), 1u);
}

TEST(WindowWalk, AnOpenedFontIsDescribedAndShownFromTheTop)
{
    TWindowFixture f;
    Answer(f, "btnSaveMTF", f.Path(QStringLiteral("ascii.mtf")));
    const QString saved = QString::fromStdString(StatusText(f.Window->Document().Stats()));
    f.Find<QSpinBox>("seFontSize")->setValue(30);
    f.Find<TPreviewArea>("PreviewArea")->SetZoom(8);
    QScrollBar* bar = f.Find<TPreviewArea>("PreviewArea")->VerticalScrollBar();
    bar->setValue(bar->maximum());
    Answer(f, "btnOpenMTF", f.Path(QStringLiteral("ascii.mtf")));
    EXPECT_EQ(f.Window->StatusPanelText(0), saved);
    EXPECT_EQ(bar->value(), 0);
}

TEST(WindowWalk, AnEmptyWindowSaysWhereTheTableWasLookedForAndSavesNothing)
{
    TWindowFixture f(false);
    EXPECT_TRUE(f.Find<TPreviewArea>("PreviewArea")->Placeholder().contains(f.Path(QStringLiteral("glyphforgetool.ini"))));
    for (const char* button : {"btnSaveFon", "btnSaveMTF", "btnSaveBMP", "btnSaveTXT", "btnExportSeparateBMP"})
        Answer(f, button, f.Path(QStringLiteral("empty")));
    ASSERT_EQ(f.Dialogs->Messages.size(), 5u);
    EXPECT_TRUE(f.Dialogs->Messages[0].contains(QStringLiteral("load a conversion table")));
    EXPECT_TRUE(f.Dialogs->Messages[4].startsWith(QStringLiteral("Nothing to save")));
    EXPECT_TRUE(f.Dialogs->SaveRequests.empty() && f.Dialogs->FolderCaptions.empty());
}

TEST(WindowWalk, TablesAndNamesWithoutWhatTheyShouldHoldAreExplained)
{
    TWindowFixture f;
    QFile settings(f.Path(QStringLiteral("settings.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write("[General]\n") > 0);
    settings.close();
    Answer(f, "btnOpenTable", settings.fileName());
    Answer(f, "btnImportOptions", settings.fileName());
    ASSERT_EQ(f.Dialogs->Messages.size(), 2u);
    EXPECT_TRUE(f.Dialogs->Messages[0].endsWith(QStringLiteral("which is no preset: a table file holds only numbered "
                                                               "sections such as [1]. The presets in use are kept.")));
    EXPECT_EQ(f.Find<QComboBox>("cmbPresets")->count(), 2);
    EXPECT_TRUE(f.Dialogs->Messages[1].startsWith(QStringLiteral("\"settings.ini\" holds no options")));
}

TEST(WindowWalk, TheReadOutIsClearedWhenThePointerLeavesThePreview)
{
    TWindowFixture f;
    auto* area = f.Find<TPreviewArea>("PreviewArea");
    const TGlyphRect glyph = f.Window->GlyphRects().GlyphRects()[65];
    const QPointF at(glyph.Left + 2 - area->x(), glyph.Top + 2 - area->y());
    QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    ASSERT_FALSE(f.Window->StatusPanelText(1).isEmpty());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(area, &leave);
    EXPECT_EQ(f.Window->StatusPanelText(1), QString());
}

TEST(WindowWalk, NothingIsCutOff)
{
    TWindowFixture f;
    EXPECT_GE(f.Find<QWidget>("Splitter")->height(), 6);
    EXPECT_LT(f.Find<QWidget>("cbDispInvalidUnicodeChars")->geometry().bottom(),
              f.Find<QWidget>("gbFontOptions")->contentsRect().bottom());
    auto* pane = f.Find<QScrollArea>("TopPane");
    pane->resize(pane->width(), 60);
    QApplication::processEvents();
    EXPECT_GT(pane->verticalScrollBar()->maximum(), 0);

    f.Find<QTabWidget>("pcMain")->setCurrentIndex(1);
    f.Find<TPreviewArea>("PreviewArea")->SetZoom(4);
    f.Find<QLineEdit>("edSampleText")->setText(QString(60, QLatin1Char('W')));
    EXPECT_GT(f.Find<QLabel>("imgSampleText")->pixmap().height(), f.Find<QWidget>("SampleArea")->height());
}

TEST(WindowWalk, ExportsConfirmWhatTheyWrote)
{
    TWindowFixture f;
    Answer(f, "btnExportSeparateBMP", f.Folder.path());
    EXPECT_EQ(f.Find<QLabel>("NotePanel")->text(), QStringLiteral("Wrote 128 glyph BMPs to \"%1/\".").arg(f.Folder.path()));
}
