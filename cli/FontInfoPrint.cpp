#include "cli/FontInfoPrint.h"

#include "generate/OptionsText.h"

namespace {

const char* OnOff(bool on)
{
    return on ? "on" : "off";
}

} // namespace

std::string StyleNames(TFontStyles styles)
{
    std::string words = StyleWords(styles);
    if (words.empty())
        return "none";
    words.pop_back();
    return words;
}

std::string QuotedName(const std::string& name)
{
    std::string quoted = "\"";
    for (char c : name)
        quoted += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return quoted + "\"";
}

void PrintRendering(const char* modeName, const char* inkName, const TRendering& rendering, std::FILE* out)
{
    std::fprintf(out, "%s: %s\n", modeName, NameOf(rendering.Mode).Word);
    std::fprintf(out, "%s: %d\n", inkName, rendering.Ink);
}

void PrintLayout(int shift, bool shapeArabic, int shift2, TSecondaryBaseline align2, std::FILE* out)
{
    std::fprintf(out, "Shift: %d\n", shift);
    std::fprintf(out, "ShapeArabic: %s\n", OnOff(shapeArabic));
    std::fprintf(out, "Shift2: %d\n", shift2);
    std::fprintf(out, "Align2: %s\n", align2 == TSecondaryBaseline::Primary ? "baseline" : "centred");
}

void PrintFontInfo(const TFontInfoBlock& info, std::FILE* out)
{
    const auto& b = info.Block;
    const uint8_t flags = b[fiFlags];
    if (b[fiVersion] == info.Version())
        std::fprintf(out, "Version: %d\n", info.Version());
    else
        std::fprintf(out, "Version: %d (read as %d)\n", b[fiVersion], info.Version());
    std::fprintf(out, "FontName: %s\n", QuotedName(info.FontName).c_str());
    std::fprintf(out, "FontSize: %d\n", b[fiFontSize]);
    std::fprintf(out, "FontStyle: %s\n", StyleNames(BitsToStyle(b[fiFontStyle])).c_str());
    std::fprintf(out, "Outline: %d\n", b[fiOutline]);
    std::fprintf(out, "Font2Name: %s\n", QuotedName(info.Font2Name).c_str());
    std::fprintf(out, "Font2Size: %d\n", b[fiFont2Size]);
    std::fprintf(out, "Font2Style: %s\n", StyleNames(BitsToStyle(b[fiFont2Style])).c_str());
    std::fprintf(out, "Outline2: %d\n", b[fiOutline2]);
    std::fprintf(out, "CutLeftRight: %s\n", OnOff(flags & fifCutLeftRight));
    std::fprintf(out, "MinWidth: %d\n", b[fiMinWidth]);
    std::fprintf(out, "SpaceWidth: %d\n", b[fiSpaceWidth]);
    std::fprintf(out, "SameWidthNumbers: %s\n", OnOff(flags & fifSameWidthNumbers));
    std::fprintf(out, "MinusSameWidth: %s\n", OnOff(flags & fifMinusSameWidth));
    std::fprintf(out, "RightMarginOn: %s\n", OnOff(flags & fifRightMarginOn));
    std::fprintf(out, "RightMargin: %d\n", b[fiRightMargin]);
    std::fprintf(out, "TopCutOn: %s\n", OnOff(flags & fifTopCutOn));
    std::fprintf(out, "TopCut: %d\n", b[fiTopCut]);
    std::fprintf(out, "BottomCutOn: %s\n", OnOff(flags & fifBottomCutOn));
    std::fprintf(out, "BottomCut: %d\n", b[fiBottomCut]);
    std::fprintf(out, "MinHeight: %d\n", b[fiMinHeight]);
    std::fprintf(out, "WidthDivOn: %s\n", OnOff(flags & fifWidthDivOn));
    std::fprintf(out, "WidthDiv: %d\n", b[fiWidthDiv]);
    std::fprintf(out, "DisplayInvalidChars: %s\n", OnOff(flags & fifDisplayInvalidChars));
    std::fprintf(out, "Rendering record: %s\n", info.HasRendering ? "present" : "none (default rendering)");
    PrintRendering("Render", "Ink", info.Rendering, out);
    PrintRendering("Render2", "Ink2", info.Rendering2, out);
    std::fprintf(out, "Layout record: %s\n", info.HasLayout ? "present" : "none (default layout)");
    PrintLayout(info.Shift, info.ShapeArabic, info.Shift2, info.Align2, out);
}
