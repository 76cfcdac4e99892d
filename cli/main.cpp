#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "font/Errors.h"

std::vector<TCommand>& Commands()
{
    static std::vector<TCommand> commands;
    return commands;
}

namespace {

void PrintHelp()
{
    std::printf("Usage: glyphforge COMMAND [ARGS...]\n\n"
                "Batch tool for Mediatek bitmap fonts.\n\nCommands:\n");
    for (const TCommand& command : Commands())
        std::printf("  %-10s %s\n", command.Name.c_str(), command.Summary.c_str());
    std::printf("\nRun \"glyphforge COMMAND --help\" for a command's arguments.\n"
                "  --help     show this help\n  --version  show the version\n");
}

bool WantsHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h")
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty()) {
        PrintHelp();
        return ExitUsage;
    }
    const std::string& name = all.front();
    if (name == "--version" || name == "-V") {
        std::printf("glyphforge %s\n", GLYPHFORGE_VERSION);
        return ExitOk;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp();
        return ExitOk;
    }
    for (const TCommand& command : Commands()) {
        if (command.Name != name)
            continue;
        const std::vector<std::string> args(all.begin() + 1, all.end());
        if (WantsHelp(args)) {
            std::printf("%s", command.Usage.c_str());
            return ExitOk;
        }
        for (const std::string& arg : args)
            if (arg == "--version") {
                std::printf("glyphforge %s\n", GLYPHFORGE_VERSION);
                return ExitOk;
            }
        try {
            return command.Run(args);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "glyphforge %s: %s\n", name.c_str(), error.what());
            return ExitFailure;
        }
    }
    std::fprintf(stderr, "glyphforge: unknown command \"%s\"; see \"glyphforge --help\"\n", name.c_str());
    return ExitUsage;
}
