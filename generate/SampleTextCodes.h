#pragma once
// Which glyphs show a line of sample text typed by the user.

#include <string_view>
#include <vector>

class TConversionTable;

// One glyph number per character that has one. Through the table's Unicode values: the lowest
// code within the table that holds the character. A font loaded without a table: the
// character's code in the single-byte code page (Windows-1252). Characters without a code
// are left out rather than drawn as another glyph.
std::vector<int> SampleTextCodes(std::u16string_view text, const TConversionTable& table);
