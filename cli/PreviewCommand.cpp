// glyphforge preview: the window's glyph preview of a font, as a PNG sheet.

#include <optional>

#include "cli/CliArguments.h"
#include "cli/CliFonts.h"
#include "cli/Command.h"
#include "cli/PictureModule.h"
#include "font/MtkFont.h"

namespace {

constexpr int DefaultClientWidth = 740;
constexpr int MaxScale = 32;
constexpr int MaxClientWidth = 32767;

int RunPreview(const std::vector<std::string>& args)
{
    const auto arguments = ParseCliArguments("preview", args, {1, {}, {"-o", "--scale", "--width"}});
    if (!arguments)
        return ExitUsage;
    const auto output = arguments->Values.find("-o");
    if (output == arguments->Values.end()) {
        PrintCommandError("preview", "the sheet needs a file name: -o SHEET");
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
    PictureModule().SavePreviewSheet(font, *width, *scale, output->second);
    return ExitOk;
}

const TCommandRegistration Registration({
    "preview",
    "draw the glyph preview of a font into a PNG sheet",
    "Usage: glyphforge preview FONTFILE -o SHEET [--scale N] [--width W]\n\n"
    "Lays the glyphs of FONTFILE (any form convert reads) out as the window's\n"
    "preview does, each in a frame, wrapped into rows, and saves the sheet as a PNG.\n\n"
    "  -o SHEET      the PNG picture to write\n"
    "  --scale N     enlarge every pixel to N x N (1 to 32, default 1)\n"
    "  --width W     the preview's width in pixels before scaling (default 740)\n",
    RunPreview,
});

} // namespace
