// FonTool text: a few header records, then every glyph as rows of pixel characters.

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/Format.h"
#include "font/Text.h"
#include "font/MtkFont.h"

namespace {

constexpr int MaxFontHeight = 255;
constexpr int MaxGlyphWidth = 255;
// "#l " and its kin: every record's payload starts at the fourth character.
constexpr size_t RowPrefixLength = 3;

// The record's text after its two key characters, blanks removed, as a decimal integer.
std::optional<int32_t> RecordValue(const std::string& line)
{
    std::string_view text = TrimBlanks(std::string_view(line).substr(std::min<size_t>(2, line.size())));
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int32_t value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// Walks the lines forward. A search passes over every line that does not start with its key.
class TRecordCursor {
public:
    explicit TRecordCursor(const std::vector<std::string>& lines) : FLines(lines) {}

    bool Find(const char* key)
    {
        for (; FCurrent < FLines.size(); ++FCurrent)
            if (FLines[FCurrent].compare(0, 2, key) == 0)
                return true;
        return false;
    }

    // Nullopt when the key is missing or its value is not an integer.
    std::optional<int32_t> FindValue(const char* key)
    {
        return Find(key) ? RecordValue(Line()) : std::nullopt;
    }

    const std::string& Line() const { return FLines[FCurrent]; }

    const std::string& NextLine()
    {
        if (FCurrent + 1 >= FLines.size())
            throw EListError(
                StrFormat(CORE_TEXT("CoreMessage", "List index out of bounds (%d)"), static_cast<int>(FCurrent + 1)));
        return FLines[++FCurrent];
    }

private:
    const std::vector<std::string>& FLines;
    size_t FCurrent = 0;
};

std::string HeaderRecord(const TFontHeader& header)
{
    std::string line = "#F ";
    for (size_t i = 0; i < 11; ++i) {
        if (i > 0)
            line += ',';
        line += std::to_string(header.Bytes[i]);
    }
    return line;
}

} // namespace

std::vector<std::string> TMtkFont::ExportFonToolText(char c0, char c1, char c2, char c3, int64_t size) const
{
    std::vector<std::string> lines;
    if (FBitsPerPixel != 1 && FBitsPerPixel != 2)
        return lines;

    TFontHeader header;
    BuildHeader(FBitsPerPixel == 2, header);
    lines.push_back(HeaderRecord(header));
    lines.emplace_back();

    if (size < 0) {
        // The size line is informational only; a store the Mediatek format cannot hold
        // (too many compressed glyphs) still has a valid text picture.
        try {
            size = static_cast<int64_t>(SavedSize(false, std::string(), {}));
        } catch (const EFontLimitError&) {
            size = 0;
        }
    }
    lines.push_back(StrFormat("#S %lld", static_cast<long long>(size)));
    lines.emplace_back();
    lines.push_back(StrFormat("#C %d", GlyphCount()));
    lines.emplace_back();
    lines.push_back(StrFormat("#H %d", FHeight));
    lines.emplace_back();

    std::array<char, 256> pixelChars;
    pixelChars.fill(c0);
    pixelChars[1] = c1;
    pixelChars[2] = c2;
    pixelChars[3] = c3;

    for (int i = 0; i < GlyphCount(); ++i) {
        const TGlyphBitmap& glyph = *GetGlyph(i);
        lines.push_back(StrFormat("#G %d", i));
        lines.push_back(StrFormat("#W %d", glyph.Width()));
        for (int y = 0; y < glyph.Height(); ++y) {
            std::string row = "#l ";
            for (int x = 0; x < glyph.Width(); ++x)
                row += pixelChars[glyph.Pixel(x, y)];
            lines.push_back(std::move(row));
        }
        lines.emplace_back("#A");
        lines.emplace_back();
        lines.emplace_back();
    }
    return lines;
}

void TMtkFont::ImportFonToolText(const std::vector<std::string>& lines, char /*c0: any other character reads as 0*/,
                                 char c1, char c2, char c3)
{
    TRecordCursor cursor(lines);
    // The header numbers are not used: the header is rebuilt whenever the font is saved.
    cursor.Find("#F");
    const int32_t count = cursor.FindValue("#C").value_or(0);
    const int32_t height = cursor.FindValue("#H").value_or(0);
    if (count > 0 && height > MaxFontHeight)
        throw EFontLimitError(
            StrFormat(CORE_TEXT("CoreMessage", "The text's glyph height %d is above %d, the largest font height."),
                      height, MaxFontHeight));

    Clear();
    if (count <= 0 || height <= 0)
        return;
    FCompression = 1;
    FHeight = static_cast<uint8_t>(height);
    FBitsPerPixel = 2;
    FVariableWidth = true;

    std::array<uint8_t, 256> indexOf{};
    indexOf[static_cast<unsigned char>(c3)] = 3;
    indexOf[static_cast<unsigned char>(c2)] = 2;
    indexOf[static_cast<unsigned char>(c1)] = 1;

    for (int32_t g = 0; g < count; ++g) {
        if (cursor.FindValue("#G").value_or(-1) != g)
            return;
        int32_t width = 0;
        if (cursor.Find("#W")) {
            const std::optional<int32_t> value = RecordValue(cursor.Line());
            if (!value)
                return;
            width = *value;
        }
        if (width < 0 || width > MaxGlyphWidth)
            throw EFontLimitError(
                StrFormat(CORE_TEXT("CoreMessage", "Glyph %d is %d pixels wide; a glyph can be 0 to %d pixels wide."),
                          g, width, MaxGlyphWidth));
        auto glyph = std::make_unique<TGlyphBitmap>(width, height, TPaletteKind::FourColor);
        for (int y = 0; width > 0 && y < height; ++y) {
            const std::string& row = cursor.NextLine();
            uint8_t* pixels = glyph->Row(y);
            for (size_t x = 0; x < static_cast<size_t>(width) && RowPrefixLength + x < row.size(); ++x)
                pixels[x] = indexOf[static_cast<unsigned char>(row[RowPrefixLength + x])];
        }
        AddGlyph(std::move(glyph), 1);
    }
}
