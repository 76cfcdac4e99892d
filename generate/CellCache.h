#pragma once
// Glyph cells as drawn, cut and outlined, kept per face, so that a change of a width option
// only runs the width rules again.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "font/GlyphBitmap.h"
#include "generate/FontFace.h"

class TRasterBudget;

// Everything besides the face and the character that a finished cell depends on.
struct TCellContext {
    int Outline = 0;
    int CellHeight = 0;
    int TextTop = 0; // the row the text's line box starts at, cuts and shifts applied
    int TopCutRows = 0;
    int BottomCutRows = 0;
    bool TwoColor = false;
    uint8_t Background = 1;

    bool operator==(const TCellContext&) const = default;
};

struct TGlyphCell {
    TCellContext Context;
    TGlyphBitmap Bitmap;
    std::vector<uint8_t> InkColumns; // see FindInkColumns
    TClippedInk Clipped;             // ink the cell's rows leave out

    size_t Bytes() const { return sizeof(TGlyphCell) + Bitmap.Bits().size() + InkColumns.size(); }
};

class TCellCache {
public:
    // Without a budget nothing is kept.
    explicit TCellCache(std::shared_ptr<TRasterBudget> budget);
    ~TCellCache();
    TCellCache(const TCellCache&) = delete;
    TCellCache& operator=(const TCellCache&) = delete;

    const TGlyphCell* Find(uint16_t character, const TCellContext& context) const;
    // Room to draw a cell in: the memory of the cell drawn before when that one was not kept,
    // so drawing without keeping allocates nothing new for the next glyph.
    TGlyphCell& Draft() { return FDraft; }
    // Keeps the draft as the character's cell, in place of its earlier one, when the budget
    // allows; the reference stays valid until the next draft is drawn.
    const TGlyphCell& KeepDraft(uint16_t character);

private:
    std::shared_ptr<TRasterBudget> FBudget;
    std::vector<std::unique_ptr<TGlyphCell>> FCells; // by character, once something is kept
    size_t FBytes = 0;
    TGlyphCell FDraft;
};
