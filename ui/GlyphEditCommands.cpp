#include "ui/GlyphEditCommands.h"

#include <QCoreApplication>

#include "font/MtkFont.h"

namespace {

using TGlyphChange = std::function<void(TMtkFont& draft, int index)>;

class TGlyphCommand : public QUndoCommand {
public:
    TGlyphCommand(TMtkFont& draft, int index, TShowGlyph show, const QString& text, TGlyphChange undo,
                  TGlyphChange redo)
        : QUndoCommand(text)
        , FDraft(draft)
        , FIndex(index)
        , FShow(std::move(show))
        , FUndo(std::move(undo))
        , FRedo(std::move(redo))
    {
    }

    void undo() override
    {
        FUndo(FDraft, FIndex);
        FShow(FIndex);
    }

    void redo() override
    {
        if (!FApplied)
            FRedo(FDraft, FIndex);
        FApplied = false;
        FShow(FIndex);
    }

private:
    TMtkFont& FDraft;
    int FIndex;
    TShowGlyph FShow;
    TGlyphChange FUndo;
    TGlyphChange FRedo;
    bool FApplied = true; // the first redo, by the stack's push, finds the change made
};

} // namespace

QUndoCommand* NewPixelsCommand(TMtkFont& draft, int index, TShowGlyph show, std::vector<TPixelChange> changes,
                               std::vector<TPixelChange> undo)
{
    return new TGlyphCommand(
        draft, index, std::move(show), QCoreApplication::translate("TGlyphEditCommands", "Drawing"),
        [undo = std::move(undo)](TMtkFont& font, int glyph) { SetGlyphPixels(font, glyph, undo); },
        [changes = std::move(changes)](TMtkFont& font, int glyph) { SetGlyphPixels(font, glyph, changes); });
}

QUndoCommand* NewPadColorCommand(TMtkFont& draft, int index, TShowGlyph show, uint8_t oldColor, uint8_t newColor)
{
    return new TGlyphCommand(
        draft, index, std::move(show), QCoreApplication::translate("TGlyphEditCommands", "Pad Colour"),
        [oldColor](TMtkFont& font, int glyph) { SetGlyphPadColor(font, glyph, oldColor); },
        [newColor](TMtkFont& font, int glyph) { SetGlyphPadColor(font, glyph, newColor); });
}

QUndoCommand* NewColumnCommand(TMtkFont& draft, int index, TShowGlyph show, bool added, TEdgeColumns columns)
{
    const TGlyphEdge edge = columns.Edge;
    static const char* const Texts[2][2] = {
        {QT_TRANSLATE_NOOP("TGlyphEditCommands", "Remove Column at Left"),
         QT_TRANSLATE_NOOP("TGlyphEditCommands", "Remove Column at Right")},
        {QT_TRANSLATE_NOOP("TGlyphEditCommands", "Add Column at Left"),
         QT_TRANSLATE_NOOP("TGlyphEditCommands", "Add Column at Right")}};
    const QString text = QCoreApplication::translate("TGlyphEditCommands", Texts[added][edge == TGlyphEdge::Right]);
    // The stack redoes a change on the glyphs as they were when it was made: the same columns go.
    TGlyphChange put = [columns = std::move(columns)](TMtkFont& font, int glyph) {
        AddEdgeColumns(font, glyph, columns);
    };
    TGlyphChange take = [edge](TMtkFont& font, int glyph) { RemoveEdgeColumns(font, glyph, edge); };
    return added ? new TGlyphCommand(draft, index, std::move(show), text, std::move(take), std::move(put))
                 : new TGlyphCommand(draft, index, std::move(show), text, std::move(put), std::move(take));
}
