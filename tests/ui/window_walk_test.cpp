// What a new user met in the window on a second walk through the guide.

#include <gtest/gtest.h>

#include <QAbstractButton>

#include "UiTestSupport.h"
#include "font/MtkFont.h"
#include "ui/GlyphEditor.h"
#include "ui/QtDialogSeam.h"

namespace {

void Click(QWidget& parent, const char* name)
{
    parent.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
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
