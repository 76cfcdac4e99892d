#include "generate/OptionsImport.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string_view>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/Format.h"
#include "font/Text.h"
#include "generate/OptionsText.h"

namespace {

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Empty when the digits, after an optional minus sign, do not fit a signed 32-bit integer.
std::optional<int> ToInt32(std::string_view digits)
{
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
    int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string Trim(std::string_view text)
{
    return std::string(TrimBlanks(text));
}

std::optional<TFontStyles> StyleOfWord(std::string_view word)
{
    static constexpr std::pair<std::string_view, TFontStyleBit> words[] = {
        {"Bold", fsBold}, {"Italic", fsItalic}, {"Underline", fsUnderline}, {"StrikeOut", fsStrikeOut}};
    for (const auto& [text, style] : words)
        if (EqualsIgnoringAsciiCase(word, text))
            return style;
    return std::nullopt;
}

size_t LongestLength(const std::vector<std::string>& list)
{
    size_t longest = 0;
    for (const std::string& entry : list)
        longest = std::max(longest, entry.size());
    return longest;
}

} // namespace

bool IsDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

int IndexOfText(const std::vector<std::string>& list, const std::string& text)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (EqualsIgnoringAsciiCase(list[i], text))
            return static_cast<int>(i);
    return -1;
}

namespace {

// Where the text after the key (and the space after it, for a value key) starts; npos when
// the key is absent.
size_t FindOptionKey(const std::string& tail, const std::string& key, bool hasValue)
{
    const std::string pattern = hasValue ? "[" + key + " " : "[" + key + "]";
    const std::string fallback = hasValue ? " " + key + " " : " " + key;
    size_t at = tail.find(pattern);
    if (at != std::string::npos)
        return at + pattern.size();
    at = tail.find(fallback);
    return at == std::string::npos ? at : at + fallback.size();
}

} // namespace

int FindOptionValue(const std::string& tail, const std::string& key, bool hasValue)
{
    const size_t digitsAt = FindOptionKey(tail, key, hasValue);
    if (digitsAt == std::string::npos)
        return -1;
    if (!hasValue)
        return 0;
    size_t digitsEnd = digitsAt;
    while (digitsEnd < tail.size() && IsDigit(tail[digitsEnd]))
        ++digitsEnd;
    if (digitsEnd == digitsAt)
        return -1;
    const std::string digits = tail.substr(digitsAt, digitsEnd - digitsAt);
    const std::optional<int> value = ToInt32(digits);
    if (!value)
        throw EConvertError(StrFormat(CORE_TEXT("CoreMessage", "'%s' is not a valid integer value"), digits.c_str()));
    return *value;
}

std::optional<int> FindSignedOptionValue(const std::string& tail, const std::string& key)
{
    const size_t numberAt = FindOptionKey(tail, key, true);
    if (numberAt == std::string::npos)
        return std::nullopt;
    size_t digitsAt = numberAt;
    if (digitsAt < tail.size() && tail[digitsAt] == '-')
        ++digitsAt;
    size_t digitsEnd = digitsAt;
    while (digitsEnd < tail.size() && IsDigit(tail[digitsEnd]))
        ++digitsEnd;
    if (digitsEnd == digitsAt)
        return std::nullopt;
    const std::string number = tail.substr(numberAt, digitsEnd - numberAt);
    const std::optional<int> value = ToInt32(number);
    if (!value)
        throw EConvertError(StrFormat(CORE_TEXT("CoreMessage", "'%s' is not a valid integer value"), number.c_str()));
    return value;
}

std::string FindOptionWord(const std::string& tail, const std::string& key)
{
    const size_t wordAt = FindOptionKey(tail, key, true);
    if (wordAt == std::string::npos)
        return {};
    return tail.substr(wordAt, tail.find_first_of("] ", wordAt) - wordAt);
}

std::optional<TOptionsTextParts> SplitOptionsFileName(const std::string& fileName)
{
    std::string name = std::filesystem::path(fileName).filename().string();
    // A "pix" inside a face name ("Superpixel") has no bracket before it; the height item
    // is the first "pix" that has one.
    size_t pix = name.find("pix");
    size_t bracket = std::string::npos;
    while (pix != std::string::npos && (bracket = name.find_last_of("[(", pix + 2)) == std::string::npos)
        pix = name.find("pix", pix + 1);
    if (pix == std::string::npos)
        return std::nullopt;
    // The height item, through the character after "pix" (its closing bracket), is no option.
    name.erase(bracket, std::min(pix + 4, name.size()) - bracket);
    // The head stops before the bracket's place, so a tail glued to the height item
    // ("...pix][Spc 8]") does not end up in it.
    return TOptionsTextParts{Trim(std::string_view(name).substr(0, bracket)),
                             " " + Trim(std::string_view(name).substr(bracket)) + " "};
}

void ParseOptionsHead(const std::string& head, const std::vector<std::string>& installedFaces,
                      TImportedOptions& imported)
{
    const std::string text = " " + head;
    // A word longer than every face cannot be one; skipping those keeps long names cheap.
    const size_t longestFace = LongestLength(installedFaces);
    std::optional<int> size;
    TFontStyles styles = 0;
    // The word grows leftwards and always is text[i + 1, wordEnd).
    size_t wordEnd = text.size();
    for (size_t i = text.size(); i-- > 0;) {
        if (text[i] != ' ')
            continue;
        const std::string_view word = std::string_view(text).substr(i + 1, wordEnd - i - 1);
        if (word.empty()) {
            wordEnd = i;
            continue;
        }
        if (!size && IsDigits(word)) {
            size = ToInt32(word);
            if (size) {
                wordEnd = i;
                continue;
            }
        }
        if (const std::optional<TFontStyles> style = StyleOfWord(word)) {
            styles |= *style;
            wordEnd = i;
            continue;
        }
        if (word.size() <= longestFace) {
            const int face = IndexOfText(installedFaces, std::string(word));
            if (face >= 0) {
                imported.FontName = installedFaces[static_cast<size_t>(face)];
                break;
            }
        }
    }
    imported.FontStyle = styles;
    if (size)
        imported.FontSize = size;
}

void ParseOptionsTail(const std::string& tail, TImportedOptions& imported)
{
    imported.SpaceWidth = FindOptionValue(tail, "Spc", true);
    imported.Outline = std::max(FindOptionValue(tail, "Outline", true), 0);
    imported.MinWidth = FindOptionValue(tail, "CutLR MinWidth", true);
    imported.MinHeight = FindOptionValue(tail, "MinHeight", true);
    imported.SameWidthNumbers = FindOptionValue(tail, "SameWidthNums", false) >= 0;
    imported.MinusSameWidth = FindOptionValue(tail, "SameWidthMinus", false) >= 0;
    imported.RightMargin = FindOptionValue(tail, "RightMargin", true);
    imported.TopCut = FindOptionValue(tail, "TopCut", true);
    imported.BottomCut = FindOptionValue(tail, "BottomCut", true);
    if (FindOptionValue(tail, "Width4", false) >= 0) {
        imported.WidthDivOn = true;
        imported.WidthDiv = 4;
    } else {
        const int widthDiv = FindOptionValue(tail, "WidthDiv", true);
        imported.WidthDivOn = widthDiv >= 0;
        imported.WidthDiv = imported.WidthDivOn ? widthDiv : 4;
    }
    // Absent items mean the default rendering; an unknown mode word too.
    imported.Rendering.Mode = RenderModeFromWord(FindOptionWord(tail, "Render")).value_or(TRenderMode::Smooth);
    const int ink = FindOptionValue(tail, "Ink", true);
    imported.Rendering.Ink = ink >= 0 ? InkRange.Clamp(ink) : DefaultInk;
    imported.Shift = ShiftRange.Clamp(FindSignedOptionValue(tail, "Shift").value_or(0));
    imported.ShapeArabic = FindOptionValue(tail, "ShapeArabic", false) >= 0;
    imported.Shift2 = ShiftRange.Clamp(FindSignedOptionValue(tail, "Shift2").value_or(0));
    imported.Align2 = SecondaryBaselineFromWord(FindOptionWord(tail, "Align2")).value_or(TSecondaryBaseline::Centred);
    imported.Source = 0;
}

bool ParseOptionsFileName(const std::string& fileName, const std::vector<std::string>& installedFaces,
                          TImportedOptions& imported)
{
    const std::optional<TOptionsTextParts> parts = SplitOptionsFileName(fileName);
    if (!parts)
        return false;
    TImportedOptions parsed;
    ParseOptionsHead(parts->Head, installedFaces, parsed);
    ParseOptionsTail(parts->Tail, parsed);
    imported = std::move(parsed);
    return true;
}

TImportedOptions ImportedFromFontInfo(const TFontInfoBlock& info)
{
    const auto& b = info.Block;
    TImportedOptions imported;
    if (!info.FontName.empty())
        imported.FontName = info.FontName;
    imported.FontSize = b[fiFontSize];
    imported.FontStyle = BitsToStyle(b[fiFontStyle]);
    imported.Font2Name = info.Font2Name;
    imported.Font2Size = b[fiFont2Size];
    imported.Font2Style = BitsToStyle(b[fiFont2Style]);
    imported.Outline2 = b[fiOutline2];
    imported.Rendering = info.Rendering;
    imported.Rendering2 = info.Rendering2;
    imported.Shift = info.Shift;
    imported.ShapeArabic = info.ShapeArabic;
    imported.Shift2 = info.Shift2;
    imported.Align2 = info.Align2;

    imported.Outline = b[fiOutline];
    imported.SpaceWidth = b[fiSpaceWidth];
    imported.MinHeight = b[fiMinHeight];
    imported.WidthDiv = b[fiWidthDiv];
    imported.StoredRuleValues =
        TImportedOptions::TStoredRuleValues{b[fiMinWidth], b[fiRightMargin], b[fiTopCut], b[fiBottomCut]};

    const uint8_t flags = b[fiFlags];
    imported.MinWidth = flags & fifCutLeftRight ? b[fiMinWidth] : -1;
    imported.MinusSameWidth = flags & fifMinusSameWidth;
    imported.SameWidthNumbers = flags & fifSameWidthNumbers;
    imported.TopCut = flags & fifTopCutOn ? b[fiTopCut] : -1;
    imported.BottomCut = flags & fifBottomCutOn ? b[fiBottomCut] : -1;
    imported.RightMargin = flags & fifRightMarginOn ? b[fiRightMargin] : -1;
    imported.WidthDivOn = flags & fifWidthDivOn;
    imported.DisplayInvalidChars = (flags & fifDisplayInvalidChars) != 0;
    imported.Source = static_cast<uint8_t>(info.Version());
    return imported;
}

void ApplyImportedFontToOptions(const TImportedOptions& imported, TGenerationOptions& options)
{
    if (imported.FontName)
        options.FontName = *imported.FontName;
    if (imported.FontSize)
        options.FontSize = FontSizeRange.Clamp(*imported.FontSize);
    options.FontStyle = imported.FontStyle;
}

namespace {

// A rule whose value is -1 is off; its box keeps its number.
void ApplyRule(int value, bool& on, int& boxValue)
{
    on = value >= 0;
    if (on)
        boxValue = PixelRange.Clamp(value);
}

} // namespace

void ApplyImportedToOptions(const TImportedOptions& imported, TGenerationOptions& options)
{
    ApplyImportedFontToOptions(imported, options);
    if (imported.StoredRuleValues) {
        options.MinWidth = PixelRange.Clamp(imported.StoredRuleValues->MinWidth);
        options.RightMargin = PixelRange.Clamp(imported.StoredRuleValues->RightMargin);
        options.TopCut = PixelRange.Clamp(imported.StoredRuleValues->TopCut);
        options.BottomCut = PixelRange.Clamp(imported.StoredRuleValues->BottomCut);
    }
    if (imported.DisplayInvalidChars)
        options.DisplayInvalidChars = *imported.DisplayInvalidChars;

    options.SpaceWidth = PixelRange.Clamp(imported.SpaceWidth);
    options.Outline = PixelRange.Clamp(imported.Outline);
    options.RenderMode = imported.Rendering.Mode;
    options.Ink = InkRange.Clamp(imported.Rendering.Ink);
    options.Shift = ShiftRange.Clamp(imported.Shift);
    options.ShapeArabic = imported.ShapeArabic;
    options.Shift2 = ShiftRange.Clamp(imported.Shift2);
    options.Align2 = imported.Align2;
    ApplyRule(imported.MinWidth, options.CutLeftRight, options.MinWidth);
    options.MinHeight = PixelRange.Clamp(imported.MinHeight);
    options.SameWidthNumbers = imported.SameWidthNumbers;
    options.MinusSameWidth = imported.MinusSameWidth;
    ApplyRule(imported.RightMargin, options.RightMarginOn, options.RightMargin);
    ApplyRule(imported.TopCut, options.TopCutOn, options.TopCut);
    ApplyRule(imported.BottomCut, options.BottomCutOn, options.BottomCut);
    options.WidthDivOn = imported.WidthDivOn;
    options.WidthDiv = WidthDivRange.Clamp(imported.WidthDiv);

    if (imported.Source > 0) {
        if (!imported.Font2Name.empty())
            options.Font2Name = imported.Font2Name;
        options.Font2Size = FontSizeRange.Clamp(imported.Font2Size);
        options.Font2Style = imported.Font2Style;
        options.Outline2 = PixelRange.Clamp(imported.Outline2);
        options.RenderMode2 = imported.Rendering2.Mode;
        options.Ink2 = InkRange.Clamp(imported.Rendering2.Ink);
    }
    // The import never restores the font type.
    options.FontType = ftFourColorOld;
}

TImportOutcome ImportOptionsFromFile(const std::string& fileName, const std::vector<std::string>& installedFaces,
                                     TGenerationOptions& options)
{
    const TFontInfoBlock info = ReadFontInfo(fileName);
    if (info.Found) {
        ApplyImportedToOptions(ImportedFromFontInfo(info), options);
        return {TImportOrigin::Block, info.Version()};
    }
    const std::optional<TOptionsTextParts> parts = SplitOptionsFileName(fileName);
    if (!parts)
        return {};
    TImportedOptions imported;
    ParseOptionsHead(parts->Head, installedFaces, imported);
    ApplyImportedFontToOptions(imported, options);
    ParseOptionsTail(parts->Tail, imported);
    ApplyImportedToOptions(imported, options);
    return {TImportOrigin::FileName, 0};
}
