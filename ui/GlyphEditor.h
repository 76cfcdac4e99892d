#pragma once
// The glyph editor: the glyphs of a draft font one at a time, as a grid of large pixels to draw
// on in the font's own colours, with the glyph's width and pad colour, previous and next glyph,
// and undo and redo of every change. The window puts the draft in place of its font when the
// editor is applied; a cancelled editor leaves the font as it was.

#include <cstdint>
#include <functional>
#include <vector>

#include <QDialog>
#include <QUndoStack>

#include "font/GlyphEdits.h"
#include "font/Palette.h"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class TGlyphBitmap;
class TGlyphGrid;
class TMtkFont;

class TGlyphEditor : public QDialog {
    Q_OBJECT
public:
    using TUnicodeOf = std::function<uint16_t(int code)>;

    // Draft must outlive the editor.
    TGlyphEditor(QWidget* parent, TMtkFont& draft, int index, TUnicodeOf unicodeOf);

    int GlyphIndex() const { return FIndex; }
    void ShowGlyph(int index);
    // Something is changed: undoing back to the start leaves nothing to apply.
    bool HasChanges() const { return !FUndo.isClean(); }
    QUndoStack& UndoStack() { return FUndo; }
    uint8_t CurrentColor() const { return FCurrentColor; }
    void SetCurrentColor(uint8_t color);
    // Why the last width change was refused; empty when it was not.
    QString Refusal() const;

private:
    void BuildControls();
    QWidget* BuildColorTools();
    QWidget* BuildWidthTools();
    void StartStroke(Qt::MouseButton button, QPoint cell);
    void ContinueStroke(QPoint cell);
    void EndStroke();
    void DrawAt(QPoint cell);
    // The glyph shown, when Cell lies inside it.
    const TGlyphBitmap* GlyphWith(QPoint cell) const;
    void ChangeWidth(bool add, TGlyphEdge edge);
    void PadColorPicked(int index);
    void ShowRefusal(const QString& text);
    TPaletteKind Palette() const;
    uint8_t BackgroundColor() const;

    TMtkFont& FDraft;
    int FIndex = 0;
    TUnicodeOf FUnicodeOf;
    QUndoStack FUndo;
    uint8_t FCurrentColor = 0;

    // The stroke being drawn: what it set, and what sets it back.
    bool FStroking = false;
    uint8_t FStrokeColor = 0;
    QPoint FStrokeEnd;
    std::vector<TPixelChange> FStrokeChanges;
    std::vector<TPixelChange> FStrokeUndo;

    QLabel* FHeader = nullptr;
    QScrollArea* FGridView = nullptr;
    TGlyphGrid* FGrid = nullptr;
    QButtonGroup* FColors = nullptr;
    QToolButton* FPicker = nullptr;
    QComboBox* FPadColor = nullptr;
    QLabel* FRefusal = nullptr;
    QPushButton* FPrevious = nullptr;
    QPushButton* FNext = nullptr;
};
