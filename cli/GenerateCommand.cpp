// glyphforge generate: render a conversion table preset with two fonts into a Mediatek font.

#include <algorithm>
#include <cstdio>
#include <optional>

#include "cli/CliArguments.h"
#include "cli/Command.h"
#include "cli/GenerationFlags.h"
#include "cli/GenerationReport.h"
#include "document/FontDocument.h"
#include "document/ShippedTable.h"
#include "font/Format.h"
#include "generate/FontCatalog.h"
#include "generate/OptionsImport.h"
#include "generate/OptionsText.h"

namespace {

const char* const CommandName = "generate";

bool Gives(const std::vector<std::string>& args, const char* flag)
{
    return std::find(args.begin(), args.end(), flag) != args.end();
}

// The defaults the arguments leave in force. A default font is looked up only when no flag
// names that font: the look-up reads the whole font configuration, which takes longer than a
// small generation.
TGenerationFlags DefaultFlags(const std::vector<std::string>& args)
{
    TGenerationFlags flags;
    if (!Gives(args, "--font"))
        flags.Options.FontName = DefaultPrimaryFamily();
    // The secondary font reaches the file only when it is tried or the options are saved.
    const bool secondaryUnused = Gives(args, "--no-font2") && !Gives(args, "--save-options");
    if (!secondaryUnused && !(Gives(args, "--font2") && Gives(args, "--size2"))) {
        const TDefaultFont secondary = DefaultSecondaryFont();
        flags.Options.Font2Name = secondary.Family;
        flags.Options.Font2Size = secondary.SizePoints;
    }
    return flags;
}

// The defaults, or what --options-from restores over them; nullopt after a message.
std::optional<TGenerationFlags> StartingFlags(const std::vector<std::string>& args)
{
    TGenerationFlags flags = DefaultFlags(args);
    const std::string source = FindOptionsFrom(args);
    if (source.empty())
        return flags;
    const TImportOutcome outcome = ImportOptionsFromFile(source, InstalledFamilies(), flags.Options);
    if (outcome.Origin == TImportOrigin::Nothing) {
        PrintCommandError(CommandName, StrFormat("\"%s\" holds no font-information block and its name no options "
                                                 "text",
                                                 source.c_str()));
        return std::nullopt;
    }
    return flags;
}

int RunGenerate(const std::vector<std::string>& args)
{
    const std::optional<TGenerationFlags> start = StartingFlags(args);
    if (!start)
        return ExitFailure;
    const std::optional<TGenerationFlags> parsed = ParseGenerationFlags(CommandName, args, *start);
    if (!parsed)
        return ExitUsage;
    const TGenerationFlags& flags = *parsed;
    TFontDocument document(TDocumentUse::Batch);
    document.SetWorkers(flags.Jobs);
    document.AdoptOptions(flags.Options);
    document.LoadTableFile(flags.TableFile.empty() ? ShippedTableFile() : flags.TableFile);
    const std::optional<int> preset = document.FindPreset(flags.Preset);
    if (!preset) {
        PrintCommandError(CommandName, StrFormat("the table \"%s\" has no preset \"%s\"",
                                                 document.Table().TableFileName().c_str(), flags.Preset.c_str()));
        return ExitFailure;
    }
    document.SelectPreset(*preset);
    const bool fixedWidthFallback = document.Generate(TerminalProgress());
    const TGenerationStats& stats = document.Stats();
    std::printf("%s\n", StatusText(stats).c_str());
    if (flags.Report)
        PrintReport(document);

    if (fixedWidthFallback) {
        PrintCommandError(CommandName,
                          StrFormat("glyphs up to %d pixels wide do not fit the fixed width %d of type 2; nothing "
                                    "written (raise --min-width)",
                                    stats.FMaxGlyphWidth, document.Options().MinWidth));
        return ExitFailure;
    }
    if (document.Font().GlyphCount() == 0) {
        PrintCommandError(CommandName, "the preset holds no characters; nothing written");
        return ExitFailure;
    }
    if (!stats.FSizeLimitMessage.empty()) {
        PrintCommandError(CommandName, stats.FSizeLimitMessage + " Nothing written.");
        return ExitFailure;
    }
    const std::string output =
        flags.Output.empty() ? ProposedFontFileName(document.Options(), stats.FMaxGlyphHeight) : flags.Output;
    document.SaveFont(output, flags.SaveOptions);
    if (flags.Output.empty())
        std::printf("Saved \"%s\"\n", output.c_str());
    return ExitOk;
}

const TCommandRegistration Registration({
    CommandName,
    "render a conversion-table preset with two fonts into a Mediatek font",
    std::string("Usage: glyphforge generate [OPTIONS] [-o OUT]\n\n"
        "Renders every character code of a conversion-table preset with the primary font, or\n"
        "with the secondary font where only that one has the character, and writes a Mediatek\n"
        "font file. Prints the statistics line on stdout, progress on stderr when it is a\n"
        "terminal. Type 2 turns the outline off and trimming on, and fails when a glyph is wider\n"
        "than --min-width. Without -o the file is named by the options text, as the save\n"
        "dialog proposes. --options-from restores the options of an earlier font; flags given\n"
        "as well override them.\n\n") +
        GenerationFlagsHelp(),
    RunGenerate,
});

} // namespace
