// What a new user met in the window on a second walk through the guide.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QRegularExpression>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "font/MtkFont.h"
#include "generate/FontTypeChoice.h"
#include "generate/Generator.h"
#include "ui/GlyphEditor.h"
#include "ui/PreviewArea.h"
#include "ui/QtDialogSeam.h"
#include "ui/SampleText.h"

namespace {

void Click(QWidget& parent, const char* name)
{
    parent.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

void PickType(TWindowFixture& f, int type)
{
    auto* box = f.Find<QComboBox>("cmbFonType");
    box->setCurrentIndex(type);
    emit box->activated(type);
    QApplication::processEvents();
}

QSpinBox* Spin(TWindowFixture& f, const char* name)
{
    return f.Find<QSpinBox>(name);
}

void Answer(TWindowFixture& f, const char* button, const QString& fileName)
{
    f.Dialogs->Answers.push_back(fileName);
    f.Find<QAbstractButton>(button)->click();
}

void PickPreset(TWindowFixture& f, int index)
{
    auto* box = f.Find<QComboBox>("cmbPresets");
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void WriteFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TPreviewArea* Preview(TWindowFixture& f)
{
    return f.Find<TPreviewArea>("PreviewArea");
}

} // namespace

TEST(WindowWalk, AFixedWidthFontKeepsAColumnSoItStaysReadable)
{
    TMtkFont draft;
    for (int k = 0; k < 3; ++k)
        draft.AddGlyph(TGlyphBitmap(2, 4, TPaletteKind::TwoColor, 1), 0);
    draft.FHeight = 4;
    draft.FBitsPerPixel = 1;
    TGlyphEditor editor(nullptr, draft, 2, {});
    Click(editor, "btnRemoveLeftColumn");
    EXPECT_TRUE(editor.Refusal().isEmpty());
    Click(editor, "btnRemoveLeftColumn");
    EXPECT_TRUE(editor.Refusal().contains(QStringLiteral("fixed-width"))) << editor.Refusal().toStdString();
    EXPECT_EQ(draft.GetGlyph(0)->Width(), 1);

    std::vector<uint8_t> file;
    draft.SaveToStream(file, false, "", {});
    TMtkFont read;
    EXPECT_TRUE(read.LoadFromStream(file));
    EXPECT_EQ(read.GetGlyph(2)->Width(), 1);
}

TEST(WindowWalk, TheFontDialogConfirmedUntouchedChangesNothing)
{
    TQtDialogSeam dialogs;
    // Not installed; and a face that Qt's dialog files under the family "DejaVu Sans".
    for (const TFontChoice& font : {TFontChoice{QStringLiteral("No Such Family 1234"), 14, fsBold},
                                    TFontChoice{QStringLiteral("DejaVu Sans Condensed"), 11, fsBold | fsItalic}}) {
        AnswerNextDialog([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "accept"); });
        const std::optional<TFontChoice> chosen = dialogs.ChooseFont(nullptr, font);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(chosen->Family, font.Family);
        EXPECT_EQ(chosen->SizePoints, font.SizePoints);
        EXPECT_EQ(chosen->Style, font.Style);
    }
}


TEST(WindowWalk, APickedTypeIsTheTypeSaved)
{
    TWindowFixture f;
    PickType(f, ftTwoColorFixed);
    ASSERT_EQ(f.Window->MtkFont().FBitsPerPixel, 1);
    PickType(f, ftFourColorNew);
    const QString file = f.Path(QStringLiteral("new.mtf"));
    f.Dialogs->FontSaveAnswers.push_back({file, false});
    f.Find<QAbstractButton>("btnSaveFon")->click();
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray header = saved.read(11);
    EXPECT_EQ(header[3], 1) << "compressed";
    EXPECT_EQ(header[6], 2) << "4 colours";
    EXPECT_EQ(header[9], 0) << "variable width";
}

TEST(WindowWalk, LeavingTheFixedWidthTypeGivesBackTheWidthsNotChangedSince)
{
    TWindowFixture f;
    Spin(f, "seSpaceWidth")->setValue(9);
    PickType(f, ftTwoColorFixed);
    const int fixedWidth = Spin(f, "seMinWidth")->value();
    ASSERT_GT(fixedWidth, 2);
    PickType(f, ftFourColorOld);
    EXPECT_EQ(Spin(f, "seMinWidth")->value(), 2);
    EXPECT_EQ(Spin(f, "seSpaceWidth")->value(), 9);
    EXPECT_LT(f.Window->MtkFont().GetGlyph('i')->Width(), fixedWidth) << "no longer padded";

    PickType(f, ftTwoColorFixed);
    Spin(f, "seMinWidth")->setValue(fixedWidth + 4);
    PickType(f, ftFourColorNew);
    EXPECT_EQ(Spin(f, "seMinWidth")->value(), fixedWidth + 4);
    EXPECT_EQ(Spin(f, "seSpaceWidth")->value(), 9);
}

TEST(WindowWalk, TheFixedWidthAdviceIsEnoughForTheNextTry)
{
    TWindowFixture f;
    PickType(f, ftTwoColorFixed);
    // Glyphs up to 28 pixels wide, some of which a "Min width:" of 28 centres into 29 columns.
    Spin(f, "seFontSize")->setValue(21);
    QApplication::processEvents();
    ASSERT_EQ(f.Dialogs->Messages.size(), 1u);
    const QRegularExpressionMatch advice =
        QRegularExpression(QStringLiteral("raises \"Min width:\" to (\\d+)\\.$")).match(f.Dialogs->Messages[0]);
    ASSERT_TRUE(advice.hasMatch()) << f.Dialogs->Messages[0].toStdString();
    PickType(f, ftTwoColorFixed);
    EXPECT_EQ(f.Find<QComboBox>("cmbFonType")->currentIndex(), ftTwoColorFixed);
    EXPECT_EQ(Spin(f, "seMinWidth")->value(), advice.captured(1).toInt());
    EXPECT_EQ(f.Dialogs->Messages.size(), 1u);
}

TEST(WindowWalk, TheStatisticsLineDescribesAnOpenedFont)
{
    TWindowFixture f;
    PickPreset(f, 1);
    const QString file = f.Path(QStringLiteral("three.mtf"));
    Answer(f, "btnSaveMTF", file);
    const TGenerationStats three = f.Window->Document().Stats();
    PickPreset(f, 0);
    ASSERT_NE(f.Window->StatusPanelText(0), QString::fromStdString(StatusText(three)));
    Answer(f, "btnOpenMTF", file);
    EXPECT_EQ(f.Window->StatusPanelText(0), QString::fromStdString(StatusText(three)));
}

TEST(WindowWalk, NothingIsSavedFromAnEmptyWindow)
{
    TWindowFixture f(false);
    const QString file = f.Path(QStringLiteral("empty"));
    for (const char* button : {"btnSaveMTF", "btnSaveBMP", "btnSaveTXT", "btnExportSeparateBMP"})
        Answer(f, button, file);
    ASSERT_EQ(f.Dialogs->Messages.size(), 4u);
    for (const QString& message : f.Dialogs->Messages)
        EXPECT_TRUE(message.startsWith(QStringLiteral("Nothing to save"))) << message.toStdString();
    EXPECT_TRUE(f.Dialogs->SaveRequests.empty());
    EXPECT_TRUE(f.Dialogs->FolderCaptions.empty());
}

TEST(WindowWalk, ATableWithoutNumberedSectionsKeepsThePresetsInUse)
{
    TWindowFixture f;
    const QString settings = f.Path(QStringLiteral("settings.ini"));
    WriteFile(settings, "[General]\nDescription=x\n");
    Answer(f, "btnOpenTable", settings);
    ASSERT_EQ(f.Dialogs->Messages.size(), 1u);
    EXPECT_TRUE(f.Dialogs->Messages[0].contains(QStringLiteral("[General], which is no preset")));
    EXPECT_TRUE(f.Dialogs->Messages[0].endsWith(QStringLiteral("The presets in use are kept.")));
    EXPECT_EQ(f.Find<QComboBox>("cmbPresets")->count(), 2);
    PickPreset(f, 1);
    EXPECT_EQ(f.Window->MtkFont().GlyphCount(), 3);
}

TEST(WindowWalk, ImportingOptionsFromANameThatHoldsNoneSaysSo)
{
    TWindowFixture f;
    const QString file = f.Path(QStringLiteral("u0.mtf"));
    Answer(f, "btnSaveMTF", file);
    const TGenerationOptions before = f.Window->ReadOptions();
    Answer(f, "btnImportOptions", file);
    ASSERT_EQ(f.Dialogs->Messages.size(), 1u);
    EXPECT_TRUE(f.Dialogs->Messages[0].startsWith(QStringLiteral("\"u0.mtf\" holds no options")));
    EXPECT_TRUE(f.Window->ReadOptions() == before);
}

TEST(WindowWalk, TheHeightLimitIsNamed)
{
    TWindowFixture f;
    PickPreset(f, 1);
    Spin(f, "seFontSize")->setValue(100);
    Spin(f, "seOutline")->setValue(60);
    EXPECT_TRUE(f.Find<QLabel>("SizeLimitPanel")->text().endsWith(QStringLiteral("holds at most 255 rows.")))
        << f.Find<QLabel>("SizeLimitPanel")->text().toStdString();
}

TEST(WindowWalk, TheReadOutIsClearedWhenThePointerLeavesThePreview)
{
    TWindowFixture f;
    QWidget* area = Preview(f);
    const TGlyphRect glyph = f.Window->GlyphRects().GlyphRects()[65];
    const QPointF local(glyph.Left + 2 - area->x(), glyph.Top + 2 - area->y());
    QMouseEvent move(QEvent::MouseMove, local, area->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    ASSERT_TRUE(f.Window->StatusPanelText(1).startsWith(QStringLiteral("Character = 65 ")));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(area, &leave);
    EXPECT_EQ(f.Window->StatusPanelText(1), QString());
    // A new layout while the pointer is elsewhere reads out nothing.
    Spin(f, "seFontSize")->setValue(20);
    EXPECT_EQ(f.Window->StatusPanelText(1), QString());
}

TEST(WindowWalk, AnOpenedFontStartsAtTheTop)
{
    TWindowFixture f;
    const QString file = f.Path(QStringLiteral("ascii.mtf"));
    Answer(f, "btnSaveMTF", file);
    Preview(f)->SetZoom(8);
    QScrollBar* bar = Preview(f)->VerticalScrollBar();
    bar->setValue(bar->maximum());
    ASSERT_GT(bar->value(), 0);
    Answer(f, "btnOpenMTF", file);
    EXPECT_EQ(bar->value(), 0);
}

TEST(WindowWalk, NothingIsCutOff)
{
    TWindowFixture f;
    EXPECT_GE(f.Find<QWidget>("Splitter")->height(), 6);
    const QWidget* group = f.Find<QWidget>("gbFontOptions");
    EXPECT_LT(f.Find<QWidget>("cbDispInvalidUnicodeChars")->geometry().bottom(), group->contentsRect().bottom());

    // A small pane scrolls its controls.
    auto* pane = f.Find<QScrollArea>("TopPane");
    pane->resize(pane->width(), 60);
    QApplication::processEvents();
    EXPECT_GT(pane->verticalScrollBar()->maximum(), 0);

    // A zoomed sample keeps every line, and scrolls.
    f.Find<QTabWidget>("pcMain")->setCurrentIndex(1);
    Preview(f)->SetZoom(4);
    f.Find<QLineEdit>("edSampleText")->setText(QString(60, QLatin1Char('W')));
    const QLabel* sample = f.Find<QLabel>("imgSampleText");
    const QWidget* area = f.Find<QWidget>("SampleArea");
    const int lineHeight = 4 * f.Window->MtkFont().GetGlyph('W')->Height();
    const int lines = 60 * 4 * f.Window->MtkFont().GetGlyph('W')->Width() / area->width() + 1;
    EXPECT_GE(sample->pixmap().height(), std::min(lines * lineHeight, MaxSampleTextHeight));
    EXPECT_GT(sample->pixmap().height(), area->height());
}

TEST(WindowWalk, AMissingDefaultTableIsExplained)
{
    TWindowFixture f(false);
    const QString hint = Preview(f)->Placeholder();
    EXPECT_TRUE(hint.contains(f.Path(QStringLiteral("glyphforgetool.ini")))) << hint.toStdString();
    EXPECT_TRUE(hint.contains(QStringLiteral("\"Select Unicode Conversion Table...\"")));
    f.Find<QAbstractButton>("btnSaveFon")->click();
    ASSERT_EQ(f.Dialogs->Messages.size(), 1u);
    EXPECT_TRUE(f.Dialogs->Messages[0].contains(QStringLiteral("load a conversion table")));
}

TEST(WindowWalk, ExportsConfirmWhatTheyWrote)
{
    TWindowFixture f;
    Answer(f, "btnExportSeparateBMP", f.Folder.path());
    const QLabel* note = f.Find<QLabel>("NotePanel");
    EXPECT_TRUE(note->isVisibleTo(f.Window.get()));
    EXPECT_EQ(note->text(), QStringLiteral("Wrote 128 glyph BMPs to \"%1/\".").arg(f.Folder.path()));
    EXPECT_TRUE(QFile::exists(f.Path(QStringLiteral("00127.bmp"))));
}
