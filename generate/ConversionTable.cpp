#include "generate/ConversionTable.h"

#include <algorithm>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/Text.h"

namespace {

constexpr int32_t HighestCharCode = TConversionTable::CharCount - 1;

char UpperCaseChar(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return UpperCaseChar(x) == UpperCaseChar(y); });
}

// Trimmed and upper-cased into Target.
void AssignTableText(std::string& target, std::string_view text)
{
    target.assign(TrimBlanks(text));
    for (char& c : target)
        c = UpperCaseChar(c);
}

[[noreturn]] void ThrowNotAnInteger(std::string_view text)
{
    throw EConvertError(
        StrFormat(CORE_TEXT("CoreMessage", "'%s' is not a valid integer value"), std::string(text).c_str()));
}

int DigitValue(char c, bool hex)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (hex && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (hex && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The inner text of an INI section header line, or nothing when the line is not one.
bool IniSectionName(std::string_view line, std::string_view& name)
{
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return false;
    const size_t close = trimmed.find(']');
    name = TrimBlanks(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

// Every code mapped to itself, built once: a section load starts from it.
const std::vector<uint16_t>& IdentityTable()
{
    static const std::vector<uint16_t> table = [] {
        std::vector<uint16_t> codes(TConversionTable::CharCount);
        for (size_t c = 0; c < codes.size(); ++c)
            codes[c] = static_cast<uint16_t>(c);
        return codes;
    }();
    return table;
}

} // namespace

TConversionTable::TConversionTable() : FPresetIds(0, 16), FCharUnicode(CharCount, 0) {}

void TConversionTable::LoadTableFile(const std::string& fileName)
{
    FTableFileName = fileName;
    FPresetIds.Clear();
    FPresetDescriptions.clear();
    const std::vector<std::string> lines = LoadTextLines(fileName);
    for (const std::string& line : lines) {
        if (line.empty() || line.front() != '[')
            continue;
        // Without its first and last character, whatever the last one is.
        const std::string inner = line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string();
        try {
            FPresetIds.Add(StrToInt(inner), true);
        } catch (const EConvertError&) {
            // A settings file, or a table written by hand: say what a table needs.
            throw EConvertError(StrFormat(
                CORE_TEXT("CoreMessage", "\"%s\" holds the section %s, which is no preset: a table file holds only "
                                         "numbered sections such as [1]."),
                fileName.c_str(), line.c_str()));
        }
    }
    std::vector<std::string> descriptions;
    for (int i = 0; i < FPresetIds.Count(); ++i)
        descriptions.push_back(ReadIniString(lines, std::to_string(FPresetIds[i]), "Description", ""));
    FPresetDescriptions = std::move(descriptions);
}

void TConversionTable::LoadTableSection(int32_t presetId)
{
    FLastCharIndex = 0;
    const std::string header = StrFormat("[%d]", presetId);
    FCharUnicode = IdentityTable();
    FMapsUnicode = true;

    const std::vector<std::string> lines = LoadTextLines(FTableFileName);
    const auto start = std::find_if(lines.begin(), lines.end(),
                                    [&](const std::string& line) { return SameTextIgnoringCase(line, header); });
    if (start == lines.end())
        return;

    std::string key;
    std::string value;
    for (auto line = std::next(start); line != lines.end(); ++line) {
        SplitTableLine(*line, key, value);
        if (key.empty())
            continue;
        if (key == "MAX")
            FLastCharIndex = std::min(ParseTableNumber(value), HighestCharCode);
        if (key.front() == '[')
            break;
        if (key.front() == 'M' || key.front() == 'D')
            continue;
        const int32_t code = ParseTableNumber(key);
        const int32_t unicode = value.empty() ? 0 : ParseTableNumber(value);
        FCharUnicode[static_cast<size_t>(code & 0xFFFF)] = static_cast<uint16_t>(unicode & 0xFFFF);
    }
}

void TConversionTable::ClearToZero(int glyphCount)
{
    std::fill(FCharUnicode.begin(), FCharUnicode.end(), uint16_t{0});
    FLastCharIndex = glyphCount - 1;
    FMapsUnicode = false;
}

void TConversionTable::SplitTableLine(const std::string& line, std::string& key, std::string& value)
{
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
        key = line;
        value.clear();
        return;
    }
    const std::string_view text(line);
    AssignTableText(key, text.substr(0, equals));
    AssignTableText(value, text.substr(equals + 1));
}

int32_t TConversionTable::ParseTableNumber(std::string_view text)
{
    size_t prefix = 0;
    if (!text.empty() && text.front() == '$')
        prefix = 1;
    else if (text.starts_with("0X"))
        prefix = 2;
    if (prefix == 0)
        return StrToInt(text);

    std::string_view digits = text.substr(prefix);
    if (digits.ends_with('H'))
        digits.remove_suffix(1);
    // A prefix with nothing after it is no number at all.
    if (digits.empty())
        ThrowNotAnInteger(text);
    return HexToInt(digits);
}

int32_t TConversionTable::HexToInt(std::string_view text)
{
    uint32_t result = 0;
    for (const char c : text) {
        const int32_t digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        result = (result << 4) | static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(result);
}

int32_t TConversionTable::StrToInt(std::string_view text)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == n)
        ThrowNotAnInteger(text);

    // Hexadecimal may use all 32 bits; decimal must fit a signed 32-bit value.
    const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit = DigitValue(text[i], hex);
        if (digit < 0)
            ThrowNotAnInteger(text);
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (magnitude > limit)
            ThrowNotAnInteger(text);
    }
    const uint32_t bits = static_cast<uint32_t>(magnitude);
    return static_cast<int32_t>(negative ? 0u - bits : bits);
}

std::string TConversionTable::ReadIniString(const std::vector<std::string>& lines, const std::string& section,
                                            const std::string& key, const std::string& defaultValue)
{
    bool inSection = false;
    for (const std::string& line : lines) {
        std::string_view name;
        if (IniSectionName(line, name)) {
            // Only the first section of a name is searched.
            if (inSection)
                break;
            inSection = SameTextIgnoringCase(name, section);
            continue;
        }
        if (!inSection)
            continue;
        const std::string_view text(line);
        const size_t equals = text.find('=');
        if (equals != std::string_view::npos && SameTextIgnoringCase(TrimBlanks(text.substr(0, equals)), key))
            return std::string(TrimBlanks(text.substr(equals + 1)));
    }
    return defaultValue;
}
