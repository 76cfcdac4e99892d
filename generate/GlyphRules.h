#pragma once
// The glyph operations of the width and cut rules, and the width rules A to E in order.

#include <cstdint>

#include "font/GlyphBitmap.h"
#include "generate/GenerationOptions.h"

// Removes background columns at both sides and centres the rest in Target columns
// (or in its own width when larger); returns the new width.
int FitGlyphWidth(TGlyphBitmap& bitmap, int target, uint8_t backgroundIndex);

// Background columns at the right edge; an all-background bitmap gives its width.
int CountRightBackground(const TGlyphBitmap& bitmap, uint8_t backgroundIndex);

// Paints every non-foreground pixel within Steps (Chebyshev distance) of a foreground pixel.
void OutlineGlyph(TGlyphBitmap& bitmap, uint8_t outlineIndex, uint8_t foregroundIndex, int steps);

// What the width rules read for one glyph besides the options.
struct TWidthRuleInput {
    const TGenerationOptions* Options = nullptr;
    uint8_t BackgroundIndex = 1;
    int MinWidth = 0;      // read once per generation
    int SpaceWidth = 0;
    int RightMargin = 0;
    uint16_t DigitWidth = 0;
    bool SameWidthChar = false;
    bool DigitPass = false; // rules B and E do not apply in the digit pass
    uint16_t Unicode = 0;
    bool Covered = true;
    // A joining form's ink meets its neighbour's on that side: no rule pads it there.
    bool JoinsLeft = false;
    bool JoinsRight = false;
};

// Rules A (cut left-right, digit width), B (space), C (right margin), D (divisor) and
// E (invalid characters), in that order. Width is the drawn width, which the bitmap has on entry.
// Returns W; the bitmap's width follows it except under E.
uint16_t ApplyWidthRules(TGlyphBitmap& bitmap, uint16_t width, const TWidthRuleInput& input);
