#pragma once
// The command-line form of the generation options: one flag per option, with its range.

#include <optional>
#include <string>
#include <vector>

#include "generate/GenerationOptions.h"

struct TGenerationFlags {
    TGenerationOptions Options; // FontName and Font2Name hold a family or a font file
    std::string TableFile;      // empty: the shipped table
    std::string Preset;         // a preset number or description; empty: the first preset
    std::string Output;         // empty: named by the options text
    std::string OptionsFrom;    // a font whose block or file name gives the starting options
    bool Report = false;
    bool SaveOptions = false;   // embed the font-information block
    int Jobs = 0;               // workers drawing glyphs at once; 0: one per core
};

// Parses Args over Flags, which holds the defaults. Prints "glyphforge COMMAND: ..." to
// stderr and gives nullopt for an unknown flag, a missing value or a value out of range.
std::optional<TGenerationFlags> ParseGenerationFlags(const std::string& command, const std::vector<std::string>& args,
                                                     TGenerationFlags flags);

// The value of --options-from in Args, if given; read before the other flags apply over it.
std::string FindOptionsFrom(const std::vector<std::string>& args);

// The option part of the usage text, with the defaults of TGenerationOptions.
std::string GenerationFlagsHelp();
