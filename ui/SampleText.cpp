#include "ui/SampleText.h"

#include <algorithm>
#include <vector>

#include <QList>

#include "font/MtkFont.h"
#include "generate/PreviewLayout.h"

namespace {

QList<QRgb> ColorTable(TPaletteKind kind)
{
    const TPalette palette = CreatePalette(kind);
    return QList<QRgb>(palette.Argb.begin(), palette.Argb.end());
}

void DrawGlyph(QImage& canvas, const TGlyphBitmap& glyph, int x, int y)
{
    const TPalette colors = CreatePalette(glyph.PaletteKind());
    const int left = std::max(x, 0);
    const int right = std::min(x + glyph.Width(), canvas.width());
    const int bottom = std::min(y + glyph.Height(), canvas.height());
    for (int row = std::max(y, 0); row < bottom; ++row) {
        auto* target = reinterpret_cast<QRgb*>(canvas.scanLine(row));
        const uint8_t* source = glyph.Row(row - y);
        for (int column = left; column < right; ++column)
            target[column] = colors.Argb[source[column - x]];
    }
}

// Each pixel of Image as Zoom x Zoom pixels, in an image of Size; Fill where Image does not reach.
QImage ZoomedImage(const QImage& image, int zoom, QSize size, const QList<QRgb>& colors, uint8_t fill)
{
    if (zoom == 1)
        return image;
    QImage zoomed(size, QImage::Format_Indexed8);
    zoomed.setColorTable(colors);
    zoomed.fill(fill);
    const int width = std::min(image.width() * zoom, size.width());
    const int height = std::min(image.height() * zoom, size.height());
    for (int y = 0; y < height; ++y) {
        const uchar* source = image.constScanLine(y / zoom);
        uchar* target = zoomed.scanLine(y);
        for (int x = 0; x < width; ++x)
            target[x] = source[x / zoom];
    }
    return zoomed;
}

} // namespace

TSampleText RenderSampleText(const TMtkFont& font, std::span<const int> codes, QSize size, TPaletteKind palette,
                             int zoom)
{
    TSampleText result;
    struct TPlacedGlyph {
        const TGlyphBitmap* Glyph;
        int X;
        int Y;
    };
    // Lines that do not fit make the image taller, up to a bound, so that it can be scrolled.
    const int width = size.width() / zoom;
    const int highest = std::max(size.height(), MaxSampleTextHeight) / zoom;
    int height = size.height() / zoom;
    std::vector<TPlacedGlyph> placed;
    int x = 0;
    int y = 0;
    for (const int code : codes) {
        if (code < 0 || code >= font.GlyphCount())
            continue;
        const TGlyphBitmap& glyph = *font.GetGlyph(code);
        if (x + glyph.Width() >= width) {
            x = 0;
            y += glyph.Height();
        }
        placed.push_back({&glyph, x, y});
        height = std::clamp(y + glyph.Height(), height, highest);
        x += glyph.Width();
        result.TotalWidth += glyph.Width();
    }

    const QList<QRgb> colors = ColorTable(palette);
    // Glyphs keep their own colours; the conversion to the image's palette matches them.
    QImage canvas(QSize(width, height), QImage::Format_RGB32);
    canvas.fill(colors[PreviewBackgroundIndex(palette)]);
    for (const TPlacedGlyph& glyph : placed)
        DrawGlyph(canvas, *glyph.Glyph, glyph.X, glyph.Y);
    result.Image = ZoomedImage(canvas.convertToFormat(QImage::Format_Indexed8, colors, Qt::ThresholdDither), zoom,
                               QSize(size.width(), std::max(size.height(), height * zoom)), colors,
                               PreviewBackgroundIndex(palette));
    return result;
}
