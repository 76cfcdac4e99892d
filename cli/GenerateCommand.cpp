// glyphforge generate: render a conversion table preset with two fonts into a Mediatek font.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <strings.h>
#include <unistd.h>

#include "cli/CliArguments.h"
#include "cli/Command.h"
#include "cli/GenerationFlags.h"
#include "font/Errors.h"
#include "font/Format.h"
#include "font/MtkFont.h"
#include "generate/ConversionTable.h"
#include "generate/FontCatalog.h"
#include "generate/FontEngine.h"
#include "generate/FontInfo.h"
#include "generate/Generator.h"
#include "generate/OptionsImport.h"
#include "generate/OptionsText.h"
#include "generate/ProgramStamp.h"

namespace {

const char* const CommandName = "generate";
const char* const TableName = "glyphforgetool.ini";

// The shipped table: beside the executable, else in the installed share folder.
std::string FindShippedTable()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return TableName;
    const std::filesystem::path folder = executable.parent_path();
    for (const std::filesystem::path& candidate :
         {folder / TableName, folder / ".." / "share" / "glyphforgetool" / TableName})
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.string();
    return (folder / TableName).string();
}

// A preset by its number, else by its description (ignoring case); the first one when empty.
std::optional<int32_t> FindPreset(const TConversionTable& table, const std::string& preset)
{
    const TIntegerList& ids = table.PresetIds();
    if (ids.Count() == 0)
        return std::nullopt;
    if (preset.empty())
        return ids[0];
    for (int k = 0; k < ids.Count(); ++k)
        if (std::to_string(ids[k]) == preset)
            return ids[k];
    const std::vector<std::string>& descriptions = table.PresetDescriptions();
    for (size_t k = 0; k < descriptions.size() && k < static_cast<size_t>(ids.Count()); ++k)
        if (strcasecmp(descriptions[k].c_str(), preset.c_str()) == 0)
            return ids[static_cast<int>(k)];
    return std::nullopt;
}

TGenerationFlags DefaultFlags()
{
    TGenerationFlags flags;
    flags.Options.FontName = DefaultPrimaryFamily();
    const TDefaultFont secondary = DefaultSecondaryFont();
    flags.Options.Font2Name = secondary.Family;
    flags.Options.Font2Size = secondary.SizePoints;
    return flags;
}

// Progress on a terminal only, so redirected output stays clean.
TProgressCallback TerminalProgress()
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [shown = -1](int position, int maximum) mutable {
        const int percent = maximum > 0 ? static_cast<int>(int64_t{position} * 100 / maximum) : 100;
        if (percent == shown)
            return;
        shown = percent;
        std::fprintf(stderr, "\rGenerating... %3d%%%s", percent, percent == 100 ? "\n" : "");
    };
}

void PrintReport(const TGlyphGenerator& generator, const TConversionTable& table)
{
    const std::vector<TGlyphSource>& sources = generator.Sources();
    for (size_t code = 0; code < sources.size(); ++code) {
        if (sources[code] == TGlyphSource::Primary)
            continue;
        std::printf("%s 0x%04zX U+%04X\n", sources[code] == TGlyphSource::Secondary ? "secondary" : "missing", code,
                    table.CharUnicode(static_cast<int>(code)));
    }
    for (const TClippedGlyph& glyph : generator.Stats().FClipped) {
        std::printf("clipped 0x%04X U+%04X", static_cast<unsigned>(glyph.Code), glyph.Unicode);
        if (glyph.Rows.Top > 0)
            std::printf(" top %d", glyph.Rows.Top);
        if (glyph.Rows.Bottom > 0)
            std::printf(" bottom %d", glyph.Rows.Bottom);
        std::printf("\n");
    }
}

// The defaults, or what --options-from restores over them; nullopt after a message.
std::optional<TGenerationFlags> StartingFlags(const std::vector<std::string>& args)
{
    TGenerationFlags flags = DefaultFlags();
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
    TGenerationOptions options = flags.Options;
    // Choosing the fixed-width type turns the outline off and trimming on.
    if (options.IsTwoColor()) {
        options.Outline = 0;
        options.CutLeftRight = true;
    }

    TConversionTable table;
    table.LoadTableFile(flags.TableFile.empty() ? FindShippedTable() : flags.TableFile);
    const std::optional<int32_t> preset = FindPreset(table, flags.Preset);
    if (!preset) {
        PrintCommandError(CommandName, StrFormat("the table \"%s\" has no preset \"%s\"", table.TableFileName().c_str(),
                                                 flags.Preset.c_str()));
        return ExitFailure;
    }
    table.LoadTableSection(*preset);

    TFontEngine engine(false);
    const auto font1 = engine.OpenFont(PrimaryFontRequest(options));
    std::shared_ptr<const TFontFace> font2;
    if (options.TryFont2)
        font2 = engine.OpenFont(SecondaryFontRequest(options));
    TGenerationFonts fonts{font1.get(), font2.get(), font1->Coverage(), font2 ? font2->Coverage() : FullCoverage()};

    TMtkFont store;
    TGlyphGenerator generator(options, table.CharUnicode(), table.LastCharIndex(), std::move(fonts));
    generator.SetProgress(TerminalProgress());
    generator.GenerateFont(store);
    std::printf("%s\n", generator.StatusText().c_str());
    if (flags.Report)
        PrintReport(generator, table);

    if (generator.FixedWidthFallback()) {
        PrintCommandError(CommandName,
                          StrFormat("glyphs up to %d pixels wide do not fit the fixed width %d of type 2; nothing "
                                    "written (raise --min-width)",
                                    generator.Stats().FMaxGlyphWidth, options.MinWidth));
        return ExitFailure;
    }
    if (store.GlyphCount() == 0) {
        PrintCommandError(CommandName, "the preset holds no characters; nothing written");
        return ExitFailure;
    }
    if (!generator.Stats().FSizeLimitMessage.empty()) {
        PrintCommandError(CommandName, generator.Stats().FSizeLimitMessage + " Nothing written.");
        return ExitFailure;
    }
    // Built before the file is created, so a range error leaves nothing behind.
    const TByteArray fontInfo = flags.SaveOptions ? BuildFontInfo(options) : TByteArray();
    const std::string output =
        flags.Output.empty() ? ProposedFontFileName(options, generator.Stats().FMaxGlyphHeight) : flags.Output;
    generator.EncodedFont().SaveToFile(output, ProgramStamp, fontInfo);
    if (flags.Output.empty())
        std::printf("Saved \"%s\"\n", output.c_str());
    return ExitOk;
}

const TCommandRegistration Registration({
    CommandName,
    "render a conversion-table preset with two fonts into a Mediatek font",
    std::string("Usage: glyphforge generate [OPTIONS] [-o OUT.mtf]\n\n"
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
