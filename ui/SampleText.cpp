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

// Windows-1252 codes 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

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

QByteArray SampleTextCodes(const QString& text)
{
    QByteArray codes;
    codes.reserve(text.size());
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            codes.append(static_cast<char>(unit));
            continue;
        }
        for (int i = 0; i < 32; ++i)
            if (Cp1252High[i] == unit)
                codes.append(static_cast<char>(0x80 + i));
    }
    return codes;
}

TSampleText RenderSampleText(const TMtkFont& font, const QByteArray& text, QSize size, TPaletteKind palette,
                             int zoom)
{
    TSampleText result;
    const QList<QRgb> colors = ColorTable(palette);
    // Glyphs keep their own colours; the conversion to the image's palette matches them.
    QImage canvas(QSize(size.width() / zoom, size.height() / zoom), QImage::Format_RGB32);
    canvas.fill(colors[PreviewBackgroundIndex(palette)]);
    int x = 0;
    int y = 0;
    for (const char byte : text) {
        const int code = static_cast<unsigned char>(byte);
        if (code >= font.GlyphCount())
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
    result.Image = ZoomedImage(canvas.convertToFormat(QImage::Format_Indexed8, colors, Qt::ThresholdDither), zoom,
                               size, colors, PreviewBackgroundIndex(palette));
    return result;
}
