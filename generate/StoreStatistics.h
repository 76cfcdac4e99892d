#pragma once
// The statistics of the glyphs in hand, whether generated, opened or edited.

#include "generate/Generator.h"

// The widest glyph (the lowest code among equals), the tallest glyph and the size the store
// would have saved in the mode.
TGenerationStats MeasureStore(const TMtkFont& store, bool newMode);
