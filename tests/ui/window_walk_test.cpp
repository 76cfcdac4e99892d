// What a new user met in the window on a second walk through the guide.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QRegularExpression>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "font/MtkFont.h"
#include "ui/GlyphEditor.h"
#include "ui/QtDialogSeam.h"

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
