// What a new user met in the window: wrong or silent answers, and things hidden from view.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "UiTestSupport.h"
#include "font/MtkFont.h"
#include "generate/FontTypeChoice.h"
#include "generate/ProgramStamp.h"
#include "ui/ApplicationTitle.h"
#include "ui/ElidingComboBox.h"
#include "ui/FontFamilyCombo.h"
#include "ui/QtDialogSeam.h"
#include "ui/SplashWindow.h"

namespace {

const QString Missing = QStringLiteral("No Such Family 1234");

void Click(TWindowFixture& f, const char* button)
{
    f.Find<QToolButton>(button)->click();
}

void Answer(TWindowFixture& f, const char* button, const QString& fileName)
{
    f.Dialogs->Answers.push_back(fileName);
    Click(f, button);
}

void Pick(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void WriteFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A font-information block, all a file needs for the options import to take the block path.
QByteArray InfoBlock(const QByteArray& font1, const QByteArray& font2)
{
    QByteArray block("[FONT_INFO");
    block.append("\x03\x10\x00\x00\x25\x02\x08\x02\x01\x01\x10\x0C\x00\x00\x04", 15);
    block.append(char(font1.size())).append(font1).append(char(font2.size())).append(font2).append(']');
    return block;
}

QString SampleInfo(const TWindowFixture& f)
{
    return f.Find<QLabel>("lblSampleTextWinInfo")->text();
}

} // namespace

TEST(WindowMends, AFaceThatIsNotInstalledIsKeptAndDrawnWithTheNearestFamily)
{
    TWindowFixture f;
    auto* primary = f.Find<TFontFamilyCombo>("cmbFont");
    auto* secondary = f.Find<TFontFamilyCombo>("cmbFont2");
    const QString file = f.Path(QStringLiteral("missing.mtf"));
    WriteFile(file, InfoBlock(Missing.toLatin1(), Missing.toLatin1()));
    const int generations = f.Window->GenerationCount();
    Answer(f, "btnImportOptions", file);
    EXPECT_TRUE(f.Dialogs->Messages.empty()) << f.Dialogs->Messages.front().toStdString();
    EXPECT_EQ(f.Window->GenerationCount(), generations + 1);
    EXPECT_EQ(primary->currentIndex(), 0);
    EXPECT_EQ(secondary->currentIndex(), 0);
    EXPECT_EQ(f.Window->ReadOptions().FontName, Missing.toStdString());
    EXPECT_EQ(f.Window->ReadOptions().Font2Name, Missing.toStdString());

    // Confirmed in the font dialog: no entry is selected, the field still names the family.
    primary->SelectFamily(QStringLiteral("DejaVu Sans"));
    f.Dialogs->FontAnswers.push_back({Missing, 14, 0});
    Click(f, "btnFont");
    EXPECT_EQ(primary->currentIndex(), -1);
    EXPECT_EQ(primary->placeholderText(), Missing);
    EXPECT_EQ(f.Window->ReadOptions().FontName, Missing.toStdString());
    EXPECT_EQ(f.Window->GenerationCount(), generations + 2);
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(WindowMends, TheFontDialogConfirmedUnchangedKeepsTheStyle)
{
    TWindowFixture f(std::make_unique<TQtDialogSeam>());
    auto* primary = f.Find<TFontFamilyCombo>("cmbFont");
    for (const QString& family : {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")}) {
        primary->SelectFamily(family);
        AnswerNextDialog([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "accept"); });
        f.Find<QToolButton>("btnFont")->click();
        EXPECT_EQ(f.Window->ReadOptions().FontName, family.toStdString());
        EXPECT_EQ(f.Window->ReadOptions().FontStyle, 0) << family.toStdString();
    }
}

TEST(WindowMends, WhyAFontCannotBeSavedShowsWithItsStatistics)
{
    TWindowFixture f;
    Pick(f.Find<QComboBox>("cmbPresets"), 1); // three characters keep the huge glyphs quick
    auto* reason = f.Find<QLabel>("SizeLimitPanel");
    EXPECT_TRUE(reason->isHidden());
    // Glyphs wider than a Mediatek font can hold.
    f.Find<QSpinBox>("seFontSize")->setValue(100);
    f.Find<QSpinBox>("seOutline")->setValue(40);
    f.Find<QSpinBox>("seRightMargin")->setValue(100);
    EXPECT_FALSE(reason->isHidden());
    EXPECT_TRUE(reason->text().startsWith(QStringLiteral("Cannot be saved: Glyph "))) << reason->text().toStdString();
    EXPECT_TRUE(f.Window->StatusPanelText(0).endsWith(QStringLiteral("FileSize = 0 bytes")));
    f.Find<QSpinBox>("seOutline")->setValue(0);
    f.Find<QSpinBox>("seRightMargin")->setValue(2);
    EXPECT_TRUE(reason->isHidden());
}

TEST(WindowMends, TheFileSizeFollowsTheFontTypeWithoutRegenerating)
{
    TWindowFixture f;
    const int generations = f.Window->GenerationCount();
    Pick(f.Find<QComboBox>("cmbFonType"), ftFourColorNew);
    const size_t newModeSize = f.Window->MtkFont().SavedSize(true, ProgramStamp, {});
    EXPECT_NE(newModeSize, f.Window->MtkFont().SavedSize(false, ProgramStamp, {}));
    EXPECT_TRUE(f.Window->StatusPanelText(0).endsWith(QStringLiteral("FileSize = %1 bytes").arg(newModeSize)))
        << f.Window->StatusPanelText(0).toStdString();
    EXPECT_EQ(f.Window->GenerationCount(), generations);
}

TEST(WindowMends, ALeaveOfTheFixedWidthTypeSaysWhichGlyphAndWhatToRaise)
{
    TWindowFixture f;
    Pick(f.Find<QComboBox>("cmbFonType"), ftTwoColorFixed);
    QApplication::processEvents();
    ASSERT_EQ(f.Find<QComboBox>("cmbFonType")->currentIndex(), ftTwoColorFixed);
    ASSERT_TRUE(f.Dialogs->Messages.empty());
    f.Find<QSpinBox>("seMinWidth")->setValue(4);
    QApplication::processEvents();
    EXPECT_EQ(f.Find<QComboBox>("cmbFonType")->currentIndex(), ftFourColorOld);
    ASSERT_EQ(f.Dialogs->Messages.size(), 1u);
    const int widest = f.Window->MaxGlyphWidth();
    EXPECT_TRUE(f.Dialogs->Messages[0].contains(QStringLiteral("is %1 pixels wide, wider than \"Min width:\" 4").arg(widest)))
        << f.Dialogs->Messages[0].toStdString();
    EXPECT_TRUE(f.Dialogs->Messages[0].contains(QStringLiteral("to %1").arg(RoundUpToMultipleOf4(widest))));
}

TEST(WindowMends, EmptyResultsAreExplainedAndKeepWhatTheUserHad)
{
    TWindowFixture f;
    const QString picture = f.Path(QStringLiteral("true-colour.bmp"));
    ASSERT_TRUE(QImage(20, 16, QImage::Format_RGB888).save(picture, "BMP"));
    const QString text = f.Path(QStringLiteral("letter.txt"));
    WriteFile(text, "Dear reader,\nthis is no font.\n");
    const QString table = f.Path(QStringLiteral("empty.ini"));
    WriteFile(table, "; no presets here\n");

    Answer(f, "btnOpenBMP", picture);
    Answer(f, "btnOpenTXT", text);
    Answer(f, "btnOpenTable", table);
    ASSERT_EQ(f.Dialogs->Messages.size(), 3u);
    EXPECT_TRUE(f.Dialogs->Messages[0].contains(QStringLiteral("not an 8-bit palette picture")));
    EXPECT_TRUE(f.Dialogs->Messages[1].contains(QStringLiteral("no FonTool font")));
    EXPECT_TRUE(f.Dialogs->Messages[2].contains(QStringLiteral("no presets")));
    EXPECT_EQ(f.Window->MtkFont().GlyphCount(), 128);
    EXPECT_EQ(f.Find<QComboBox>("cmbPresets")->count(), 2);

    TWindowFixture empty(false);
    Click(empty, "btnSaveFon");
    ASSERT_EQ(empty.Dialogs->Messages.size(), 1u);
    EXPECT_TRUE(empty.Dialogs->Messages[0].startsWith(QStringLiteral("Nothing to save")));
}

TEST(WindowMends, TheSampleTextShowsTheGlyphsInHandThroughTheTable)
{
    TWindowFixture f;
    f.Find<QLineEdit>("edSampleText")->setText(QStringLiteral("ABC"));
    // Preset "Three" puts A, B and C at the codes 0, 1 and 2.
    Pick(f.Find<QComboBox>("cmbPresets"), 1);
    const TMtkFont& font = f.Window->MtkFont();
    const int threeWide = font.GetGlyph(0)->Width() + font.GetGlyph(1)->Width() + font.GetGlyph(2)->Width();
    EXPECT_TRUE(SampleInfo(f).startsWith(QStringLiteral("Text width: %1 |").arg(threeWide))) << SampleInfo(f).toStdString();

    f.Find<QSpinBox>("seFontSize")->setValue(30);
    const int wider = font.GetGlyph(0)->Width() + font.GetGlyph(1)->Width() + font.GetGlyph(2)->Width();
    ASSERT_NE(wider, threeWide);
    EXPECT_TRUE(SampleInfo(f).startsWith(QStringLiteral("Text width: %1 |").arg(wider)));

    // An opened font has no table: the codes of the characters typed, which three glyphs lack.
    Answer(f, "btnSaveBMP", f.Path(QStringLiteral("three.bmp")));
    Answer(f, "btnOpenBMP", f.Path(QStringLiteral("three.bmp")));
    EXPECT_TRUE(SampleInfo(f).startsWith(QStringLiteral("Text width: 0 |")));
}

TEST(WindowMends, EachFileDialogProposesANameOfItsOwnKind)
{
    TWindowFixture f;
    Answer(f, "btnSaveTXT", f.Path(QStringLiteral("font.txt")));
    Click(f, "btnSaveMTF");
    EXPECT_EQ(f.Dialogs->SaveRequests.back().FileName, f.Path(QStringLiteral("font.mtf")));
    Answer(f, "btnSaveMTF", f.Path(QStringLiteral("phone.bin")));
    Click(f, "btnSaveMTF");
    EXPECT_EQ(f.Dialogs->SaveRequests.back().FileName, f.Path(QStringLiteral("phone.bin"))); // the filter offers it

    Answer(f, "btnOpenTable", f.Path(QStringLiteral("glyphforgetool.ini")));
    Click(f, "btnImportOptions");
    EXPECT_EQ(f.Dialogs->OpenRequests.back().FileName, f.Path(QStringLiteral("glyphforgetool.mtf")));

    // A family with a slash: the shared dialog gets the mended name as well.
    f.Dialogs->FontAnswers.push_back({QStringLiteral("Half/Half"), 16, 0});
    Click(f, "btnFont");
    Click(f, "btnSaveFon");
    Click(f, "btnSaveBMP");
    const QString proposed = f.Dialogs->SaveRequests.back().FileName;
    EXPECT_TRUE(proposed.startsWith(QStringLiteral("Half-Half 16 ["))) << proposed.toStdString();
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("[4Color VarW].bmp"))) << proposed.toStdString();
}

TEST(WindowMends, TheDropDownListsTellTheirItemsApartAndWidenWithTheWindow)
{
    TWindowFixture f;
    auto* type = f.Find<TElidingComboBox>("cmbFonType");
    QStringList shown;
    for (int index = 0; index < type->count(); ++index) {
        type->setCurrentIndex(index);
        shown << type->DisplayedText();
    }
    // OLD and NEW mode differ only at their ends.
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_NE(shown[1], shown[2]);

    auto* presets = f.Find<QComboBox>("cmbPresets");
    const int typeWidth = type->width();
    const int presetsWidth = presets->width();
    f.Window->resize(f.Window->width() + 200, f.Window->height());
    QApplication::processEvents();
    EXPECT_EQ(type->width(), typeWidth + 200);
    EXPECT_EQ(presets->width(), presetsWidth + 200);
    EXPECT_LE(f.Find<QWidget>("gbFontOptions")->geometry().right(), f.Window->width());
}

TEST(WindowMends, TheHoverReadOutFollowsTheGlyphsAfterARegeneration)
{
    TWindowFixture f;
    QWidget* area = f.Find<QWidget>("PreviewArea");
    const TGlyphRect frame = f.Window->GlyphRects().GlyphRects()[100];
    const QPoint client(frame.Right - 1, (frame.Top + frame.Bottom) / 2);
    const QPointF local(client - area->pos());
    QMouseEvent move(QEvent::MouseMove, local, area->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    ASSERT_TRUE(f.Window->StatusPanelText(1).startsWith(QStringLiteral("Character = 100 ")));

    // The pointer stays; the glyphs grow beneath it.
    f.Find<QSpinBox>("seFontSize")->setValue(22);
    const int under = f.Window->GlyphRects().GlyphAtPoint(client.x(), client.y());
    ASSERT_GE(under, 0);
    ASSERT_NE(under, 100);
    EXPECT_TRUE(f.Window->StatusPanelText(1).startsWith(QStringLiteral("Character = %1 ").arg(under)))
        << f.Window->StatusPanelText(1).toStdString();
}

TEST(WindowMends, AFamilyThatCannotDrawItsNameIsListedInTheListsFont)
{
    TWindowFixture f;
    auto* families = f.Find<TFontFamilyCombo>("cmbFont");
    for (const char* family : {"Unifont CSUR", "Unifont Upper"}) {
        const int index = families->findText(QString::fromLatin1(family));
        ASSERT_GE(index, 0) << family << " is not installed";
        EXPECT_TRUE(families->ItemPicture(index, Qt::black).isNull()) << family;
    }
    EXPECT_FALSE(families->ItemPicture(families->findText(QStringLiteral("Unifont")), Qt::black).isNull());
}

TEST(WindowMends, FilterDescriptionsAndCaptionsReadAsWritten)
{
    SetApplicationTitle(QString());
    TfrmSplash splash;
    EXPECT_EQ(ApplicationTitle(), QString::fromLatin1(ProgramTitle));
    // Qt appends its display name to the caption of every window that does not end with it.
    EXPECT_NE(QGuiApplication::applicationDisplayName(), ApplicationTitle());

    TQtDialogSeam dialogs;
    QStringList filters;
    AnswerNextDialog([&filters](QWidget* dialog) {
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < types->count(); ++i)
            filters << types->itemText(i);
        QMetaObject::invokeMethod(dialog, "reject");
    });
    dialogs.OpenFile(nullptr, {QStringLiteral("Select Unicode Conversion Table..."),
                               QStringLiteral("INI Files (*.ini)|*.ini|All Files (*.*)|*.*"), QStringLiteral("ini"), {}});
    EXPECT_EQ(filters, (QStringList{QStringLiteral("INI Files (*.ini)"), QStringLiteral("All Files (*.*)")}));
}

TEST(WindowMends, AStartUpErrorIsShownOverTheSplashWithTheNormalCursor)
{
    struct TWatchingDialogs : TScriptedDialogs {
        QPointer<QWidget> Splash;
        bool SplashVisible = true;
        Qt::CursorShape Cursor = Qt::WaitCursor;
        void ShowMessage(QWidget* parent, const QString& text, TMessageKind kind) override
        {
            SplashVisible = Splash && Splash->isVisible();
            Cursor = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
            TScriptedDialogs::ShowMessage(parent, text, kind);
        }
    };
    QTemporaryDir folder;
    const QString table = folder.filePath(QStringLiteral("glyphforgetool.ini"));
    WriteFile(table, "[General]\n");
    auto dialogs = std::make_unique<TWatchingDialogs>();
    TWatchingDialogs* watching = dialogs.get();
    auto* splash = new QWidget;
    splash->show();
    watching->Splash = splash;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TfrmMain window(table, std::move(dialogs));
    window.AdoptSplash(splash);
    window.show();
    QApplication::restoreOverrideCursor();
    ASSERT_EQ(watching->Messages.size(), 1u);
    EXPECT_FALSE(watching->SplashVisible);
    EXPECT_EQ(watching->Cursor, Qt::ArrowCursor);
}

TEST(WindowMends, UnderlineAndStrikeOutSurviveAnImportWhoseTailOverflows)
{
    TWindowFixture f;
    const QString named = f.Path(QStringLiteral("DejaVu Sans Underline StrikeOut 12 [16 pix] [Spc 99999999999].mtf"));
    WriteFile(named, "no block here");
    Answer(f, "btnImportOptions", named);
    ASSERT_EQ(f.Dialogs->Messages.size(), 1u);
    EXPECT_EQ(f.Window->ReadOptions().FontStyle, fsUnderline | fsStrikeOut);
}
