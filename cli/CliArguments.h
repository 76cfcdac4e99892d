#pragma once
// Argument parsing shared by the commands: positional arguments, flags and options with a value.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct TCliArgumentSpec {
    size_t Positional = 0;            // exactly this many
    std::set<std::string> Flags;      // e.g. "--new-mode"
    std::set<std::string> Valued;     // e.g. "-o", "--scale": the next argument is the value
};

struct TCliArguments {
    std::vector<std::string> Positional;
    std::set<std::string> Flags;
    std::map<std::string, std::string> Values;

    bool Has(const std::string& flag) const { return Flags.count(flag) > 0; }
};

// Prints "glyphforge COMMAND: ..." to stderr and gives nullopt for arguments that do not fit.
std::optional<TCliArguments> ParseCliArguments(const std::string& command, const std::vector<std::string>& args,
                                               const TCliArgumentSpec& spec);

// The option's value as an integer in Min..Max, Default when absent; nullopt (after a message) otherwise.
std::optional<int> IntegerOption(const std::string& command, const TCliArguments& arguments, const std::string& name,
                                 int defaultValue, int min, int max);

// Prints "glyphforge COMMAND: MESSAGE" to stderr.
void PrintCommandError(const std::string& command, const std::string& message);
