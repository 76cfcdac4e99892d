#include <gtest/gtest.h>

#include <QComboBox>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "UiTestSupport.h"
#include "font/MtkFont.h"
#include "ui/GlyphEditor.h"
#include "ui/GlyphGrid.h"
#include "ui/PreviewArea.h"

namespace {

// Glyph i is 4 pixels high, 3 + i wide (254 in a fixed-width font), of colour i % 2, pad colour 1.
void FillStore(TMtkFont& font, int count, bool variableWidth, TPaletteKind palette)
{
    font.Clear();
    for (int i = 0; i < count; ++i)
        font.AddGlyph(TGlyphBitmap(variableWidth ? 3 + i : 254, 4, palette, static_cast<uint8_t>(i % 2)), 1);
    font.FHeight = 4;
    font.FBitsPerPixel = palette == TPaletteKind::TwoColor ? 1 : 2;
    font.FCompression = variableWidth ? 1 : 0;
    font.FVariableWidth = variableWidth;
}

struct TGlyphState {
    TGlyphBitmap Glyph;
    uint8_t Pad;
    bool operator==(const TGlyphState&) const = default;
};

TGlyphState StateOf(const TMtkFont& font, int index)
{
    return {*font.GetGlyph(index), font.GetPadColor(index)};
}

void Mouse(TGlyphGrid* grid, QEvent::Type type, QPoint cell, Qt::MouseButton button)
{
    const QPointF at(grid->CellCentre(cell));
    QMouseEvent event(type, at, grid->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(grid, &event);
}

void Stroke(TGlyphEditor& editor, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    auto* grid = editor.findChild<TGlyphGrid*>(QStringLiteral("GlyphGrid"));
    Mouse(grid, QEvent::MouseButtonPress, from, button);
    Mouse(grid, QEvent::MouseMove, to, button);
    Mouse(grid, QEvent::MouseButtonRelease, to, button);
}

void Click(QWidget& parent, const char* name)
{
    parent.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

void PickPadColor(TGlyphEditor& editor, int color)
{
    auto* box = editor.findChild<QComboBox*>(QStringLiteral("cmbPadColor"));
    box->setCurrentIndex(color);
    emit box->activated(color);
}

// Widens glyph 65 by one column at the right in the window's editor, and applies.
void WidenGlyph65(TWindowFixture& f)
{
    f.Dialogs->EditorScript = [](TGlyphEditor& editor) {
        Click(editor, "btnAddRightColumn");
        return true;
    };
    f.Window->EditGlyph(65);
}

} // namespace

TEST(GlyphEditor, AnEditUndoAndRedoGiveBackTheExactPixels)
{
    TMtkFont draft;
    FillStore(draft, 3, true, TPaletteKind::FourColor);
    TGlyphEditor editor(nullptr, draft, 1, {});
    const TGlyphState start = StateOf(draft, 1);

    // A diagonal stroke with no gaps in the chosen colour, a right-button dot of background over it,
    // a column at each edge and a pad colour.
    editor.SetCurrentColor(2);
    Stroke(editor, {0, 0}, {3, 3});
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(draft.GetGlyph(1)->Pixel(i, i), 2) << i;
    Stroke(editor, {1, 1}, {1, 1}, Qt::RightButton);
    EXPECT_EQ(draft.GetGlyph(1)->Pixel(1, 1), 1);
    Click(editor, "btnAddLeftColumn");
    Click(editor, "btnRemoveRightColumn");
    PickPadColor(editor, 3);
    EXPECT_EQ(draft.GetGlyph(1)->Width(), 4);
    EXPECT_EQ(draft.GetGlyph(1)->Pixel(0, 3), 1);  // the new left column is background
    EXPECT_EQ(draft.GetGlyph(1)->Pixel(1, 0), 2);  // the stroke moved right with it
    EXPECT_EQ(draft.GetGlyph(1)->Pixel(3, 2), 2);
    EXPECT_EQ(draft.GetGlyph(0)->Width(), 3);      // variable width: the others stay
    const TGlyphState edited = StateOf(draft, 1);
    EXPECT_TRUE(editor.HasChanges());

    // The picker takes a pixel's colour and draws with it next.
    Click(editor, "btnPicker");
    Stroke(editor, {0, 0}, {0, 0});
    EXPECT_EQ(editor.CurrentColor(), 1);
    EXPECT_EQ(StateOf(draft, 1), edited);

    while (editor.UndoStack().canUndo())
        editor.UndoStack().undo();
    EXPECT_EQ(StateOf(draft, 1), start);
    EXPECT_FALSE(editor.HasChanges());
    Click(editor, "btnRedo");
    EXPECT_EQ(draft.GetGlyph(1)->Pixel(3, 3), 2);
    while (editor.UndoStack().canRedo())
        editor.UndoStack().redo();
    EXPECT_EQ(StateOf(draft, 1), edited);
}

TEST(GlyphEditor, AFixedWidthFontWidensEveryGlyphOrSaysWhyNot)
{
    TMtkFont draft;
    FillStore(draft, 3, false, TPaletteKind::TwoColor);
    TGlyphEditor editor(nullptr, draft, 0, {});
    EXPECT_EQ(editor.CurrentColor(), 1); // the 2-colour ink
    EXPECT_FALSE(editor.findChild<QComboBox*>(QStringLiteral("cmbPadColor"))->isEnabled());

    Click(editor, "btnNextGlyph");
    EXPECT_EQ(editor.GlyphIndex(), 1);
    Click(editor, "btnAddLeftColumn");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(draft.GetGlyph(i)->Width(), 255) << i;
    EXPECT_EQ(draft.GetGlyph(1)->Pixel(0, 0), 0); // the 2-colour background
    EXPECT_EQ(draft.GetGlyph(1)->Pixel(1, 0), 1);

    Click(editor, "btnAddRightColumn");
    EXPECT_EQ(editor.Refusal().toStdString(), "Glyph 0 is 255 pixels wide already, the most a font file can hold. "
                                              "In a fixed-width font every glyph grows with glyph 0.");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(draft.GetGlyph(i)->Width(), 255) << i;
    EXPECT_EQ(editor.UndoStack().count(), 1);

    editor.UndoStack().undo();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(draft.GetGlyph(i)->Width(), 254) << i;
    EXPECT_EQ(editor.GlyphIndex(), 1); // undo shows the glyph it changes
}

TEST(GlyphEditor, AppliedEditsReachTheStorePreviewStatisticsAndCaptionUntilSaved)
{
    TWindowFixture f;
    const QString caption = f.Window->windowTitle();
    const int width = f.Window->MtkFont().GetGlyph(65)->Width();

    // A cancelled editor changes nothing.
    f.Dialogs->EditorScript = [](TGlyphEditor& editor) {
        Click(editor, "btnAddRightColumn");
        return false;
    };
    f.Window->EditGlyph(65);
    EXPECT_EQ(f.Window->MtkFont().GetGlyph(65)->Width(), width);
    EXPECT_FALSE(f.Window->HasUnsavedEdits());

    // Double-click on a glyph opens it.
    auto* area = f.Find<TPreviewArea>("PreviewArea");
    const TGlyphRect rect = f.Window->GlyphRects().GlyphRects()[65];
    int opened = -1;
    f.Dialogs->EditorScript = [&opened](TGlyphEditor& editor) {
        opened = editor.GlyphIndex();
        for (int i = 0; i < 40; ++i)
            Click(editor, "btnAddRightColumn");
        return true;
    };
    const QPointF at(area->FromLayout({rect.Left + 2, rect.Top + 2}));
    QMouseEvent click(QEvent::MouseButtonDblClick, at, area->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(area, &click);
    EXPECT_EQ(opened, 65);
    EXPECT_EQ(f.Window->MtkFont().GetGlyph(65)->Width(), width + 40);
    EXPECT_EQ(f.Window->GlyphRects().GlyphRects()[65].GlyphWidth(), width + 40);
    const QString statistics = f.Window->StatusPanelText(0);
    EXPECT_TRUE(statistics.startsWith(QStringLiteral("Font: Max Width = %1 (Char 65)").arg(width + 40)))
        << statistics.toStdString();
    EXPECT_EQ(f.Window->windowTitle(), QStringLiteral("*") + caption);

    const QString file = f.Path(QStringLiteral("edited.mtf"));
    f.Find<QTabWidget>("pcMain")->setCurrentIndex(1);
    f.Dialogs->Answers = {file};
    f.Find<QToolButton>("btnSaveMTF")->click();
    EXPECT_EQ(f.Window->windowTitle(), caption);
    TMtkFont saved;
    ASSERT_TRUE(saved.LoadFromFile(file.toStdString()));
    EXPECT_EQ(saved.GetGlyph(65)->Width(), width + 40);
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(GlyphEditor, AnEditedFontAsksBeforeAnythingReplacesItAndCancelKeepsIt)
{
    TWindowFixture f;
    auto* pages = f.Find<QTabWidget>("pcMain");
    auto* presets = f.Find<QComboBox>("cmbPresets");
    auto* minWidth = f.Find<QSpinBox>("seMinWidth");
    const QString mtf = f.Path(QStringLiteral("other.mtf"));
    f.Dialogs->Answers = {mtf};
    pages->setCurrentIndex(1);
    f.Find<QToolButton>("btnSaveMTF")->click();
    pages->setCurrentIndex(0);

    const struct {
        const char* Action;
        std::function<void()> Run;
    } actions[] = {
        {"option change", [&] { minWidth->setValue(minWidth->value() + 5); }},
        {"font type", [&] {
             f.Find<QComboBox>("cmbFonType")->setCurrentIndex(ftTwoColorFixed);
             emit f.Find<QComboBox>("cmbFonType")->activated(ftTwoColorFixed);
         }},
        {"preset change", [&] {
             presets->setCurrentIndex(1);
             emit presets->activated(1);
         }},
        {"return to Font Creation", [&] {
             pages->setCurrentIndex(1);
             pages->setCurrentIndex(0);
         }},
        {"open file", [&] {
             f.Dialogs->Answers = {mtf};
             f.Find<QToolButton>("btnOpenMTF")->click();
         }},
        {"close", [&] { EXPECT_FALSE(f.Window->close()); }},
    };
    WidenGlyph65(f);
    const TGlyphBitmap edited = *f.Window->MtkFont().GetGlyph(65);
    const TGenerationOptions options = f.Window->ReadOptions();
    const int generations = f.Window->GenerationCount();
    for (const auto& action : actions) {
        f.Dialogs->DiscardQuestions.clear();
        action.Run();
        EXPECT_EQ(f.Dialogs->DiscardQuestions.size(), 1u) << action.Action;
        EXPECT_EQ(*f.Window->MtkFont().GetGlyph(65), edited) << action.Action;
        EXPECT_EQ(f.Window->ReadOptions().MinWidth, options.MinWidth) << action.Action;
        EXPECT_EQ(f.Window->ReadOptions().FontType, options.FontType) << action.Action;
        EXPECT_EQ(presets->currentIndex(), 0) << action.Action;
        EXPECT_TRUE(f.Window->HasUnsavedEdits()) << action.Action;
    }
    EXPECT_EQ(f.Window->GenerationCount(), generations);
    EXPECT_EQ(f.Window->Table().LastCharIndex(), 127);

    // Discard lets the change through.
    f.Dialogs->DiscardAnswers = {true};
    minWidth->setValue(minWidth->value() + 5);
    EXPECT_EQ(f.Window->GenerationCount(), generations + 1);
    EXPECT_FALSE(f.Window->HasUnsavedEdits());
    EXPECT_TRUE(f.Dialogs->Messages.empty());
}

TEST(GlyphEditor, SavingOptionsAfterEditsSaysTheyDescribeTheFontBeforeThem)
{
    TWindowFixture f;
    WidenGlyph65(f);
    f.Dialogs->FontSaveAnswers.push_back({f.Path(QStringLiteral("a.mtf")), false});
    f.Find<QToolButton>("btnSaveFon")->click();
    EXPECT_TRUE(f.Dialogs->Messages.empty());
    EXPECT_FALSE(f.Window->HasUnsavedEdits());
    f.Dialogs->FontSaveAnswers.push_back({f.Path(QStringLiteral("b.mtf")), true});
    f.Find<QToolButton>("btnSaveFon")->click();
    ASSERT_EQ(f.Dialogs->Messages.size(), 1u);
    EXPECT_EQ(f.Dialogs->Messages[0], QStringLiteral("The options saved into the font describe it as they generated "
                                                     "it, before the glyph edits."));
}
