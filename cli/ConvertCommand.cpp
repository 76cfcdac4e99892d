// glyphforge convert: a font from one form into another, as the Font Tools page does.

#include "cli/CliArguments.h"
#include "cli/CliFonts.h"
#include "cli/Command.h"
#include "cli/PictureModule.h"
#include "font/FileFormats.h"
#include "font/MtkFont.h"
#include "generate/BdfFileSource.h"
#include "generate/FontEngine.h"
#include "generate/ProgramStamp.h"

namespace {

const char* const CommandName = "convert";

int RunConvert(const std::vector<std::string>& args)
{
    const auto arguments =
        ParseCliArguments(CommandName, args, {2, {"--new-mode", "--accept-damaged"}, {"--type", "--bdf-depth"}});
    if (!arguments)
        return ExitUsage;
    const std::optional<int> type = IntegerOption(CommandName, *arguments, "--type", ftFourColorOld, 0, 2);
    const std::optional<int> depth = IntegerOption(CommandName, *arguments, "--bdf-depth", 2, 1, 2);
    if (!type || !depth)
        return ExitUsage;
    const std::string& input = arguments->Positional[0];
    const std::string& output = arguments->Positional[1];
    const bool twoColorFixed = *type == ftTwoColorFixed;
    if (twoColorFixed && PictureModule().FontFormatForReading(input).Id != TFontFormatId::Bdf) {
        PrintCommandError(CommandName, "--type 2 takes a BDF input; the other forms keep the font type they hold");
        return ExitUsage;
    }
    TMtkFont font;
    if (!LoadInputFont(CommandName, font, input, arguments->Has("--accept-damaged"), {twoColorFixed}))
        return ExitFailure;
    const TFontFormat& format = PictureModule().FontFormatForWriting(output);
    TFontWriteSettings settings{arguments->Has("--new-mode") || *type == ftFourColorNew, ProgramStamp, {}};
    if (format.Id == TFontFormatId::Bdf) {
        TFontEngine engine(false);
        const TFileBdfSource source(input, engine);
        settings.Bdf = DescribeForBdf(font, source.Source());
        settings.BdfDepth = *depth == 1 ? TBdfDepth::OneBit : TBdfDepth::AsFont;
    }
    format.Write(font, output, settings);
    return ExitOk;
}

const TCommandRegistration Registration({
    CommandName,
    "convert a font between Mediatek, glyph strip BMP, FonTool text, BDF and glyph BMP forms",
    "Usage: glyphforge convert IN OUT [--new-mode] [--type N] [--bdf-depth 1] [--accept-damaged]\n\n"
    "Reads IN, a Mediatek font, a glyph strip BMP, a FonTool text or a BDF font, and writes\n"
    "OUT in the form its name gives. Each form is known by the extensions the window's file\n"
    "dialogs offer for it; a name with another extension is refused with the list of them.\n"
    "  Mediatek font    written with the program stamp\n"
    "  glyph strip BMP  all glyphs side by side\n"
    "  FonTool text\n"
    "  BDF font         1 bit per pixel for a 2-colour font, 2 for a 4-colour one; named,\n"
    "                   sized and placed on the baseline by the options IN holds or names\n"
    "  DIR/             one BMP per glyph, numbered from 00000 (the folder is created)\n\n"
    "  --new-mode   write 4-colour Mediatek rows unpadded (NEW mode); the default is\n"
    "               OLD compatibility mode. Other outputs ignore it.\n"
    "  --type N     the font type: 0 4-colour (default), 1 4-colour in NEW mode, 2 2-colour\n"
    "               fixed width, for a BDF input whose glyphs all have one width.\n"
    "  --bdf-depth 1  a BDF output of a 4-colour font in 1 bit per pixel, ink and outline\n"
    "               set, for readers that know only 1 bit.\n"
    "  --accept-damaged  convert a Mediatek font whose glyph data ends early, its\n"
    "               missing pixels as colour 0; without it such a file is refused.\n\n"
    "OUT is replaced only after a complete write; on any error it stays as it was.\n",
    RunConvert,
});

} // namespace
