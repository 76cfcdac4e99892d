// What a new user met in the window on a second walk through the guide.

#include <gtest/gtest.h>

#include <QAbstractButton>

#include "UiTestSupport.h"
#include "font/MtkFont.h"
#include "ui/GlyphEditor.h"

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
