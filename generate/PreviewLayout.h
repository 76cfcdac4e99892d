#pragma once
// The glyph preview: every glyph in a one-pixel frame, wrapped into rows like text.
// Shared by the window (which draws only the visible part) and the command line.

#include <cstdint>
#include <span>
#include <vector>

#include <QImage>

#include "font/Palette.h"

class TMtkFont;

constexpr int PreviewMargin = 8;        // left, and right: a row may reach client width - 8
constexpr int PreviewGap = 2;           // between frames, horizontally and vertically
constexpr int PreviewFirstRowOffset = 8; // first row below the splitter's bottom edge

// A frame in client coordinates: the glyph at (x, y), w x h, gives (x-1, y-1, x+w+1, y+h+1).
struct TGlyphRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    int GlyphWidth() const { return Right - Left - 2; }
    bool operator==(const TGlyphRect&) const = default;
};

struct TGlyphSize {
    int Width = 0;
    int Height = 0;
};

// A part of the client area, for rendering only what can be seen.
struct TPreviewRegion {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

class TPreviewLayout {
public:
    TPreviewLayout() = default;
    TPreviewLayout(std::span<const TGlyphSize> sizes, int clientWidth, int splitterBottom);
    // Lays out glyphs 0..count-1 of the store; count is clipped to the glyphs it holds. Their
    // sizes are read by as many workers.
    TPreviewLayout(const TMtkFont& font, int count, int clientWidth, int splitterBottom, int workers = 1);

    const std::vector<TGlyphRect>& GlyphRects() const { return FGlyphRects; }
    // The lowest index whose frame contains the point, bounds inclusive; -1 when none.
    int GlyphAtPoint(int x, int y) const;
    // One past the lowest frame row; the first row's top when there are no glyphs.
    int ContentBottom() const;

private:
    std::vector<TGlyphRect> FGlyphRects;
    int FFirstRowTop = 0;
};

// The frame of a marked glyph (one whose ink the cell cuts): yellow in both palettes.
constexpr uint8_t MarkedFrameIndex = 254;

// Renders Region of the laid-out preview: grey background, BorderIndex frames (MarkedFrameIndex
// for the glyphs in Marked, sorted), the glyphs colour-matched into Palette. Pixel (0, 0) of the
// result is client point (Region.Left, Region.Top). Only glyphs whose frames meet the region are
// drawn, by as many workers. A region without area gives a null image.
QImage RenderPreview(const TMtkFont& font, const TPreviewLayout& layout, TPaletteKind palette,
                     const TPreviewRegion& region, std::span<const int32_t> marked = {}, int workers = 1);

// Preview background index: grey in both palettes.
uint8_t PreviewBackgroundIndex(TPaletteKind palette);
