#pragma once
// BDF, the text format of X11 bitmap fonts: versions 2.1 to 2.3, 1, 2, 4 or 8 bits per pixel.
// A file is read once into a TBdfFont, so the caller can look at it (the window asks for the
// font type of a 1-bit font of one width) before LoadBdf fills the store.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "font/Errors.h"

class TMtkFont;

// A BDF the reader refuses; nothing has been changed.
class EBdfError : public EGlyphForgeError {
public:
    using EGlyphForgeError::EGlyphForgeError;
};

struct TBdfGlyph {
    std::string Name;
    int Code = 0;    // the store slot: ENCODING, 0..65534
    int Width = 0;   // the stored width: DWIDTH, widened where ink lies outside it
    // The ink box, trimmed to the pixels that are not 0: columns from the glyph's left edge,
    // rows above the baseline (Bottom may be negative). Empty for a glyph without ink.
    int InkLeft = 0;
    int InkBottom = 0;
    int InkWidth = 0;
    int InkHeight = 0;
    std::vector<uint8_t> Levels; // InkWidth x InkHeight, top row first, 0..2^bits - 1
};

struct TBdfFont {
    int BitsPerPixel = 1;
    // The cell: FONT_ASCENT and FONT_DESCENT (else FONTBOUNDINGBOX), grown to hold every ink row.
    int Ascent = 0;
    int Descent = 0;
    std::vector<TBdfGlyph> Glyphs; // by ascending code, each code once
    // Problems of damaged input that did not stop the import, one line each.
    std::vector<std::string> Warnings;

    int Height() const { return Ascent + Descent; }
    // Every glyph has the same stored width.
    bool OneWidth() const;
};

// Throws EBdfError for input that is not a BDF font or holds nothing that can be imported.
TBdfFont ReadBdf(std::span<const uint8_t> data);
// Also throws EFOpenError when the file cannot be read.
TBdfFont ReadBdfFile(const std::string& fileName);

enum class TBdfTarget {
    FourColor,     // 0 background, the top level ink, the levels between outline or second background
    TwoColorFixed, // ink and background; every glyph must have one width
};

// Replaces the store's content with the font's glyphs, codes without a glyph as blank glyphs
// (0 wide in a 4-colour font), and sends the warnings to the store's message sink as one
// message. Throws EBdfError, leaving the store as it was, when the glyphs' widths differ for
// the fixed-width type.
void LoadBdf(TMtkFont& store, const TBdfFont& font, TBdfTarget target);
