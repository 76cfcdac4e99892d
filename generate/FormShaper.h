#pragma once
// Letters shaped by the font's own rules (HarfBuzz), for the presentation forms a font's
// character map lacks although its shaping draws them.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A glyph of the font where the shaper puts it: pixels from the pen position, right and up.
struct TPlacedGlyph {
    uint32_t Glyph = 0;
    int X = 0;
    int Y = 0;
};

class TFormShaper {
public:
    // Reads the face at that em in pixels; a file HarfBuzz cannot read shapes nothing.
    TFormShaper(const std::string& file, int faceIndex, int pixelSize);
    ~TFormShaper();
    TFormShaper(const TFormShaper&) = delete;
    TFormShaper& operator=(const TFormShaper&) = delete;

    // Arabic letters in logical order, with a joiner before and after them as asked, shaped
    // into glyphs left to right; empty when the font lacks a glyph for any of them.
    std::vector<TPlacedGlyph> Shape(std::u16string_view letters, bool joinBefore, bool joinAfter) const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
