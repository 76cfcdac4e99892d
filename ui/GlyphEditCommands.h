#pragma once
// The glyph editor's changes as undo commands. Each is made after its change has been applied to
// the draft (so that a change the font cannot take is refused before it reaches the stack), and
// each shows the glyph it changes when it is undone or redone.

#include <functional>
#include <vector>

#include <QUndoCommand>

#include "font/GlyphEdits.h"

class TMtkFont;

using TShowGlyph = std::function<void(int index)>;

QUndoCommand* NewPixelsCommand(TMtkFont& draft, int index, TShowGlyph show, std::vector<TPixelChange> changes,
                               std::vector<TPixelChange> undo);
QUndoCommand* NewPadColorCommand(TMtkFont& draft, int index, TShowGlyph show, uint8_t oldColor, uint8_t newColor);
// Added: Columns are the pixels put in. Removed: Columns are the pixels taken out.
QUndoCommand* NewColumnCommand(TMtkFont& draft, int index, TShowGlyph show, bool added, TEdgeColumns columns);
