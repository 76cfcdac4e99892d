#include "cli/CliArguments.h"

#include <charconv>
#include <cstdio>

#include "font/Format.h"

void PrintCommandError(const std::string& command, const std::string& message)
{
    std::fprintf(stderr, "glyphforge %s: %s\n", command.c_str(), message.c_str());
}

std::optional<TCliArguments> ParseCliArguments(const std::string& command, const std::vector<std::string>& args,
                                               const TCliArgumentSpec& spec)
{
    TCliArguments result;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (spec.Flags.count(arg)) {
            result.Flags.insert(arg);
        } else if (spec.Valued.count(arg)) {
            if (i + 1 == args.size()) {
                PrintCommandError(command, StrFormat("%s needs a value", arg.c_str()));
                return std::nullopt;
            }
            result.Values[arg] = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            PrintCommandError(command, StrFormat("unknown option \"%s\"; see \"glyphforge %s --help\"", arg.c_str(),
                                                 command.c_str()));
            return std::nullopt;
        } else {
            result.Positional.push_back(arg);
        }
    }
    if (result.Positional.size() != spec.Positional) {
        PrintCommandError(command, StrFormat("expected %zu file argument(s), got %zu; see \"glyphforge %s --help\"",
                                             spec.Positional, result.Positional.size(), command.c_str()));
        return std::nullopt;
    }
    return result;
}

std::optional<int> IntegerOption(const std::string& command, const TCliArguments& arguments, const std::string& name,
                                 int defaultValue, int min, int max)
{
    const auto found = arguments.Values.find(name);
    if (found == arguments.Values.end())
        return defaultValue;
    const std::string& text = found->second;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
        PrintCommandError(command, StrFormat("%s must be a whole number from %d to %d, not \"%s\"", name.c_str(), min,
                                             max, text.c_str()));
        return std::nullopt;
    }
    return value;
}
