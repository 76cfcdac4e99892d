#pragma once
// The width rules worked out on the columns of a drawn glyph that hold anything but
// background, so the stored bitmap is built once in its final width instead of being
// resized by every rule.

#include <cstdint>
#include <span>
#include <vector>

#include "font/GlyphBitmap.h"
#include "generate/GlyphRules.h"

// 1 for each column with a pixel other than BackgroundIndex, else 0.
std::vector<uint8_t> FindInkColumns(const TGlyphBitmap& bitmap, uint8_t backgroundIndex);

// Where the drawn columns end up: columns [First, End) of the drawn glyph move by Shift into a
// bitmap Width columns wide, every other pixel is background. InkColumns must outlive it.
class TColumnLayout {
public:
    explicit TColumnLayout(std::span<const uint8_t> inkColumns);

    int Width() const { return FWidth; }
    // Cuts or pads at the right edge.
    void SetWidth(int width);
    // Trims the background columns at both sides and centres the rest in Target columns (or in
    // its own width when larger); an unchanged width leaves the ink where it is. A side that
    // joins gets no padding: the other side takes it all, or none is added when both join.
    int Fit(int target, bool joinsLeft = false, bool joinsRight = false);
    // Background columns at the right edge; all of them when there is no ink.
    int RightBackground() const;

    TGlyphBitmap Build(const TGlyphBitmap& drawn, uint8_t backgroundIndex) const;
    // The same into Result, in its memory where that fits.
    void Build(const TGlyphBitmap& drawn, uint8_t backgroundIndex, TGlyphBitmap& result) const;

private:
    struct TExtent {
        int First; // End when there is no ink
        int Last;  // First - 1 when there is no ink
    };
    TExtent InkExtent() const;

    std::span<const uint8_t> FInk;
    int FWidth;
    int FShift = 0;
    int FFirst = 0;
    int FEnd;
};

struct TWidthPlan {
    uint16_t W;
    TColumnLayout Layout;
};

// Rules A to E of ApplyWidthRules on a drawn glyph of Width columns with these ink columns.
TWidthPlan PlanWidthRules(std::span<const uint8_t> inkColumns, uint16_t width, const TWidthRuleInput& input);
