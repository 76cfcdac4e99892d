#include "ui/GlyphEditCommands.h"

#include "font/MtkFont.h"

namespace {

QString ColumnText(bool added, TGlyphEdge edge)
{
    return QStringLiteral("%1 Column at %2")
        .arg(added ? QStringLiteral("Add") : QStringLiteral("Remove"),
             edge == TGlyphEdge::Left ? QStringLiteral("Left") : QStringLiteral("Right"));
}

} // namespace

TGlyphCommand::TGlyphCommand(TMtkFont& draft, int index, TShowGlyph show, const QString& text)
    : QUndoCommand(text)
    , FDraft(draft)
    , FIndex(index)
    , FShow(std::move(show))
{
}

void TGlyphCommand::undo()
{
    Undo(FDraft, FIndex);
    FShow(FIndex);
}

void TGlyphCommand::redo()
{
    if (!FApplied)
        Redo(FDraft, FIndex);
    FApplied = false;
    FShow(FIndex);
}

TPixelsCommand::TPixelsCommand(TMtkFont& draft, int index, TShowGlyph show, std::vector<TPixelChange> changes,
                               std::vector<TPixelChange> undo)
    : TGlyphCommand(draft, index, std::move(show), QStringLiteral("Drawing"))
    , FChanges(std::move(changes))
    , FUndo(std::move(undo))
{
}

void TPixelsCommand::Undo(TMtkFont& draft, int index)
{
    SetGlyphPixels(draft, index, FUndo);
}

void TPixelsCommand::Redo(TMtkFont& draft, int index)
{
    SetGlyphPixels(draft, index, FChanges);
}

TPadColorCommand::TPadColorCommand(TMtkFont& draft, int index, TShowGlyph show, uint8_t oldColor, uint8_t newColor)
    : TGlyphCommand(draft, index, std::move(show), QStringLiteral("Pad Colour"))
    , FOld(oldColor)
    , FNew(newColor)
{
}

void TPadColorCommand::Undo(TMtkFont& draft, int index)
{
    SetGlyphPadColor(draft, index, FOld);
}

void TPadColorCommand::Redo(TMtkFont& draft, int index)
{
    SetGlyphPadColor(draft, index, FNew);
}

TColumnCommand::TColumnCommand(TMtkFont& draft, int index, TShowGlyph show, bool added, TEdgeColumns columns)
    : TGlyphCommand(draft, index, std::move(show), ColumnText(added, columns.Edge))
    , FAdded(added)
    , FColumns(std::move(columns))
{
}

void TColumnCommand::Undo(TMtkFont& draft, int index)
{
    if (FAdded)
        RemoveEdgeColumns(draft, index, FColumns.Edge);
    else
        AddEdgeColumns(draft, index, FColumns);
}

void TColumnCommand::Redo(TMtkFont& draft, int index)
{
    if (FAdded)
        AddEdgeColumns(draft, index, FColumns);
    else
        FColumns = RemoveEdgeColumns(draft, index, FColumns.Edge);
}
