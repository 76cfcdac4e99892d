#include "ui/SampleText.h"

#include <algorithm>

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

} // namespace

TSampleText RenderSampleText(const TMtkFont& font, std::span<const int> codes, QSize size, TPaletteKind palette)
{
    TSampleText result;
    const QList<QRgb> colors = ColorTable(palette);
    // Glyphs keep their own colours; the conversion to the image's palette matches them.
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(colors[PreviewBackgroundIndex(palette)]);
    int x = 0;
    int y = 0;
    for (const int code : codes) {
        if (code < 0 || code >= font.GlyphCount())
            continue;
        const TGlyphBitmap& glyph = *font.GetGlyph(code);
        if (x + glyph.Width() >= canvas.width()) {
            x = 0;
            y += glyph.Height();
        }
        DrawGlyph(canvas, glyph, x, y);
        x += glyph.Width();
        result.TotalWidth += glyph.Width();
    }
    result.Image = canvas.convertToFormat(QImage::Format_Indexed8, colors, Qt::ThresholdDither);
    return result;
}
