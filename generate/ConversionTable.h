#pragma once
// Unicode conversion tables: which UTF-16 code unit each character code of the font draws,
// read from an INI-style file that holds any number of numbered presets.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "font/IntegerList.h"

class TConversionTable {
public:
    static constexpr int CharCount = 65536;

    TConversionTable();

    // Reads the preset ids (section headers in file order, duplicates kept) and their
    // descriptions. Selects and loads nothing: the caller picks a preset afterwards.
    // The file name is kept even when reading fails. On an error the ids read so far stay
    // and the descriptions stay empty. A section that is not numbered fails the file with a
    // message naming it.
    void LoadTableFile(const std::string& fileName);

    // Re-reads the table file and fills the table from section PresetId. The table is
    // reset to the identity with LastCharIndex 0 first; an error (file or number) leaves
    // every entry set before the failing line, so the caller must request a regeneration
    // whether this returns or throws.
    // A MAX above 65535 is clamped to 65535, the last code the table can hold.
    void LoadTableSection(int32_t presetId);

    // A font loaded from a file has no table: every entry 0, one code per glyph.
    void ClearToZero(int glyphCount);
    // Whether the entries are a preset's Unicode values: not before the first preset, nor for
    // a font loaded from a file.
    bool MapsUnicode() const { return FMapsUnicode; }

    const std::string& TableFileName() const { return FTableFileName; }
    const TIntegerList& PresetIds() const { return FPresetIds; }
    // Entry k describes preset k of PresetIds.
    const std::vector<std::string>& PresetDescriptions() const { return FPresetDescriptions; }
    const std::vector<uint16_t>& CharUnicode() const { return FCharUnicode; }
    uint16_t CharUnicode(int code) const { return FCharUnicode.at(static_cast<size_t>(code)); }
    int32_t LastCharIndex() const { return FLastCharIndex; }

    // "key=value": both upper-cased and trimmed. Without "=" the key is the line as it
    // stands and the value is empty.
    static void SplitTableLine(const std::string& line, std::string& key, std::string& value);
    // "$hex", "0Xhex" (either with an optional trailing "H"), else StrToInt.
    // Expects upper-cased, trimmed text. Throws EConvertError.
    static int32_t ParseTableNumber(std::string_view text);
    // Never fails: a character outside 0-9, A-F contributes -1, setting every bit.
    static int32_t HexToInt(std::string_view text);
    // Leading blanks, an optional sign, then decimal digits or hex digits after "$", "x"
    // or "0x"; must fit in 32 bits. Throws EConvertError "'%s' is not a valid integer value".
    static int32_t StrToInt(std::string_view text);
    // The value of Key in [Section] (both compared ignoring case, value trimmed); the first
    // section of that name and its first such key count. Default when absent.
    static std::string ReadIniString(const std::vector<std::string>& lines, const std::string& section,
                                     const std::string& key, const std::string& defaultValue);

private:
    std::string FTableFileName;
    TIntegerList FPresetIds;
    std::vector<std::string> FPresetDescriptions;
    std::vector<uint16_t> FCharUnicode;
    int32_t FLastCharIndex = 0;
    bool FMapsUnicode = false;
};
