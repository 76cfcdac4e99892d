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
    "convert a font between Mediatek, glyph strip BMP, FonTool text and glyph BMP forms",
    "Usage: glyphforge convert IN OUT [--new-mode] [--accept-damaged]\n\n"
    "Reads IN, a Mediatek font, a glyph strip BMP or a FonTool text, and writes OUT in the\n"
    "form its name gives. Each form is known by the extensions the window's file dialogs\n"
    "offer for it; a name with another extension is refused with the list of them.\n"
    "  Mediatek font    written with the program stamp\n"
    "  glyph strip BMP  all glyphs side by side\n"
    "  FonTool text\n"
    "  DIR/             one BMP per glyph, numbered from 00000 (the folder is created)\n\n"
    "  --new-mode   write 4-colour Mediatek rows unpadded (NEW mode); the default is\n"
    "               OLD compatibility mode. Other outputs ignore it.\n"
    "  --accept-damaged  convert a Mediatek font whose glyph data ends early, its\n"
    "               missing pixels as colour 0; without it such a file is refused.\n\n"
    "OUT is replaced only after a complete write; on any error it stays as it was.\n",
    RunConvert,
});

} // namespace
