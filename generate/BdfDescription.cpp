#include "generate/BdfDescription.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "font/Format.h"
#include "font/MtkFont.h"
#include "generate/FontEngine.h"
#include "generate/FontFace.h"
#include "generate/Generator.h"

namespace {

const TXlfdCharset UnicodeCharset{"ISO10646", "1"};
// The codes are the font's own slots, in no standard character set.
const TXlfdCharset SlotCharset{"GlyphForgeTool", "0"};

bool IsDigitOrCapital(uint16_t character)
{
    return (character >= u'0' && character <= u'9') || (character >= u'A' && character <= u'Z');
}

// The character at a code: the table's when there is one, else the code as ASCII.
uint16_t CharacterOf(int code, std::span<const uint16_t> charUnicode)
{
    if (charUnicode.empty())
        return static_cast<uint16_t>(code);
    return static_cast<size_t>(code) < charUnicode.size() ? charUnicode[static_cast<size_t>(code)] : 0;
}

// Lowest row holding ink, not counting an outline, which reaches below the baseline; -1 for none.
int LowestInkRow(const TGlyphBitmap& glyph, uint8_t ink)
{
    for (int y = glyph.Height() - 1; y >= 0; --y)
        for (int x = 0; x < glyph.Width(); ++x)
            if (glyph.Pixel(x, y) == ink)
                return y;
    return -1;
}

bool MapsIdentity(std::span<const uint16_t> charUnicode, int count)
{
    if (charUnicode.size() < static_cast<size_t>(count))
        return false;
    for (int code = 0; code < count; ++code)
        if (charUnicode[static_cast<size_t>(code)] != code)
            return false;
    return true;
}

TXlfdCharset Charset(const TBdfSource& source, int count)
{
    if (const std::optional<TXlfdCharset> codePage = CharsetOfPreset(source.PresetDescription))
        return *codePage;
    return !source.CharUnicode.empty() && MapsIdentity(source.CharUnicode, count) ? UnicodeCharset : SlotCharset;
}

// "uniXXXX" for a character the table names once; the writer names the rest by their code.
std::vector<std::string> GlyphNames(std::span<const uint16_t> charUnicode, int count)
{
    std::vector<std::string> names(static_cast<size_t>(count));
    if (charUnicode.empty())
        return names;
    std::set<uint16_t> named;
    for (int code = 0; code < count; ++code) {
        const uint16_t character = CharacterOf(code, charUnicode);
        if ((character != 0 || code == 0) && named.insert(character).second)
            names[static_cast<size_t>(code)] = StrFormat("uni%04X", character);
    }
    return names;
}

int DefaultChar(const TMtkFont& store, std::span<const uint16_t> charUnicode)
{
    int firstDrawn = -1;
    for (int code = 0; code < store.GlyphCount(); ++code) {
        if (store.GetGlyph(code)->Width() == 0)
            continue;
        if (CharacterOf(code, charUnicode) == u'?')
            return code;
        if (firstDrawn < 0)
            firstDrawn = code;
    }
    return std::max(firstDrawn, 0);
}

std::string FamilyOf(const std::string& fontName)
{
    return IsFontFileName(fontName) ? std::filesystem::path(fontName).stem().string() : fontName;
}

} // namespace

int GenerationBaseline(const TGenerationOptions& options, const TFontFace& primary, int storeHeight)
{
    const int topCut = options.TopCutOn ? options.TopCut : 0;
    const int bottomCut = options.BottomCutOn ? options.BottomCut : 0;
    const int outline = std::max(options.Outline, 0);
    // The cell as the generator centred the text in it, before the cuts.
    const int top =
        CentredTextTop(storeHeight + topCut + bottomCut, primary, outline) - topCut - ShiftRange.Clamp(options.Shift);
    return std::clamp(top + primary.Ascent(), 0, storeHeight);
}

int EstimatedBaseline(const TMtkFont& store, std::span<const uint16_t> charUnicode)
{
    const uint8_t ink = store.FBitsPerPixel == 1 ? 1 : 3;
    for (const bool digitsAndCapitals : {true, false}) {
        std::map<int, int> votes;
        for (int code = 0; code < store.GlyphCount(); ++code)
            if (!digitsAndCapitals || IsDigitOrCapital(CharacterOf(code, charUnicode)))
                if (const int row = LowestInkRow(*store.GetGlyph(code), ink); row >= 0)
                    ++votes[row];
        if (!votes.empty())
            return std::max_element(votes.begin(), votes.end(),
                                    [](const auto& a, const auto& b) { return a.second < b.second; })->first + 1;
    }
    return store.FHeight;
}

std::optional<TXlfdCharset> CharsetOfPreset(const std::string& description)
{
    static const std::regex windows(R"(^Windows-(\d+)\b.*)", std::regex::icase);
    static const std::regex iso(R"(^ISO-8859-(\d+)\b.*)", std::regex::icase);
    static const std::regex koi(R"(^KOI8-([RU])\b.*)", std::regex::icase);
    static const std::regex dos(R"(^CP(437|850|852|866)\b.*)", std::regex::icase);
    static const std::regex windowsThai(R"(^CP874\b.*)", std::regex::icase);
    static const std::regex ascii(R"(^ASCII\b.*)", std::regex::icase);
    std::smatch match;
    if (std::regex_match(description, match, windows))
        return TXlfdCharset{"microsoft", "cp" + match[1].str()};
    if (std::regex_match(description, match, iso))
        return TXlfdCharset{"ISO8859", match[1].str()};
    if (std::regex_match(description, match, koi))
        return TXlfdCharset{"KOI8", match[1].str()};
    if (std::regex_match(description, match, dos))
        return TXlfdCharset{"ibm", "cp" + match[1].str()};
    if (std::regex_match(description, windowsThai))
        return TXlfdCharset{"microsoft", "cp874"};
    if (std::regex_match(description, ascii))
        return TXlfdCharset{"ISO646.1991", "IRV"};
    return std::nullopt;
}

TBdfDescription DescribeForBdf(const TMtkFont& store, const TBdfSource& source)
{
    TBdfDescription description;
    if (source.Options) {
        const TGenerationOptions& options = *source.Options;
        description.Family = FamilyOf(options.FontName);
        description.Bold = (options.FontStyle & fsBold) != 0;
        description.Italic = (options.FontStyle & fsItalic) != 0;
        description.PointSize = options.FontSize * 10;
    } else {
        description.Family = source.Family;
        description.PointSize = (store.FHeight * 15 + 1) / 2; // 96 dpi: 7.5 decipoints a pixel
    }
    // Bitmap font editors take a strike's size to be its height; FontForge warns otherwise.
    description.PixelSize = store.FHeight;
    if (source.Options && source.Face) {
        description.Ascent = GenerationBaseline(*source.Options, *source.Face, store.FHeight);
        description.Comments.push_back("The baseline is the one the glyphs were drawn on.");
    } else {
        description.Ascent = EstimatedBaseline(store, source.CharUnicode);
        description.Comments.push_back("The baseline is estimated: the row under the commonest lowest ink row of "
                                       "the digits and capitals.");
    }
    const TXlfdCharset charset = Charset(source, store.GlyphCount());
    description.Registry = charset.Registry;
    description.Encoding = charset.Encoding;
    description.GlyphNames = GlyphNames(source.CharUnicode, store.GlyphCount());
    description.DefaultChar = DefaultChar(store, source.CharUnicode);
    return description;
}
