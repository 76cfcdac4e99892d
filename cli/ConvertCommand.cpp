// glyphforge convert: a font from one form into another, as the Font Tools page does.

#include "cli/CliArguments.h"
#include "cli/CliFonts.h"
#include "cli/Command.h"
#include "cli/PictureModule.h"
#include "font/FileFormats.h"
#include "font/MtkFont.h"
#include "generate/ProgramStamp.h"

namespace {

int RunConvert(const std::vector<std::string>& args)
{
    const auto arguments = ParseCliArguments("convert", args, {2, {"--new-mode", "--accept-damaged"}, {}});
    if (!arguments)
        return ExitUsage;
    const std::string& input = arguments->Positional[0];
    const std::string& output = arguments->Positional[1];
    TMtkFont font;
    if (!LoadInputFont("convert", font, input, arguments->Has("--accept-damaged")))
        return ExitFailure;
    PictureModule().FontFormatForWriting(output).Write(font, output, {arguments->Has("--new-mode"), ProgramStamp, {}});
    return ExitOk;
}

const TCommandRegistration Registration({
    "convert",
    "convert a font between .mtf/.bin, strip .bmp, FonTool .txt and glyph BMPs",
    "Usage: glyphforge convert IN OUT [--new-mode] [--accept-damaged]\n\n"
    "Reads IN (.mtf, .bin, strip .bmp or FonTool .txt, chosen by extension) and writes OUT:\n"
    "  .mtf, .bin   Mediatek font file with the program stamp\n"
    "  .bmp         glyph strip BMP\n"
    "  .txt         FonTool text\n"
    "  DIR/         one BMP per glyph, 00000.bmp, 00001.bmp, ... (the folder is created)\n\n"
    "  --new-mode   write 4-colour Mediatek rows unpadded (NEW mode); the default is\n"
    "               OLD compatibility mode. Other outputs ignore it.\n"
    "  --accept-damaged  convert a Mediatek font whose glyph data ends early, its\n"
    "               missing pixels as colour 0; without it such a file is refused.\n\n"
    "OUT is replaced only after a complete write; on any error it stays as it was.\n",
    RunConvert,
});

} // namespace
