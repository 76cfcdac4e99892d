// Glyph strip BMP (export and import) and one BMP per glyph (export), through QImage.

#include <algorithm>
#include <cstring>

#include <QByteArray>
#include <QImage>
#include <QList>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/ImageFile.h"
#include "font/MtkFont.h"

namespace {

// Middle-row values from here on are separators; below it they are glyph pixels.
constexpr uint8_t FirstSeparatorValue = 4;
constexpr int MaxStripHeight = 255;
// 96 dots per inch, the screen resolution the glyphs are drawn for.
constexpr int DotsPerMeter = 3780;

// Every BMP the project writes starts here, so its bytes do not depend on the process: QImage
// leaves its memory, row padding included, uninitialised and takes its resolution from the
// screen when there is one, and the BMP writer stores both as they are.
QImage NewIndexedImage(int width, int height, TPaletteKind kind)
{
    QImage image(width, height, QImage::Format_Indexed8);
    if (image.isNull())
        throw EFontLimitError(
            StrFormat(CORE_TEXT("CoreMessage", "A picture of %d x %d pixels cannot be made."), width, height));
    std::memset(image.bits(), 0, static_cast<size_t>(image.sizeInBytes()));
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    const TPalette palette = CreatePalette(kind);
    image.setColorTable(QList<QRgb>(palette.Argb.begin(), palette.Argb.end()));
    return image;
}

void CopyGlyph(const TGlyphBitmap& glyph, QImage& image, int left, int rows)
{
    for (int y = 0; y < rows && glyph.Width() > 0; ++y)
        std::memcpy(image.scanLine(y) + left, glyph.Row(y), static_cast<size_t>(glyph.Width()));
}

// Bits per pixel from the BMP's own header; Qt widens 4-bit pictures to 8 bits on reading.
int BmpBitCount(const std::vector<uint8_t>& bytes)
{
    constexpr size_t InfoHeaderStart = 14;
    if (bytes.size() < InfoHeaderStart + 16)
        return 0;
    const uint32_t infoSize = bytes[14] | (bytes[15] << 8) | (bytes[16] << 16) | (uint32_t(bytes[17]) << 24);
    const size_t at = infoSize == 12 ? InfoHeaderStart + 10 : InfoHeaderStart + 14;
    return bytes[at] | (bytes[at + 1] << 8);
}

} // namespace

void TMtkFont::SaveToBmpFile(const std::string& fileName) const
{
    const int count = GlyphCount();
    if (count == 0)
        return;
    if (FHeight == 0)
        throw EInvalidGraphic(CORE_TEXT("CoreMessage", "A font of height 0 cannot be saved as a BMP picture."));
    int64_t width = 0;
    for (int k = 0; k < count; ++k)
        width += GetGlyph(k)->Width() + 1;
    if (width > INT32_MAX)
        throw EFontLimitError(CORE_TEXT("CoreMessage", "The glyph strip is too wide for a BMP picture."));

    QImage strip = NewIndexedImage(static_cast<int>(width), FHeight, GlyphPaletteKind());
    strip.fill(BorderIndex);
    const int markerRows = FHeight / 4;
    int x = 0;
    for (int k = 0; k < count; ++k) {
        const TGlyphBitmap& glyph = *GetGlyph(k);
        CopyGlyph(glyph, strip, x, std::min<int>(glyph.Height(), FHeight));
        x += glyph.Width();
        for (int r = 0; r <= markerRows; ++r)
            strip.scanLine(r)[x] = GetPadColor(k);
        ++x;
    }
    SaveImageFile(strip, fileName, "BMP");
}

void TMtkFont::LoadFromBmpFile(const std::string& fileName)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(fileName);
    const QImage image = QImage::fromData(
        QByteArrayView(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())), "BMP");
    if (image.isNull())
        throw EInvalidGraphic(
            StrFormat(CORE_TEXT("CoreMessage", "Bitmap image is not valid: \"%s\""), fileName.c_str()));
    if (BmpBitCount(bytes) != 8) {
        Clear();
        return;
    }
    LoadFromBmp(image);
}

void TMtkFont::LoadFromBmp(const QImage& bitmap)
{
    const bool indexed = bitmap.format() == QImage::Format_Indexed8;
    if (bitmap.isNull())
        throw EInvalidGraphic(CORE_TEXT("CoreMessage", "Bitmap image is not valid"));
    if (indexed && bitmap.height() > MaxStripHeight)
        throw EInvalidGraphic(
            StrFormat(CORE_TEXT("CoreMessage", "The picture is %d rows high; a font can be at most %d rows high."),
                      bitmap.height(), MaxStripHeight));
    Clear();
    if (!indexed)
        return;

    FCompression = 1;
    FHeight = static_cast<uint8_t>(bitmap.height());
    FBitsPerPixel = 2;
    FVariableWidth = true;

    const int width = bitmap.width();
    const uint8_t* middle = bitmap.constScanLine(bitmap.height() / 2);
    const uint8_t* top = bitmap.constScanLine(0);
    int pos = 0;
    while (pos < width) {
        int separator = pos;
        while (separator < width && middle[separator] < FirstSeparatorValue)
            ++separator;
        // A strip without a final separator gives up its last column as one.
        if (separator == width)
            --separator;
        const int glyphWidth = separator - pos;
        auto glyph = std::make_unique<TGlyphBitmap>(glyphWidth, FHeight, TPaletteKind::FourColor);
        for (int y = 0; y < FHeight && glyphWidth > 0; ++y)
            std::memcpy(glyph->Row(y), bitmap.constScanLine(y) + pos, static_cast<size_t>(glyphWidth));
        AddGlyph(std::move(glyph), top[separator]);
        pos = separator + 1;
    }
}

// A QImage cannot be 0 pixels wide or high, so an empty glyph is written as a single
// BorderIndex column (or row): the same mark the strip uses for "no glyph pixel here".
// Every glyph gets its file, so file k is always glyph k.
void TMtkFont::SaveGlyphBmps(const std::string& folder) const
{
    const int count = GlyphCount();
    for (int k = 0; k < count; ++k) {
        const TGlyphBitmap& glyph = *GetGlyph(k);
        const std::string fileName = folder + StrFormat("%.5d", k) + ".bmp";
        QImage image = NewIndexedImage(std::max(glyph.Width(), 1), std::max(glyph.Height(), 1), glyph.PaletteKind());
        if (glyph.Width() == 0 || glyph.Height() == 0)
            image.fill(BorderIndex);
        else
            CopyGlyph(glyph, image, 0, glyph.Height());
        SaveImageFile(image, fileName, "BMP");
    }
}
