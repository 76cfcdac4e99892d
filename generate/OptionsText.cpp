#include "generate/OptionsText.h"

#include <algorithm>

#include "font/Format.h"
#include "font/Text.h"

namespace {

void AddValueItem(std::string& text, const char* key, int value)
{
    text += StrFormat(" [%s %d]", key, value);
}

void AddFlagItem(std::string& text, const std::string& key)
{
    text += " [";
    text += key;
    text += "]";
}

} // namespace

std::string StyleWords(TFontStyles styles)
{
    std::string words;
    if (styles & fsBold)
        words += "Bold ";
    if (styles & fsItalic)
        words += "Italic ";
    if (styles & fsUnderline)
        words += "Underline ";
    if (styles & fsStrikeOut)
        words += "StrikeOut ";
    return words;
}

const char* SecondaryBaselineWord(TSecondaryBaseline align)
{
    return align == TSecondaryBaseline::Primary ? "Baseline" : "Centred";
}

std::optional<TSecondaryBaseline> SecondaryBaselineFromWord(std::string_view word)
{
    const std::string upper = UpperCaseAscii(std::string(word));
    if (upper == "BASELINE")
        return TSecondaryBaseline::Primary;
    if (upper == "CENTRED" || upper == "CENTERED")
        return TSecondaryBaseline::Centred;
    return std::nullopt;
}

std::string BuildOptionsText(const TGenerationOptions& options, int maxGlyphHeight)
{
    std::string text = StrFormat("%s %s%d [%d %s] [%s %d]", options.FontName.c_str(),
                                 StyleWords(options.FontStyle).c_str(), options.FontSize, maxGlyphHeight, "pix",
                                 "Spc", options.SpaceWidth);
    if (options.Outline > 0)
        AddValueItem(text, "Outline", options.Outline);
    // Only what differs from the default rendering, so that default names stay as they were.
    const TRendering rendering = options.Rendering();
    if (rendering.Mode != TRenderMode::Smooth)
        AddFlagItem(text, std::string("Render ") + NameOf(rendering.Mode).TextWord);
    if (rendering.UsesInk() && rendering.Ink != DefaultInk)
        AddValueItem(text, "Ink", rendering.Ink);
    if (options.Shift != 0)
        AddValueItem(text, "Shift", options.Shift);
    if (options.ShapeArabic)
        AddFlagItem(text, "ShapeArabic");
    if (options.Shift2 != 0)
        AddValueItem(text, "Shift2", options.Shift2);
    if (options.Align2 != TSecondaryBaseline::Centred)
        AddFlagItem(text, std::string("Align2 ") + SecondaryBaselineWord(options.Align2));
    if (options.CutLeftRight && !options.IsTwoColor())
        AddValueItem(text, "CutLR MinWidth", options.MinWidth);
    AddValueItem(text, "MinHeight", options.MinHeight);
    if (options.SameWidthNumbers)
        AddFlagItem(text, "SameWidthNums");
    if (options.EffectiveMinusSameWidth())
        AddFlagItem(text, "SameWidthMinus");
    if (options.RightMarginOn)
        AddValueItem(text, "RightMargin", options.RightMargin);
    if (options.TopCutOn)
        AddValueItem(text, "TopCut", options.TopCut);
    if (options.BottomCutOn)
        AddValueItem(text, "BottomCut", options.BottomCut);
    if (options.WidthDivOn)
        AddValueItem(text, "WidthDiv", options.WidthDiv);
    AddFlagItem(text, options.IsTwoColor() ? "2Color FixW" : "4Color VarW");
    return text;
}

std::string ProposedFontFileName(const TGenerationOptions& options, int maxGlyphHeight)
{
    std::string name = BuildOptionsText(options, maxGlyphHeight) + ".mtf";
    std::replace(name.begin(), name.end(), '/', '-');
    return name;
}
