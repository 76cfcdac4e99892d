#pragma once
// Random glyph stores for the round-trip targets, and the comparison they assert with.

#include <functional>
#include <memory>

#include <fuzzer/FuzzedDataProvider.h>

#include "font/MtkFont.h"

struct TStoreShape {
    int MinWidth = 0;
    int MaxWidth = 252;
    int WidthStep = 1;       // widths are multiples of this
    bool FixedWidth = false; // every glyph as wide as the first
    int MinHeight = 1;
    int MaxHeight = 64;
    int Colors = 4;          // pixels and pad colours are 0..Colors-1
    int MaxGlyphs = 16;
    // Glyphs stop once this many pixels are made; big stores only repeat the same runs.
    size_t MaxPixels = 8192;
};

// Glyphs and FHeight from the input; a 2-colour shape makes a fixed-width uncompressed store,
// any other a compressed variable-width one. Pixels come in runs, so long runs and
// row-crossing runs are as likely as noise; once the input runs out the rest stay 0.
void FillRandomStore(FuzzedDataProvider& input, const TStoreShape& shape, TMtkFont& font);

// Font written into memory and read back by the font reader.
std::unique_ptr<TMtkFont> WrittenAndReadBack(const TMtkFont& font, bool newMode);

// Aborts on the first difference in count, size or pixels. PadOf gives the pad colour the
// second store must hold for glyph k of the first; empty skips the pad colours.
void RequireSameGlyphs(const TMtkFont& expected, const TMtkFont& actual,
                       const std::function<uint8_t(int)>& padOf, const char* what);
