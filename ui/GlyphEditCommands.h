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

class TGlyphCommand : public QUndoCommand {
public:
    void undo() final;
    void redo() final;

protected:
    TGlyphCommand(TMtkFont& draft, int index, TShowGlyph show, const QString& text);
    virtual void Undo(TMtkFont& draft, int index) = 0;
    virtual void Redo(TMtkFont& draft, int index) = 0;

private:
    TMtkFont& FDraft;
    int FIndex;
    TShowGlyph FShow;
    bool FApplied = true; // the first redo, by the stack's push, finds the change made
};

// A stroke of the pen: the pixels set, and those that set them back.
class TPixelsCommand : public TGlyphCommand {
public:
    TPixelsCommand(TMtkFont& draft, int index, TShowGlyph show, std::vector<TPixelChange> changes,
                   std::vector<TPixelChange> undo);

protected:
    void Undo(TMtkFont& draft, int index) override;
    void Redo(TMtkFont& draft, int index) override;

private:
    std::vector<TPixelChange> FChanges;
    std::vector<TPixelChange> FUndo;
};

class TPadColorCommand : public TGlyphCommand {
public:
    TPadColorCommand(TMtkFont& draft, int index, TShowGlyph show, uint8_t oldColor, uint8_t newColor);

protected:
    void Undo(TMtkFont& draft, int index) override;
    void Redo(TMtkFont& draft, int index) override;

private:
    uint8_t FOld;
    uint8_t FNew;
};

// A column added at an edge (Columns are its pixels) or removed from it (Columns held it).
class TColumnCommand : public TGlyphCommand {
public:
    TColumnCommand(TMtkFont& draft, int index, TShowGlyph show, bool added, TEdgeColumns columns);

protected:
    void Undo(TMtkFont& draft, int index) override;
    void Redo(TMtkFont& draft, int index) override;

private:
    bool FAdded;
    TEdgeColumns FColumns;
};
