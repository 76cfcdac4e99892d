#pragma once
// The glyph store as a BDF font: 1 bit per pixel (BDF 2.1) for a 2-colour font, 2 bits per
// pixel (BDF 2.3) for a 4-colour one so that all four colours survive, or 1 bit on request.

#include <cstdint>
#include <string>
#include <vector>

class TMtkFont;

// What the store does not know about itself; the caller fills it from the options, the
// conversion table and the face (or estimates).
struct TBdfDescription {
    std::string Family{};
    bool Bold = false;
    bool Italic = false;
    int PixelSize = 0; // the font's height, FONT_ASCENT + FONT_DESCENT
    int PointSize = 0; // tenths of a point, at 96 dpi
    int Ascent = 0;    // rows above the baseline; the rest of the height is the descent
    std::string Registry{};
    std::string Encoding{};
    std::vector<std::string> GlyphNames{}; // by code; a missing or empty one is named by its code
    int DefaultChar = 0;
    std::vector<std::string> Comments{};
};

// A 4-colour font written in 1 bit sets the ink and the outline.
enum class TBdfDepth { AsFont, OneBit };

std::vector<uint8_t> EncodeBdf(const TMtkFont& font, const TBdfDescription& description, TBdfDepth depth);
// Throws EFontLimitError, before anything is written, for a store without glyphs.
void SaveBdfFile(const TMtkFont& font, const TBdfDescription& description, TBdfDepth depth,
                 const std::string& fileName);
