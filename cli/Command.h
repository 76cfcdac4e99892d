#pragma once
// The command registry of glyphforge. A command file defines a TCommand and registers it
// with a static TCommandRegistration; main() dispatches by name.

#include <string>
#include <vector>

struct TCommand {
    std::string Name;
    std::string Summary; // one line for the command list
    std::string Usage;   // printed by "glyphforge NAME --help"
    // Arguments after the command name. Returns the exit code; errors may be thrown
    // as EGlyphForgeError and are printed by main().
    int (*Run)(const std::vector<std::string>& args);
};

std::vector<TCommand>& Commands();

struct TCommandRegistration {
    explicit TCommandRegistration(TCommand command) { Commands().push_back(std::move(command)); }
};

// Exit codes.
constexpr int ExitOk = 0;
constexpr int ExitFailure = 1; // a bad file or a failed operation
constexpr int ExitUsage = 2;   // bad arguments
