// glyphforge options: what an options import would read from a font file or its name.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "cli/Command.h"
#include "cli/FontInfoPrint.h"
#include "font/Format.h"
#include "generate/FontCatalog.h"
#include "generate/FontInfo.h"
#include "generate/OptionsImport.h"

namespace {

const char* OnOff(bool on)
{
    return on ? "on" : "off";
}

std::vector<std::string> SplitList(const std::string& list)
{
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start)
            items.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

void PrintValue(const char* name, int value)
{
    if (value >= 0)
        std::printf("%s: %d\n", name, value);
    else
        std::printf("%s: absent\n", name);
}

// A rule is on exactly when the name gave it a value.
void PrintRule(const char* switchName, const char* valueName, int value)
{
    std::printf("%s: %s\n", switchName, OnOff(value >= 0));
    if (value >= 0)
        std::printf("%s: %d\n", valueName, value);
}

void PrintImportedFromName(const TImportedOptions& imported)
{
    std::printf("Source: file name\n");
    if (imported.FontName)
        std::printf("FontName: %s\n", QuotedName(*imported.FontName).c_str());
    else
        std::printf("FontName: no installed face named, current face kept\n");
    if (imported.FontSize)
        std::printf("FontSize: %d\n", *imported.FontSize);
    else
        std::printf("FontSize: absent, current size kept\n");
    std::printf("FontStyle: %s\n", StyleNames(imported.FontStyle).c_str());
    PrintValue("SpaceWidth", imported.SpaceWidth);
    PrintValue("Outline", imported.Outline);
    PrintRendering("Render", "Ink", imported.Rendering);
    PrintLayout(imported.Shift, imported.ShapeArabic, imported.Shift2, imported.Align2);
    PrintRule("CutLeftRight", "MinWidth", imported.MinWidth);
    PrintValue("MinHeight", imported.MinHeight);
    std::printf("SameWidthNumbers: %s\n", OnOff(imported.SameWidthNumbers));
    std::printf("MinusSameWidth: %s\n", OnOff(imported.MinusSameWidth));
    PrintRule("RightMarginOn", "RightMargin", imported.RightMargin);
    PrintRule("TopCutOn", "TopCut", imported.TopCut);
    PrintRule("BottomCutOn", "BottomCut", imported.BottomCut);
    std::printf("WidthDivOn: %s\n", OnOff(imported.WidthDivOn));
    std::printf("WidthDiv: %d\n", imported.WidthDiv);
}

int RunOptions(const std::vector<std::string>& args)
{
    std::string name;
    std::optional<std::vector<std::string>> faces;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--faces" && i + 1 < args.size()) {
            faces = SplitList(args[++i]);
        } else if (name.empty() && !args[i].starts_with("--")) {
            name = args[i];
        } else {
            std::fprintf(stderr, "glyphforge options: unexpected argument \"%s\"\n", args[i].c_str());
            return ExitUsage;
        }
    }
    if (name.empty()) {
        std::fprintf(stderr, "glyphforge options: no file name given\n");
        return ExitUsage;
    }

    // An existing file is read as the import reads it: its block comes before its name.
    std::error_code error;
    const bool isFile = std::filesystem::is_regular_file(name, error);
    if (isFile) {
        const TFontInfoBlock info = ReadFontInfo(name);
        if (info.Found) {
            std::printf("Source: font-information block\n");
            PrintFontInfo(info);
            return ExitOk;
        }
    }
    TImportedOptions imported;
    if (!ParseOptionsFileName(name, faces ? *faces : InstalledFamilies(), imported)) {
        PrintCommandError("options", StrFormat(isFile ? "\"%s\" holds no font-information block and its name no "
                                                        "options text"
                                                      : "the name \"%s\" holds no options text",
                                               name.c_str()));
        return ExitFailure;
    }
    PrintImportedFromName(imported);
    return ExitOk;
}

const TCommandRegistration Registration({
    "options",
    "show the generation options a font file or its name holds",
    "Usage: glyphforge options [--faces \"A,B,C\"] NAME\n\n"
    "Shows what importing options from NAME would restore: the font-information block\n"
    "when NAME is a font file that holds one, otherwise the options text in the name\n"
    "(the file need not exist). Exits with 1, saying so on stderr, when neither holds\n"
    "options.\n\n"
    "  --faces LIST  comma-separated face names to recognise in the name instead of\n"
    "                the installed families\n",
    RunOptions,
});

} // namespace
