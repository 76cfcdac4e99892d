#pragma once
// What a BDF export says besides the glyphs: family, style and size for the XLFD name, the
// baseline, the character set and the glyph names, from what is known about the font.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "font/BdfWriter.h"
#include "generate/GenerationOptions.h"

class TFontFace;
class TMtkFont;

struct TBdfSource {
    // The options the glyphs were generated with, or that a loaded font names; none: unknown.
    const TGenerationOptions* Options = nullptr;
    // The primary face at those options, which gives the baseline; none: it is estimated.
    const TFontFace* Face = nullptr;
    // A preset's Unicode by code; empty when the codes are only slots.
    std::span<const uint16_t> CharUnicode;
    std::string PresetDescription; // names the code page when it is a known one
    std::string Family;            // without options, e.g. the file's name
};

TBdfDescription DescribeForBdf(const TMtkFont& store, const TBdfSource& source);

// Rows above the baseline in the stored glyphs, as the generation drew the primary face:
// centred in the common cell, raised by the top cut and the face's shift.
int GenerationBaseline(const TGenerationOptions& options, const TFontFace& primary, int storeHeight);
// The row under the commonest lowest ink row (outline not counted) of the digits and capitals,
// of every glyph when they have no ink; the whole height when nothing has ink.
int EstimatedBaseline(const TMtkFont& store, std::span<const uint16_t> charUnicode);

struct TXlfdCharset {
    std::string Registry;
    std::string Encoding;
};
// The code page a preset's description starts with (e.g. "Windows-1251 (Cyrillic)"), when known.
std::optional<TXlfdCharset> CharsetOfPreset(const std::string& description);
