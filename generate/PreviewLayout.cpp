#include "generate/PreviewLayout.h"

#include <algorithm>
#include <array>
#include <limits>

#include <QList>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/Format.h"
#include "font/MtkFont.h"
#include "font/Workers.h"

namespace {

// Shares of work below these sizes cost more to hand to a worker than to do.
constexpr int SizesPerWorker = 4096;
constexpr int RowsPerWorker = 64;

std::vector<TGlyphSize> StoreSizes(const TMtkFont& font, int count, int workers)
{
    // Each glyph lies apart in memory: reading the sizes is a wait for memory per glyph.
    std::vector<TGlyphSize> sizes(static_cast<size_t>(std::clamp(count, 0, font.GlyphCount())));
    RunOnShares(workers, static_cast<int>(sizes.size()), SizesPerWorker, [&](int first, int end) {
        for (int i = first; i < end; ++i) {
            const TGlyphBitmap& glyph = *font.GetGlyph(i);
            sizes[static_cast<size_t>(i)] = {glyph.Width(), glyph.Height()};
        }
    });
    return sizes;
}

int ColorDistance(uint32_t a, uint32_t b)
{
    const int dr = int((a >> 16) & 0xFF) - int((b >> 16) & 0xFF);
    const int dg = int((a >> 8) & 0xFF) - int((b >> 8) & 0xFF);
    const int db = int(a & 0xFF) - int(b & 0xFF);
    return dr * dr + dg * dg + db * db;
}

// Index of the nearest colour in To for every entry of From (the lowest index on ties),
// as drawing a picture into one with another palette does.
std::array<uint8_t, 256> ColorMatch(TPaletteKind from, TPaletteKind to)
{
    std::array<uint8_t, 256> match{};
    const TPalette source = CreatePalette(from);
    const TPalette target = CreatePalette(to);
    for (size_t i = 0; i < match.size(); ++i) {
        int best = std::numeric_limits<int>::max();
        for (size_t j = 0; j < target.Argb.size() && best > 0; ++j) {
            const int distance = ColorDistance(source.Argb[i], target.Argb[j]);
            if (distance < best) {
                best = distance;
                match[i] = static_cast<uint8_t>(j);
            }
        }
    }
    return match;
}

// The region as a clip rectangle in client coordinates, right and bottom exclusive.
struct TClip {
    int Left, Top, Right, Bottom;
};

// The image's pixels, written by several workers at once, each in rows of its own: QImage's
// own row access is not safe from several threads.
struct TPixels {
    uint8_t* Bits;
    qsizetype BytesPerLine;
    int Left, Top; // the client point of the image's first pixel

    uint8_t* At(int x, int y) const { return Bits + (y - Top) * BytesPerLine + (x - Left); }
};

void FillClipped(const TPixels& image, const TClip& clip, int left, int top, int right, int bottom, uint8_t value)
{
    left = std::max(left, clip.Left);
    top = std::max(top, clip.Top);
    right = std::min(right, clip.Right);
    bottom = std::min(bottom, clip.Bottom);
    for (int y = top; y < bottom; ++y)
        std::fill_n(image.At(left, y), std::max(right - left, 0), value);
}

void DrawFrame(const TPixels& image, const TClip& clip, const TGlyphRect& rect, uint8_t index)
{
    // The border lies on x-1 and x+w, y-1 and y+h: the rectangle without its right column and bottom row.
    FillClipped(image, clip, rect.Left, rect.Top, rect.Right, rect.Top + 1, index);
    FillClipped(image, clip, rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom, index);
    FillClipped(image, clip, rect.Left, rect.Top, rect.Left + 1, rect.Bottom, index);
    FillClipped(image, clip, rect.Right - 1, rect.Top, rect.Right, rect.Bottom, index);
}

void DrawGlyph(const TPixels& image, const TClip& clip, const TGlyphRect& rect, const TGlyphBitmap& glyph,
               const std::array<uint8_t, 256>& match)
{
    const int x0 = rect.Left + 1;
    const int y0 = rect.Top + 1;
    const int left = std::max(x0, clip.Left);
    const int right = std::min({x0 + glyph.Width(), rect.Right - 1, clip.Right});
    const int top = std::max(y0, clip.Top);
    const int bottom = std::min({y0 + glyph.Height(), rect.Bottom - 1, clip.Bottom});
    for (int y = top; y < bottom; ++y) {
        const uint8_t* source = glyph.Row(y - y0);
        uint8_t* target = image.At(left, y);
        for (int x = left; x < right; ++x)
            target[x - left] = match[source[x - x0]];
    }
}

} // namespace

TPreviewLayout::TPreviewLayout(std::span<const TGlyphSize> sizes, int clientWidth, int splitterBottom)
{
    const int rowLimit = clientWidth - PreviewMargin;
    int x = PreviewMargin;
    int y = splitterBottom + PreviewFirstRowOffset;
    FFirstRowTop = y - 1;
    FGlyphRects.reserve(sizes.size());
    for (const TGlyphSize& size : sizes) {
        // The new row advances by the height of the glyph that starts it.
        if (x + size.Width > rowLimit) {
            y += size.Height + PreviewGap;
            x = PreviewMargin;
        }
        FGlyphRects.push_back({x - 1, y - 1, x + size.Width + 1, y + size.Height + 1});
        x += size.Width + PreviewGap;
    }
}

TPreviewLayout::TPreviewLayout(const TMtkFont& font, int count, int clientWidth, int splitterBottom, int workers)
    : TPreviewLayout(StoreSizes(font, count, workers), clientWidth, splitterBottom)
{
}

int TPreviewLayout::GlyphAtPoint(int x, int y) const
{
    for (size_t i = 0; i < FGlyphRects.size(); ++i) {
        const TGlyphRect& r = FGlyphRects[i];
        if (r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom)
            return static_cast<int>(i);
    }
    return -1;
}

int TPreviewLayout::ContentBottom() const
{
    int bottom = FFirstRowTop;
    for (const TGlyphRect& r : FGlyphRects)
        bottom = std::max(bottom, r.Bottom);
    return bottom;
}

uint8_t PreviewBackgroundIndex(TPaletteKind palette)
{
    return palette == TPaletteKind::TwoColor ? 0 : 1;
}

QImage RenderPreview(const TMtkFont& font, const TPreviewLayout& layout, TPaletteKind palette,
                     const TPreviewRegion& region, std::span<const int32_t> marked, int workers)
{
    if (region.Width <= 0 || region.Height <= 0)
        return QImage();
    QImage image(region.Width, region.Height, QImage::Format_Indexed8);
    if (image.isNull())
        throw EFontLimitError(StrFormat(CORE_TEXT("CoreMessage", "A preview of %d x %d pixels cannot be made."),
                                        region.Width, region.Height));
    const TPalette colors = CreatePalette(palette);
    image.setColorTable(QList<QRgb>(colors.Argb.begin(), colors.Argb.end()));
    image.fill(PreviewBackgroundIndex(palette));

    const std::array<std::array<uint8_t, 256>, 2> matches = {ColorMatch(TPaletteKind::TwoColor, palette),
                                                              ColorMatch(TPaletteKind::FourColor, palette)};
    const TPixels pixels{image.bits(), image.bytesPerLine(), region.Left, region.Top};
    const std::vector<TGlyphRect>& rects = layout.GlyphRects();
    // Each worker draws a band of rows, every frame and glyph in it in the order of the glyphs.
    RunOnShares(workers, region.Height, RowsPerWorker, [&](int first, int end) {
        const TClip clip{region.Left, region.Top + first, region.Left + region.Width, region.Top + end};
        for (size_t i = 0; i < rects.size(); ++i) {
            const TGlyphRect& rect = rects[i];
            // Rows only move down, so nothing after this frame can reach the band.
            if (rect.Top >= clip.Bottom)
                break;
            if (rect.Bottom <= clip.Top || rect.Right <= clip.Left || rect.Left >= clip.Right)
                continue;
            const bool isMarked = std::binary_search(marked.begin(), marked.end(), static_cast<int32_t>(i));
            DrawFrame(pixels, clip, rect, isMarked ? MarkedFrameIndex : BorderIndex);
            if (const TGlyphBitmap* glyph = font.GetGlyph(static_cast<int>(i)))
                DrawGlyph(pixels, clip, rect, *glyph, matches[glyph->PaletteKind() == TPaletteKind::TwoColor ? 0 : 1]);
        }
    });
    return image;
}
