#pragma once
// Changes to the glyphs of a store, as the glyph editor makes them. Each one gives back what
// puts the glyphs exactly as they were, so an editor can undo it.

#include <cstdint>
#include <span>
#include <vector>

#include "font/Errors.h"

class TMtkFont;

// A width change the font cannot take; nothing has been changed.
class EGlyphEditError : public EGlyphForgeError {
public:
    using EGlyphForgeError::EGlyphForgeError;
};

constexpr int MaxEditedGlyphWidth = 255; // one width byte in the file

enum class TGlyphEdge : uint8_t { Left, Right };

struct TPixelChange {
    int X = 0;
    int Y = 0;
    uint8_t Value = 0;
    bool operator==(const TPixelChange&) const = default;
};

// The edge columns of a width change: one column for each glyph the change reaches, top to
// bottom, glyph after glyph in index order.
struct TEdgeColumns {
    TGlyphEdge Edge = TGlyphEdge::Right;
    std::vector<uint8_t> Pixels;
};

// Glyphs, pad colours and the font-wide values of Source replace those of Target.
void CopyStore(const TMtkFont& source, TMtkFont& target);

// Sets the pixels in order; points outside the glyph are left out. Returns the changes that
// put the old values back, to be applied in their order.
std::vector<TPixelChange> SetGlyphPixels(TMtkFont& font, int index, std::span<const TPixelChange> changes);
// Returns the pad colour the glyph had.
uint8_t SetGlyphPadColor(TMtkFont& font, int index, uint8_t padColor);

// A width change reaches every glyph of a fixed-width font, so that all stay as wide as glyph 0;
// in a variable-width font it reaches glyph Index alone.
TEdgeColumns BlankEdgeColumns(const TMtkFont& font, int index, TGlyphEdge edge, uint8_t fill);
// Throws EGlyphEditError when a glyph it reaches is as wide as a glyph can be.
void AddEdgeColumns(TMtkFont& font, int index, const TEdgeColumns& columns);
// Throws EGlyphEditError when a glyph it reaches has no column left, or when glyph 0 of a
// fixed-width font has only one.
TEdgeColumns RemoveEdgeColumns(TMtkFont& font, int index, TGlyphEdge edge);
