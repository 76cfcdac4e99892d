#include "cli/GenerationFlags.h"

#include <charconv>

#include "cli/CliArguments.h"
#include "font/Format.h"
#include "generate/OptionsText.h"

namespace {

// "--size N"; a switch, when set, is turned on by giving the value ("--right-margin 3").
struct TIntegerFlag {
    const char* Name;
    int TGenerationOptions::*Field;
    TSpinRange Range;
    const char* Help;
    bool TGenerationOptions::*Switch = nullptr;
    const char* DefaultText = nullptr; // when the default is not the record's
};

// "--same-width-numbers" / "--no-same-width-numbers"; On may be empty for an off-only switch.
struct TSwitchFlag {
    const char* On;
    const char* Off;
    bool TGenerationOptions::*Field;
    const char* Help;
};

struct TStyleFlag {
    const char* Name;
    TFontStyles TGenerationOptions::*Field;
    TFontStyleBit Bit;
    const char* Help;
};

// "--render mono": one of the rendering modes by its command-line word.
struct TRenderFlag {
    const char* Name;
    TRenderMode TGenerationOptions::*Field;
    const char* Help;
};

struct TTextFlag {
    const char* Name;
    const char* Value;
    std::string TGenerationFlags::*Field;
    const char* Help;
};

constexpr TSpinRange FontTypeRange{ftFourColorOld, ftTwoColorFixed};

const TIntegerFlag IntegerFlags[] = {
    {"--size", &TGenerationOptions::FontSize, FontSizeRange, "primary font size in points"},
    {"--outline", &TGenerationOptions::Outline, PixelRange, "primary outline width in pixels"},
    {"--ink", &TGenerationOptions::Ink, InkRange,
     "primary coverage from which a pixel is ink (smooth, light); lower is bolder"},
    {"--size2", &TGenerationOptions::Font2Size, FontSizeRange, "secondary font size in points", nullptr,
     "14 with Arial Unicode MS, 12 with Unifont, else 8"},
    {"--outline2", &TGenerationOptions::Outline2, PixelRange, "secondary outline width in pixels"},
    {"--ink2", &TGenerationOptions::Ink2, InkRange, "secondary coverage from which a pixel is ink"},
    {"--shift", &TGenerationOptions::Shift, ShiftRange, "primary glyphs moved up (down when negative), rows"},
    {"--shift2", &TGenerationOptions::Shift2, ShiftRange, "secondary glyphs moved up (down when negative), rows"},
    {"--min-width", &TGenerationOptions::MinWidth, PixelRange, "min width of a trimmed glyph"},
    {"--space-width", &TGenerationOptions::SpaceWidth, PixelRange, "min width of spaces (4-colour types)"},
    {"--right-margin", &TGenerationOptions::RightMargin, PixelRange, "right margin, turns it on",
     &TGenerationOptions::RightMarginOn},
    {"--top-cut", &TGenerationOptions::TopCut, PixelRange, "rows cut at the top, turns it on",
     &TGenerationOptions::TopCutOn},
    {"--bottom-cut", &TGenerationOptions::BottomCut, PixelRange, "rows cut at the bottom, turns it on",
     &TGenerationOptions::BottomCutOn},
    {"--min-height", &TGenerationOptions::MinHeight, PixelRange, "min glyph cell height"},
    {"--width-div", &TGenerationOptions::WidthDiv, WidthDivRange, "widths raised to a multiple, turns it on",
     &TGenerationOptions::WidthDivOn},
    {"--type", &TGenerationOptions::FontType, FontTypeRange,
     "0 4-colour OLD mode, 1 4-colour NEW mode, 2 2-colour fixed width"},
};

// Not an option of the font: how many workers draw it, which changes no byte.
const TIntegerFlag JobsFlag{"--jobs", nullptr, {1, 1024}, "workers drawing glyphs at once"};

const TSwitchFlag SwitchFlags[] = {
    {"", "--no-font2", &TGenerationOptions::TryFont2, "the secondary font for characters the primary lacks"},
    {"--cut-left-right", "--no-cut-left-right", &TGenerationOptions::CutLeftRight, "trim background columns"},
    {"--same-width-numbers", "--no-same-width-numbers", &TGenerationOptions::SameWidthNumbers,
     "digits share one width"},
    {"--minus-same-width", "--no-minus-same-width", &TGenerationOptions::MinusSameWidth,
     "'-' as wide as the digits"},
    {"", "--no-right-margin", &TGenerationOptions::RightMarginOn, "the right margin"},
    {"", "--no-top-cut", &TGenerationOptions::TopCutOn, "the top cut"},
    {"", "--no-bottom-cut", &TGenerationOptions::BottomCutOn, "the bottom cut"},
    {"", "--no-width-div", &TGenerationOptions::WidthDivOn, "the width divisor"},
    {"--display-invalid", "--no-display-invalid", &TGenerationOptions::DisplayInvalidChars,
     "keep glyphs of characters no font covers"},
    {"--shape-arabic", "--no-shape-arabic", &TGenerationOptions::ShapeArabic,
     "Arabic presentation forms a font lacks drawn by its shaping, joining forms kept joined"},
};

const TStyleFlag StyleFlags[] = {
    {"--bold", &TGenerationOptions::FontStyle, fsBold, "primary font bold"},
    {"--italic", &TGenerationOptions::FontStyle, fsItalic, "primary font italic"},
    {"--underline", &TGenerationOptions::FontStyle, fsUnderline, "primary font underlined"},
    {"--strike-out", &TGenerationOptions::FontStyle, fsStrikeOut, "primary font struck out"},
    {"--bold2", &TGenerationOptions::Font2Style, fsBold, "secondary font bold"},
    {"--italic2", &TGenerationOptions::Font2Style, fsItalic, "secondary font italic"},
    {"--underline2", &TGenerationOptions::Font2Style, fsUnderline, "secondary font underlined"},
    {"--strike-out2", &TGenerationOptions::Font2Style, fsStrikeOut, "secondary font struck out"},
};

const TRenderFlag RenderFlags[] = {
    {"--render", &TGenerationOptions::RenderMode, "primary rendering"},
    {"--render2", &TGenerationOptions::RenderMode2, "secondary rendering"},
};

const TTextFlag TextFlags[] = {
    {"--table", "FILE", &TGenerationFlags::TableFile, "conversion table (default: the one shipped with the program)"},
    {"--preset", "N|DESCRIPTION", &TGenerationFlags::Preset, "preset number or description (default: the first)"},
    {"-o", "OUT", &TGenerationFlags::Output, "the font file to write (default: named by the options text)"},
    {"--options-from", "FONT", &TGenerationFlags::OptionsFrom,
     "start from FONT's embedded options, else from its file name; other flags override them"},
};

// "smooth, mono, mono-auto, light"
std::string RenderModeWords()
{
    std::string words;
    for (const TRenderModeName& name : RenderModeNames())
        words += (words.empty() ? "" : ", ") + std::string(name.Word);
    return words;
}

std::optional<int> ParseInteger(const std::string& command, const TIntegerFlag& flag, const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < flag.Range.Min ||
        value > flag.Range.Max) {
        PrintCommandError(command, StrFormat("%s must be a whole number from %d to %d, not \"%s\"", flag.Name,
                                             flag.Range.Min, flag.Range.Max, text.c_str()));
        return std::nullopt;
    }
    return value;
}

// Applies one flag at Args[Index] (advancing past its value); false after a message.
bool ApplyFlag(const std::string& command, const std::vector<std::string>& args, size_t& index,
               TGenerationFlags& flags)
{
    const std::string& arg = args[index];
    TGenerationOptions& options = flags.Options;
    auto value = [&]() -> const std::string* {
        if (index + 1 == args.size()) {
            PrintCommandError(command, StrFormat("%s needs a value", arg.c_str()));
            return nullptr;
        }
        return &args[++index];
    };
    if (arg == "--report" || arg == "--save-options") {
        (arg == "--report" ? flags.Report : flags.SaveOptions) = true;
        return true;
    }
    if (arg == JobsFlag.Name) {
        const std::string* text = value();
        const std::optional<int> number = text ? ParseInteger(command, JobsFlag, *text) : std::nullopt;
        if (number)
            flags.Jobs = *number;
        return number.has_value();
    }
    for (const char* name : {"--font", "--font2"}) {
        if (arg != name)
            continue;
        const std::string* text = value();
        if (text)
            (arg == "--font" ? options.FontName : options.Font2Name) = *text;
        return text != nullptr;
    }
    for (const TTextFlag& flag : TextFlags) {
        if (arg != flag.Name)
            continue;
        const std::string* text = value();
        if (text)
            flags.*flag.Field = *text;
        return text != nullptr;
    }
    for (const TIntegerFlag& flag : IntegerFlags) {
        if (arg != flag.Name)
            continue;
        const std::string* text = value();
        const std::optional<int> number = text ? ParseInteger(command, flag, *text) : std::nullopt;
        if (!number)
            return false;
        options.*flag.Field = *number;
        if (flag.Switch)
            options.*flag.Switch = true;
        return true;
    }
    for (const TRenderFlag& flag : RenderFlags) {
        if (arg != flag.Name)
            continue;
        const std::string* text = value();
        const std::optional<TRenderMode> mode = text ? RenderModeFromWord(*text) : std::nullopt;
        if (text && !mode)
            PrintCommandError(command, StrFormat("%s must be one of %s, not \"%s\"", flag.Name,
                                                 RenderModeWords().c_str(), text->c_str()));
        if (mode)
            options.*flag.Field = *mode;
        return mode.has_value();
    }
    if (arg == "--align2") {
        const std::string* text = value();
        const std::optional<TSecondaryBaseline> align = text ? SecondaryBaselineFromWord(*text) : std::nullopt;
        if (text && !align)
            PrintCommandError(command, StrFormat("--align2 must be centred or baseline, not \"%s\"", text->c_str()));
        if (align)
            options.Align2 = *align;
        return align.has_value();
    }
    for (const TSwitchFlag& flag : SwitchFlags) {
        if ((*flag.On && arg == flag.On) || arg == flag.Off) {
            options.*flag.Field = arg == flag.On;
            return true;
        }
    }
    for (const TStyleFlag& flag : StyleFlags) {
        if (arg == flag.Name) {
            options.*flag.Field |= flag.Bit;
            return true;
        }
    }
    PrintCommandError(command,
                      StrFormat("unknown option \"%s\"; see \"glyphforge %s --help\"", arg.c_str(), command.c_str()));
    return false;
}

const char* OnOff(bool on)
{
    return on ? "on" : "off";
}

} // namespace

std::optional<TGenerationFlags> ParseGenerationFlags(const std::string& command, const std::vector<std::string>& args,
                                                     TGenerationFlags flags)
{
    for (size_t index = 0; index < args.size(); ++index)
        if (!ApplyFlag(command, args, index, flags))
            return std::nullopt;
    return flags;
}

std::string FindOptionsFrom(const std::vector<std::string>& args)
{
    std::string file;
    for (size_t index = 0; index + 1 < args.size(); ++index)
        if (args[index] == "--options-from")
            file = args[++index];
    return file;
}

std::string GenerationFlagsHelp()
{
    const TGenerationOptions defaults;
    std::string help;
    auto line = [&](const std::string& flag, const std::string& text) {
        // A long flag gets its text on the next line.
        const char* gap = flag.size() > 28 ? "\n                               " : " ";
        help += StrFormat("  %-28s%s%s\n", flag.c_str(), gap, text.c_str());
    };
    for (const TTextFlag& flag : TextFlags)
        line(StrFormat("%s %s", flag.Name, flag.Value), flag.Help);
    line("--font FAMILY|FILE", "primary font (default: Arial Narrow when installed, else the desktop's sans-serif)");
    line("--font2 FAMILY|FILE", "secondary font (default: Arial Unicode MS when installed, else Unifont)");
    line("--report", "list the codes drawn with the secondary font, those no font covers and the glyphs whose "
                     "ink the cell cuts (clipped CODE U+XXXX top|bottom ROWS)");
    line("--save-options", "embed the options in the font (a font-information block)");
    line(StrFormat("%s N", JobsFlag.Name), StrFormat("%s, %d..%d (default: one per core)", JobsFlag.Help,
                                                     JobsFlag.Range.Min, JobsFlag.Range.Max));
    for (const TIntegerFlag& flag : IntegerFlags) {
        std::string text = StrFormat("%s, %d..%d (default ", flag.Help, flag.Range.Min, flag.Range.Max);
        text += flag.DefaultText ? flag.DefaultText : std::to_string(defaults.*flag.Field);
        if (flag.Switch)
            text += StrFormat(", %s", OnOff(defaults.*flag.Switch));
        line(StrFormat("%s N", flag.Name), text + ")");
    }
    for (const TRenderFlag& flag : RenderFlags)
        line(StrFormat("%s MODE", flag.Name),
             StrFormat("%s: %s (default %s)", flag.Help, RenderModeWords().c_str(),
                       NameOf(defaults.*flag.Field).Word));
    line("--align2 centred|baseline", "secondary glyphs centred in the cell, or on the primary font's baseline "
                                      "(default centred)");
    for (const TSwitchFlag& flag : SwitchFlags) {
        const std::string name = *flag.On ? StrFormat("%s, %s", flag.On, flag.Off) : flag.Off;
        const std::string text = *flag.On ? flag.Help : StrFormat("turns off %s", flag.Help);
        line(name, StrFormat("%s (default %s)", text.c_str(), OnOff(defaults.*flag.Field)));
    }
    for (const TStyleFlag& flag : StyleFlags)
        line(flag.Name, flag.Help);
    help += "\nA value outside its range is refused, not clamped.\n"
            "Rendering: smooth draws the font's hinting anti-aliased, a pixel being ink from coverage\n"
            "--ink; mono is crisp, the font's own hinting drawn in two levels; mono-auto is crisp with\n"
            "the auto-hinter; light is the light (vertical only) auto-hinter, anti-aliased.\n";
    return help;
}
