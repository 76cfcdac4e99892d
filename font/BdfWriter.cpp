#include "font/BdfWriter.h"

#include <algorithm>
#include <array>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/MtkFont.h"

namespace {

constexpr int Resolution = 96;

// Palette index -> level. In 2 bits: background 0, second background 1, outline 2, ink 3.
std::array<uint8_t, 256> LevelOfColour(const TMtkFont& font, int bits)
{
    std::array<uint8_t, 256> level{};
    for (int index = 0; index < 256; ++index) {
        if (font.FBitsPerPixel == 1)
            level[index] = index != 0;
        else if (bits == 1)
            level[index] = (index & 3) >= 2;
        else
            level[index] = static_cast<uint8_t>(std::array<uint8_t, 4>{1, 0, 2, 3}[index & 3]);
    }
    return level;
}

struct TInkBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The box around every pixel whose level is not 0; empty when there is none.
TInkBox InkBox(const TGlyphBitmap& glyph, const std::array<uint8_t, 256>& level)
{
    int left = glyph.Width(), right = 0, top = glyph.Height(), bottom = 0;
    for (int y = 0; y < glyph.Height(); ++y) {
        const uint8_t* row = glyph.Row(y);
        for (int x = 0; x < glyph.Width(); ++x)
            if (level[row[x]] != 0) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
    }
    if (left >= right)
        return {};
    return {left, top, right - left, bottom - top};
}

// XLFD fields and property strings may hold neither field separators nor quotes.
std::string XlfdField(const std::string& text)
{
    std::string field = text;
    std::replace_if(field.begin(), field.end(), [](char c) { return c == '-' || c == '"' || c == '\n' || c == '\r'; },
                    ' ');
    return field;
}

int AverageWidth(const TMtkFont& font)
{
    int64_t sum = 0;
    int count = 0;
    for (int code = 0; code < font.GlyphCount(); ++code)
        if (const int width = font.GetGlyph(code)->Width(); width > 0) {
            sum += width;
            ++count;
        }
    return count > 0 ? static_cast<int>((sum * 10 + count / 2) / count) : 0;
}

int MaxWidth(const TMtkFont& font)
{
    int width = 0;
    for (int code = 0; code < font.GlyphCount(); ++code)
        width = std::max(width, font.GetGlyph(code)->Width());
    return width;
}

class TBdfEncoder {
public:
    TBdfEncoder(const TMtkFont& font, const TBdfDescription& description, TBdfDepth depth)
        : FFont(font), FDescription(description),
          FBits(font.FBitsPerPixel == 1 || depth == TBdfDepth::OneBit ? 1 : 2), FLevel(LevelOfColour(font, FBits)),
          FAscent(std::clamp(description.Ascent, 0, int{font.FHeight}))
    {
    }

    std::vector<uint8_t> Encode()
    {
        const int descent = FFont.FHeight - FAscent;
        const std::string family = XlfdField(FDescription.Family);
        const char* weight = FDescription.Bold ? "Bold" : "Medium";
        const char* slant = FDescription.Italic ? "I" : "R";
        const char* spacing = FFont.FVariableWidth ? "P" : "C";
        const int averageWidth = AverageWidth(FFont);
        const std::string registry = XlfdField(FDescription.Registry);
        const std::string encoding = XlfdField(FDescription.Encoding);
        const int pixelSize = FDescription.PixelSize;
        const int pointSize = FDescription.PointSize;

        Line(FBits == 1 ? "STARTFONT 2.1" : "STARTFONT 2.3");
        for (const std::string& comment : FDescription.Comments)
            Line("COMMENT " + XlfdField(comment));
        Line(StrFormat("FONT -GlyphForgeTool-%s-%s-%s-Normal--%d-%d-%d-%d-%s-%d-%s-%s", family.c_str(), weight, slant,
                       pixelSize, pointSize, Resolution, Resolution, spacing, averageWidth, registry.c_str(),
                       encoding.c_str()));
        const int points = (pointSize + 5) / 10;
        Line(FBits == 1 ? StrFormat("SIZE %d %d %d", points, Resolution, Resolution)
                        : StrFormat("SIZE %d %d %d %d", points, Resolution, Resolution, FBits));
        Line(StrFormat("FONTBOUNDINGBOX %d %d 0 %d", MaxWidth(FFont), int{FFont.FHeight}, -descent));
        Line("STARTPROPERTIES 14");
        Line("FAMILY_NAME \"" + family + "\"");
        Line(StrFormat("WEIGHT_NAME \"%s\"", weight));
        Line(StrFormat("SLANT \"%s\"", slant));
        Line(StrFormat("PIXEL_SIZE %d", pixelSize));
        Line(StrFormat("POINT_SIZE %d", pointSize));
        Line(StrFormat("RESOLUTION_X %d", Resolution));
        Line(StrFormat("RESOLUTION_Y %d", Resolution));
        Line(StrFormat("SPACING \"%s\"", spacing));
        Line(StrFormat("AVERAGE_WIDTH %d", averageWidth));
        Line("CHARSET_REGISTRY \"" + registry + "\"");
        Line("CHARSET_ENCODING \"" + encoding + "\"");
        Line(StrFormat("DEFAULT_CHAR %d", FDescription.DefaultChar));
        Line(StrFormat("FONT_ASCENT %d", FAscent));
        Line(StrFormat("FONT_DESCENT %d", descent));
        Line("ENDPROPERTIES");
        Line(StrFormat("CHARS %d", FFont.GlyphCount()));
        for (int code = 0; code < FFont.GlyphCount(); ++code)
            Glyph(code);
        Line("ENDFONT");
        return std::move(FText);
    }

private:
    void Line(const std::string& text)
    {
        FText.insert(FText.end(), text.begin(), text.end());
        FText.push_back('\n');
    }

    std::string Name(int code) const
    {
        const size_t index = static_cast<size_t>(code);
        if (index < FDescription.GlyphNames.size() && !FDescription.GlyphNames[index].empty())
            return FDescription.GlyphNames[index];
        return StrFormat("char%d", code);
    }

    // Scalable width in thousandths of the em: DWIDTH x 1000 x 72 / (points x 96).
    int ScalableWidth(int width) const
    {
        const int pointSize = FDescription.PointSize;
        return pointSize > 0 ? (width * 15000 + pointSize) / (2 * pointSize) : 0;
    }

    void Glyph(int code)
    {
        const TGlyphBitmap& glyph = *FFont.GetGlyph(code);
        const TInkBox box = InkBox(glyph, FLevel);
        Line("STARTCHAR " + Name(code));
        Line(StrFormat("ENCODING %d", code));
        Line(StrFormat("SWIDTH %d 0", ScalableWidth(glyph.Width())));
        Line(StrFormat("DWIDTH %d 0", glyph.Width()));
        Line(StrFormat("BBX %d %d %d %d", box.Width, box.Height, box.Left,
                       box.Height > 0 ? FAscent - (box.Top + box.Height) : 0));
        Line("BITMAP");
        static constexpr char Hex[] = "0123456789ABCDEF";
        std::vector<uint8_t> bytes(static_cast<size_t>((box.Width * FBits + 7) / 8));
        std::string row;
        for (int y = box.Top; y < box.Top + box.Height; ++y) {
            std::fill(bytes.begin(), bytes.end(), 0);
            const uint8_t* pixels = glyph.Row(y) + box.Left;
            for (int x = 0; x < box.Width; ++x) {
                const int bit = x * FBits;
                bytes[static_cast<size_t>(bit / 8)] |= static_cast<uint8_t>(FLevel[pixels[x]] << (8 - FBits - bit % 8));
            }
            row.clear();
            for (const uint8_t byte : bytes) {
                row += Hex[byte >> 4];
                row += Hex[byte & 15];
            }
            Line(row);
        }
        Line("ENDCHAR");
    }

    const TMtkFont& FFont;
    const TBdfDescription& FDescription;
    const int FBits;
    const std::array<uint8_t, 256> FLevel;
    const int FAscent;
    std::vector<uint8_t> FText;
};

} // namespace

std::vector<uint8_t> EncodeBdf(const TMtkFont& font, const TBdfDescription& description, TBdfDepth depth)
{
    return TBdfEncoder(font, description, depth).Encode();
}

void SaveBdfFile(const TMtkFont& font, const TBdfDescription& description, TBdfDepth depth, const std::string& fileName)
{
    if (font.GlyphCount() == 0)
        throw EFontLimitError(CORE_TEXT("CoreMessage", "The font holds no glyphs; a BDF font needs at least one."));
    WriteFileAtomically(fileName, EncodeBdf(font, description, depth));
}
