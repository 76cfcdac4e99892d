#pragma once
// What picking a font type in the type box does to the other options.

#include "generate/GenerationOptions.h"

// v rounded up to the next multiple of 4; multiples of 4 stay.
int RoundUpToMultipleOf4(int value);

// The fixed-width type draws without an outline, from glyphs cut to their ink.
void ApplyFixedWidthRule(TGenerationOptions& options);

// Records the type. The fixed-width type applies its rule, and sets
// the minimum width to the widest glyph of the last generation and the space width to a
// multiple of 4, so every glyph of the fixed-width font fits one 4-aligned cell. Returns the
// spin step the minimum and space width boxes take: 4 for the fixed-width type, else 1.
int ApplyFontTypeChoice(TGenerationOptions& options, int newType, int maxGlyphWidth);
