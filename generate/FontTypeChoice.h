#pragma once
// What picking a font type in the type box does to the other options.

#include <functional>
#include <optional>

#include "generate/GenerationOptions.h"

// v rounded up to the next multiple of 4; multiples of 4 stay.
int RoundUpToMultipleOf4(int value);

// The fixed-width type draws without an outline, from glyphs cut to their ink.
void ApplyFixedWidthRule(TGenerationOptions& options);

// The widest glyph a generation with these options makes.
using TWidestGlyph = std::function<int(const TGenerationOptions& options)>;

// The widths that choosing the fixed-width type replaced, and what it put in their place.
struct TTakenWidths {
    int MinWidth = 0;
    int SpaceWidth = 0;
    int GivenMinWidth = 0;
    int GivenSpaceWidth = 0;
};

// Records the type and returns the spin step the minimum and space width boxes take: 4 for the
// fixed-width type, else 1.
// The fixed-width type applies its rule, rounds the space width up to a multiple of 4 and sets
// the minimum width to the least multiple of 4, from the widest glyph of the last generation on,
// at which a generation (Widest) makes no glyph wider: centring and the right margin can add
// columns. Every glyph then fits one 4-aligned cell. The widths it replaces go into Taken, unless
// Taken holds the user's widths from an earlier choice already.
// A variable-width type gives back from Taken each width that still has the value the
// fixed-width type gave it (a width the user changed since stays), and empties Taken.
int ApplyFontTypeChoice(TGenerationOptions& options, int newType, int maxGlyphWidth, const TWidestGlyph& widest,
                        std::optional<TTakenWidths>& taken);
