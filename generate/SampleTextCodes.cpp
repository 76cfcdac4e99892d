#include "generate/SampleTextCodes.h"

#include <algorithm>
#include <cstdint>

#include "generate/ConversionTable.h"

namespace {

// Windows-1252 codes 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

int SingleByteCode(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    const auto* found = std::find(std::begin(Cp1252High), std::end(Cp1252High), unit);
    return found == std::end(Cp1252High) ? -1 : 0x80 + static_cast<int>(found - std::begin(Cp1252High));
}

// Code by Unicode value, the lowest code winning.
std::vector<int32_t> CodesByUnicode(const TConversionTable& table)
{
    std::vector<int32_t> codes(TConversionTable::CharCount, -1);
    for (int32_t code = table.LastCharIndex(); code >= 0; --code)
        codes[table.CharUnicode(code)] = code;
    return codes;
}

} // namespace

std::vector<int> SampleTextCodes(std::u16string_view text, const TConversionTable& table)
{
    std::vector<int> glyphs;
    glyphs.reserve(text.size());
    if (!table.MapsUnicode()) {
        for (const char16_t unit : text)
            if (const int code = SingleByteCode(unit); code >= 0)
                glyphs.push_back(code);
        return glyphs;
    }
    const std::vector<int32_t> codes = CodesByUnicode(table);
    for (const char16_t unit : text)
        if (const int32_t code = codes[unit]; code >= 0)
            glyphs.push_back(code);
    return glyphs;
}
