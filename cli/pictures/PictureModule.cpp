// The picture module of glyphforge: the font forms and the preview sheet that need Qt's imaging.

#include <QImage>

#include "cli/PictureModule.h"
#include "font/Errors.h"
#include "font/FileFormats.h"
#include "font/Format.h"
#include "font/ImageFile.h"
#include "font/MtkFont.h"
#include "generate/PreviewLayout.h"

namespace {

constexpr int64_t MaxSheetPixels = int64_t{1} << 30;

QImage ScaleUp(const QImage& image, int scale)
{
    if (scale == 1)
        return image;
    QImage scaled(image.width() * scale, image.height() * scale, QImage::Format_Indexed8);
    if (scaled.isNull())
        throw EFontLimitError("The preview sheet is too large to make.");
    scaled.setColorTable(image.colorTable());
    for (int y = 0; y < scaled.height(); ++y) {
        const uint8_t* source = image.constScanLine(y / scale);
        uint8_t* target = scaled.scanLine(y);
        for (int x = 0; x < scaled.width(); ++x)
            target[x] = source[x / scale];
    }
    return scaled;
}

void SavePreviewSheet(const TMtkFont& font, int width, int scale, const std::string& fileName)
{
    const TPreviewLayout layout(font, font.GlyphCount(), width, 0);
    // As much room below the last row as above the first.
    const int height = layout.ContentBottom() + PreviewFirstRowOffset - 1;
    if (int64_t{width} * height * scale * scale > MaxSheetPixels)
        throw EFontLimitError(StrFormat("The preview sheet of %d x %d pixels at scale %d is too large.", width,
                                        height, scale));
    const QImage sheet = RenderPreview(font, layout, font.GlyphPaletteKind(), {0, 0, width, height});
    SaveImageFile(ScaleUp(sheet, scale), fileName, "PNG");
}

const TPictureModule Module{FontFormatForReading, FontFormatForWriting, SavePreviewSheet};

} // namespace

extern "C" const TPictureModule* GlyphForgePictureModule()
{
    return &Module;
}
