#include <gtest/gtest.h>

#include <QComboBox>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "UiTestSupport.h"
#include "ui/ApplicationTitle.h"
#include "generate/SampleTextCodes.h"
#include "ui/SplitterBar.h"

namespace {

void MoveMouse(TWindowFixture& f, int x, int y)
{
    QWidget* area = f.Find<QWidget>("PreviewArea");
    const QPointF local(x - area->x(), y - area->y());
    QMouseEvent event(QEvent::MouseMove, local, area->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &event);
}

bool IsCaption(const QWidget* control)
{
    return qobject_cast<const QLabel*>(control) || qobject_cast<const QCheckBox*>(control);
}

QString SampleInfo(const TWindowFixture& f)
{
    return f.Find<QLabel>("lblSampleTextWinInfo")->text();
}

} // namespace

TEST(UiStartUp, WithoutTableTheWindowOpensEmptyAndClosesTheSplash)
{
    SetApplicationTitle(QStringLiteral("Title for the test"));
    QPointer<QWidget> splash = new QWidget;
    auto dialogs = std::make_unique<TScriptedDialogs>();
    TfrmMain window(QStringLiteral("/nonexistent/glyphforgetool.ini"), std::move(dialogs));
    window.AdoptSplash(splash);
    window.show();
    EXPECT_FALSE(splash.isNull()); // closed from the event loop, not during the show
    QApplication::processEvents();
    EXPECT_TRUE(splash.isNull());

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Title for the test"));
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("cmbPresets"))->count(), 0);
    EXPECT_EQ(window.MtkFont().GlyphCount(), 0);
    EXPECT_TRUE(window.PreviewBitmap().isNull());
    // The design size, wider where the captions need it; the sample leaves 10 pixels each side.
    EXPECT_GE(window.width(), 740);
    EXPECT_EQ(window.height(), 477);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblSampleTextWinInfo"))->text(),
              QStringLiteral("Text width: 0 | Text window size: %1x96").arg(window.width() - 20));
    EXPECT_EQ(window.StatusPanelText(0), QString());
}

TEST(UiStartUp, TheDefaultTableSelectsItsFirstPresetAndGenerates)
{
    TWindowFixture f;
    auto* presets = f.Find<QComboBox>("cmbPresets");
    ASSERT_EQ(presets->count(), 2);
    EXPECT_EQ(presets->currentIndex(), 0);
    EXPECT_EQ(presets->itemText(1), QStringLiteral("Three"));
    EXPECT_EQ(f.Window->Table().LastCharIndex(), 127);
    EXPECT_EQ(f.Window->MtkFont().GlyphCount(), 128);
    EXPECT_EQ(f.Window->Table().CharUnicode(65), 65);
    EXPECT_TRUE(QRegularExpression(QStringLiteral(
                                       R"(^Font: Max Width = \d+ \(Char \d+\), Height = \d+, FileSize = \d+ bytes$)"))
                    .match(f.Window->StatusPanelText(0))
                    .hasMatch())
        << f.Window->StatusPanelText(0).toStdString();
    EXPECT_EQ(f.Window->GlyphRects().GlyphRects().size(), 128u);
    EXPECT_FALSE(f.Window->PreviewBitmap().isNull());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(UiStartUp, ABadDefaultTableIsReportedAndLeavesNoPresets)
{
    QTemporaryDir folder;
    const QString table = folder.filePath(QStringLiteral("glyphforgetool.ini"));
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nDescription=x\n");
    file.close();
    auto dialogs = std::make_unique<TScriptedDialogs>();
    TScriptedDialogs* script = dialogs.get();
    TfrmMain window(table, std::move(dialogs));
    window.show();
    ASSERT_EQ(script->Messages.size(), 1u);
    EXPECT_TRUE(script->Messages[0].contains(QStringLiteral("holds the section [General], which is no preset")))
        << script->Messages[0].toStdString();
    EXPECT_EQ(window.findChild<QComboBox*>(QStringLiteral("cmbPresets"))->count(), 0);
}

TEST(UiStartUp, EveryCaptionOfTheCreationPageIsShownWhole)
{
    TWindowFixture f;
    auto* fontPages = f.Find<QTabWidget>("pcFonts");
    const QWidget* page = f.Find<QWidget>("tsCreation");
    for (int tab = 0; tab < fontPages->count(); ++tab) {
        fontPages->setCurrentIndex(tab);
        QApplication::processEvents();
        for (const QWidget* control : fontPages->widget(tab)->findChildren<QWidget*>())
            if (IsCaption(control))
                ExpectShownWhole(control, page);
    }
    for (const QWidget* control : f.Find<QWidget>("gbFontOptions")->findChildren<QWidget*>())
        if (IsCaption(control) && control->isVisibleTo(page))
            ExpectShownWhole(control, page);
    EXPECT_LE(f.Find<QWidget>("gbFontOptions")->geometry().right(), f.Window->width());
}

TEST(UiPreview, HoverReadOutNamesTheGlyphUnderThePointer)
{
    TWindowFixture f;
    const std::vector<TGlyphRect>& rects = f.Window->GlyphRects().GlyphRects();
    const TGlyphRect a = rects[65];
    MoveMouse(f, a.Left + 2, a.Top + 2);
    EXPECT_EQ(f.Window->StatusPanelText(1),
              QStringLiteral("Character = 65 (0x0041), Unicode = 65 (0x0041), Width = %1").arg(a.Right - a.Left - 2));

    // The column shared by two neighbouring frames belongs to the lower index.
    const TGlyphRect b = rects[66];
    ASSERT_EQ(a.Top, b.Top);
    ASSERT_EQ(a.Right, b.Left);
    MoveMouse(f, b.Left, b.Top + 2);
    EXPECT_TRUE(f.Window->StatusPanelText(1).startsWith(QStringLiteral("Character = 65 ")));
    MoveMouse(f, b.Left + 1, b.Top + 2);
    EXPECT_TRUE(f.Window->StatusPanelText(1).startsWith(QStringLiteral("Character = 66 (0x0042)")));

    MoveMouse(f, 2, f.Window->PreviewTop() + 4); // in the left margin
    EXPECT_EQ(f.Window->StatusPanelText(1), QString());
}

TEST(UiPreview, OnlyAWidthChangeLaysTheGlyphsOutAgain)
{
    TWindowFixture f;
    const qint64 first = f.Window->PreviewBitmap().cacheKey();
    f.Window->resize(f.Window->width(), 560);
    QApplication::processEvents();
    EXPECT_EQ(f.Window->PreviewBitmap().cacheKey(), first);

    f.Window->resize(500, 560);
    QApplication::processEvents();
    EXPECT_NE(f.Window->PreviewBitmap().cacheKey(), first);
    EXPECT_EQ(f.Window->PreviewBitmap().width(), 500);
    for (const TGlyphRect& rect : f.Window->GlyphRects().GlyphRects())
        EXPECT_TRUE(rect.Right <= 500 - 8 + 1 || rect.Left == 7);
}

TEST(UiPreview, ReturningToFontCreationReplacesAnOpenedFontWithAGeneration)
{
    TWindowFixture f;
    auto* pages = f.Find<QTabWidget>("pcMain");
    auto* presets = f.Find<QComboBox>("cmbPresets");
    presets->setCurrentIndex(1);
    presets->activated(1);
    ASSERT_EQ(f.Window->MtkFont().GlyphCount(), 3);
    const int widthOfA = f.Window->MtkFont().GetGlyph(0)->Width();

    const QString file = f.Path(QStringLiteral("three.mtf"));
    f.Dialogs->Answers = {file, file};
    pages->setCurrentIndex(1);
    f.Find<QToolButton>("btnSaveMTF")->click();
    presets->setCurrentIndex(0);
    presets->activated(0);
    ASSERT_EQ(f.Window->MtkFont().GlyphCount(), 128);
    f.Find<QToolButton>("btnOpenMTF")->click();
    ASSERT_EQ(f.Window->MtkFont().GlyphCount(), 3);
    EXPECT_EQ(f.Window->Table().LastCharIndex(), 2);
    EXPECT_EQ(f.Window->Table().CharUnicode(0), 0); // a loaded font has no table
    EXPECT_EQ(f.Window->MtkFont().GetGlyph(0)->Width(), widthOfA);

    pages->setCurrentIndex(0);
    EXPECT_EQ(f.Window->MtkFont().GlyphCount(), 128);
    EXPECT_EQ(f.Window->Table().CharUnicode(65), 65);
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(UiSampleText, SkipsCharactersBeyondTheGlyphsAndReportsTheWidthDrawn)
{
    TWindowFixture f;
    f.Find<QTabWidget>("pcMain")->setCurrentIndex(1);
    auto* edit = f.Find<QLineEdit>("edSampleText");
    const int widthOfA = f.Window->MtkFont().GetGlyph(65)->Width();
    const int sampleWidth = f.Window->width() - 20;
    const QString info = QStringLiteral("Text width: %1 | Text window size: %2x96");
    edit->setText(QStringLiteral("AA"));
    EXPECT_EQ(SampleInfo(f), info.arg(2 * widthOfA).arg(sampleWidth));
    edit->setText(QStringLiteral("A\u00E9"));
    EXPECT_EQ(SampleInfo(f), info.arg(widthOfA).arg(sampleWidth));
    const QPixmap picture = f.Find<QLabel>("imgSampleText")->pixmap();
    EXPECT_EQ(picture.size(), QSize(sampleWidth, 96));

    // A wider window grows the sample window with it.
    f.Window->resize(f.Window->width() + 20, 477);
    QApplication::processEvents();
    EXPECT_EQ(SampleInfo(f), info.arg(widthOfA).arg(sampleWidth + 20));
}

TEST(UiSampleText, WithoutATableTextIsTakenInTheWindowsCodePage)
{
    const TConversionTable loadedFont;
    EXPECT_EQ(SampleTextCodes(u"A\u00E9\u20AC\u017E", loadedFont), (std::vector<int>{0x41, 0xE9, 0x80, 0x9E}));
    // Characters the code page lacks are left out, not drawn as another glyph.
    EXPECT_EQ(SampleTextCodes(u"a\u0416\u0081b", loadedFont), (std::vector<int>{0x61, 0x62}));
}

TEST(UiRefresh, AnOptionChangeRegeneratesAndEnablesItsValueBox)
{
    TWindowFixture f;
    auto* spaceWidth = f.Find<QSpinBox>("seSpaceWidth");
    spaceWidth->setValue(21);
    EXPECT_GE(f.Window->MtkFont().GetGlyph(32)->Width(), 21);
    auto* progress = f.Find<QProgressBar>("pbFontCreate");
    EXPECT_FALSE(progress->isVisible());
    // Shown during a generation, it covers the preset list whatever the list's size.
    EXPECT_EQ(progress->geometry(), f.Find<QComboBox>("cmbPresets")->rect());

    auto* topCut = f.Find<QCheckBox>("cbTopCut");
    EXPECT_FALSE(f.Find<QSpinBox>("seTopCut")->isEnabled());
    const int height = f.Window->MtkFont().GetGlyph(65)->Height();
    topCut->setChecked(true);
    EXPECT_TRUE(f.Find<QSpinBox>("seTopCut")->isEnabled());
    EXPECT_EQ(f.Window->MtkFont().GetGlyph(65)->Height(), height - 1);
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(UiRefresh, WithoutPresetsNothingIsGeneratedOrReported)
{
    TWindowFixture f(false);
    auto* pages = f.Find<QTabWidget>("pcMain");
    pages->setCurrentIndex(1);
    pages->setCurrentIndex(0);
    f.Find<QSpinBox>("seMinWidth")->setValue(7);
    EXPECT_EQ(f.Window->MtkFont().GlyphCount(), 0);
    EXPECT_TRUE(f.Window->PreviewBitmap().isNull());
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(UiPreview, MovingTheSplitterMovesThePreviewAndItsFrames)
{
    TWindowFixture f;
    QWidget* splitter = f.Find<QWidget>("Splitter");
    const int oldTop = f.Window->PreviewTop();
    const int oldFrameTop = f.Window->GlyphRects().GlyphRects()[0].Top;
    const QPointF grip(10, 1);
    QMouseEvent press(QEvent::MouseButtonPress, grip, splitter->mapToGlobal(grip), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(splitter, &press);
    QMouseEvent drag(QEvent::MouseMove, grip + QPointF(0, 30), splitter->mapToGlobal(grip + QPointF(0, 30)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(splitter, &drag);

    EXPECT_EQ(f.Find<QTabWidget>("pcMain")->height(), 260);
    EXPECT_EQ(f.Window->PreviewTop(), oldTop + 30);
    EXPECT_EQ(f.Window->GlyphRects().GlyphRects()[0].Top, oldFrameTop + 30);
    // Neither side can be squeezed away.
    EXPECT_EQ(TSplitterBar::ClampedHeight(5, 477, 20), TSplitterBar::MinSize);
    EXPECT_EQ(TSplitterBar::ClampedHeight(470, 477, 20), 477 - 20 - TSplitterBar::MinSize);
}
