#pragma once
// A line of sample text set in the glyphs of the store, wrapped at the image's right edge.

#include <span>

#include <QImage>
#include <QSize>

#include "font/Palette.h"

class TMtkFont;

struct TSampleText {
    QImage Image;       // 8-bit with Palette; the background where no glyph is drawn
    int TotalWidth = 0; // the widths of every glyph drawn, over all lines
};

// The tallest image a sample text is given when its lines do not fit Size, in screen pixels.
constexpr int MaxSampleTextHeight = 4096;

// Codes are glyph indices (SampleTextCodes); those at or above the glyph count are skipped. At a
// zoom above 1 each glyph pixel becomes Zoom x Zoom pixels and the lines wrap as in an image that
// much smaller. The image is Size, or taller when the lines need it (at most MaxSampleTextHeight).
TSampleText RenderSampleText(const TMtkFont& font, std::span<const int> codes, QSize size, TPaletteKind palette,
                             int zoom = 1);
