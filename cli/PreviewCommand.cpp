// glyphforge preview: the window's glyph preview of a font, as a PNG sheet.

#include <optional>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "cli/CliArguments.h"
#include "cli/CliFonts.h"
#include "cli/Command.h"
#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/MtkFont.h"
#include "generate/PreviewLayout.h"

namespace {

constexpr int DefaultClientWidth = 740;
constexpr int MaxScale = 32;
constexpr int MaxClientWidth = 32767;
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

void SavePng(const QImage& image, const std::string& fileName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw EFCreateError(StrFormat("Cannot create file \"%s\". %s", fileName.c_str(), "The PNG picture could not be encoded."));
    WriteFileAtomically(fileName, std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                            static_cast<size_t>(bytes.size())));
}

int RunPreview(const std::vector<std::string>& args)
{
    const auto arguments = ParseCliArguments("preview", args, {1, {}, {"-o", "--scale", "--width"}});
    if (!arguments)
        return ExitUsage;
    const auto output = arguments->Values.find("-o");
    if (output == arguments->Values.end()) {
        PrintCommandError("preview", "the sheet needs a file name: -o SHEET.png");
        return ExitUsage;
    }
    const std::optional<int> scale = IntegerOption("preview", *arguments, "--scale", 1, 1, MaxScale);
    const std::optional<int> width = IntegerOption("preview", *arguments, "--width", DefaultClientWidth, 1, MaxClientWidth);
    if (!scale || !width)
        return ExitUsage;

    TMtkFont font;
    // A damaged font is drawn as it reads, after the warning.
    if (!LoadInputFont("preview", font, arguments->Positional[0], true))
        return ExitFailure;
    const TPreviewLayout layout(font, font.GlyphCount(), *width, 0);
    // As much room below the last row as above the first.
    const int height = layout.ContentBottom() + PreviewFirstRowOffset - 1;
    if (int64_t{*width} * height * *scale * *scale > MaxSheetPixels)
        throw EFontLimitError(StrFormat("The preview sheet of %d x %d pixels at scale %d is too large.", *width,
                                        height, *scale));
    const QImage sheet = RenderPreview(font, layout, font.GlyphPaletteKind(), {0, 0, *width, height});
    SavePng(ScaleUp(sheet, *scale), output->second);
    return ExitOk;
}

const TCommandRegistration Registration({
    "preview",
    "draw the glyph preview of a font into a PNG sheet",
    "Usage: glyphforge preview FONTFILE -o SHEET.png [--scale N] [--width W]\n\n"
    "Lays the glyphs of FONTFILE (.mtf, .bin, strip .bmp or FonTool .txt) out as the window's\n"
    "preview does, each in a frame, wrapped into rows, and saves the sheet as a PNG.\n\n"
    "  -o SHEET.png  the picture to write\n"
    "  --scale N     enlarge every pixel to N x N (1 to 32, default 1)\n"
    "  --width W     the preview's width in pixels before scaling (default 740)\n",
    RunPreview,
});

} // namespace
