#pragma once
// One font at one pixel size and style, drawing single UTF-16 code units into glyph bitmaps
// the way a screen font engine does: a character cell of the advance width, hinted as the
// glyph is drawn, and the font's ascent + descent; ink as the rendering mode decides.

#include <cstdint>
#include <memory>
#include <string>

#include "font/GlyphBitmap.h"
#include "generate/FontCoverage.h"
#include "generate/Rendering.h"

class TCellCache;
class TFontLibrary; // the rasteriser instance faces are opened with
class TRasterBudget;

std::shared_ptr<TFontLibrary> CreateFontLibrary();

// Points to pixels on a 96-dpi screen, rounded to a whole em as the screen engine does.
int PointsToPixels(int points);

// What identifies a sized face: the face in a file, its em in pixels, the styles asked for and
// how it is rendered. A bold or italic the face does not have itself is added by the rasteriser.
struct TFaceSpec {
    std::string File;
    int FaceIndex = 0;
    int PixelSize = 16;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TRendering Rendering;
    // Arabic presentation forms missing from the character map are shaped from their letters.
    bool ShapeArabic = false;

    std::string Key() const;
};

// Columns of a character's ink left of its pen origin and right of its advance.
struct TOverhang {
    int Left = 0;
    int Right = 0;
};

// Rows of a character's ink that fall outside the rows a cell keeps.
struct TClippedInk {
    int Top = 0;
    int Bottom = 0;

    bool Any() const { return Top > 0 || Bottom > 0; }
    bool operator==(const TClippedInk&) const = default;
};

class TFontFace {
public:
    // Throws EFOpenError when the file is not a font the rasteriser can read.
    // Without a budget no rendered glyph is kept.
    TFontFace(std::shared_ptr<TFontLibrary> library, const TFaceSpec& spec, std::shared_ptr<TRasterBudget> budget);
    ~TFontFace();
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    const TFaceSpec& Spec() const;
    int Ascent() const;
    int Descent() const;
    bool SyntheticBold() const;
    bool SyntheticItalic() const;

    // The advance in whole pixels, hinted as the glyph is drawn.
    int TextWidthW(uint16_t character) const;
    // The cell height, ascent + descent: the same for every character.
    int TextHeightW(uint16_t character) const;
    // Drawn that much further right in a box that much wider than the advance, no ink is lost.
    TOverhang Overhang(uint16_t character) const;
    // The rows holding ink above row 0 and from row VisibleRows on, the cell top at Y.
    TClippedInk ClippedInk(uint16_t character, int y, int visibleRows) const;
    // Fills the cell (advance x cell height) whose top-left corner is X, Y with BrushIndex and
    // sets the ink to FontIndex; clipped to the bitmap, offsets may be negative.
    void TextOutW(TGlyphBitmap& bitmap, int x, int y, uint16_t character, uint8_t fontIndex, uint8_t brushIndex) const;

    // The code units 0000..FFFF of the font's character map as ranges; the full range when the
    // map is empty.
    const TAUCMinMax& Coverage() const;
    // Whether the character map has the character itself (an empty map has none).
    bool MapsCharacter(uint16_t character) const;
    // Whether the character is a presentation form that the map lacks and the face draws from
    // its letters (only when shaping is asked for).
    bool ShapesCharacter(uint16_t character) const;

    // The generator's finished cells drawn with this face, kept within the same budget as the
    // rasters and for as long as the face.
    TCellCache& Cells() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
