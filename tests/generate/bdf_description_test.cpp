#include <gtest/gtest.h>

#include "generate/BdfDescription.h"
#include "generate/FontEngine.h"
#include "generate/Generator.h"

namespace {

int LowestRowOf(const TGlyphBitmap& glyph, uint8_t colour)
{
    for (int y = glyph.Height() - 1; y >= 0; --y)
        for (int x = 0; x < glyph.Width(); ++x)
            if (glyph.Pixel(x, y) == colour)
                return y;
    return -1;
}

} // namespace

// Capitals and digits stand on the generation's baseline whatever the cell, cuts and outline,
// and the estimate for a font without options finds the same row.
TEST(BdfDescription, TheBaselineIsWhereTheGenerationDrewTheCapitals)
{
    TFontEngine engine;
    const std::shared_ptr<const TFontFace> face = engine.OpenFont({"DejaVu Sans", 16, 0});
    std::vector<uint16_t> table(65536);
    const std::u16string characters = u"HE0g";
    std::copy(characters.begin(), characters.end(), table.begin());
    for (const auto& [outline, minHeight, topCut, bottomCut, shift] :
         {std::tuple{0, 16, 0, 0, 0}, std::tuple{1, 31, 3, 0, 2}, std::tuple{2, 8, 2, 4, 0}, std::tuple{0, 40, 0, 7, -3}}) {
        SCOPED_TRACE(testing::Message() << outline << " " << minHeight << " " << topCut << " " << bottomCut << " "
                                        << shift);
        TGenerationOptions options;
        options.FontName = "DejaVu Sans";
        options.Outline = outline;
        options.MinHeight = minHeight;
        options.TopCutOn = topCut > 0;
        options.TopCut = topCut;
        options.BottomCutOn = bottomCut > 0;
        options.BottomCut = bottomCut;
        options.Shift = shift;
        TMtkFont store;
        TGlyphGenerator generator(options, table, 3, {face.get(), nullptr, face->Coverage(), FullCoverage()});
        generator.GenerateFont(store);
        const int baseline = GenerationBaseline(options, *face, store.FHeight);
        for (int code = 0; code < 3; ++code)
            EXPECT_EQ(LowestRowOf(*store.GetGlyph(code), 3) + 1, baseline) << "code " << code;
        EXPECT_GT(LowestRowOf(*store.GetGlyph(3), 3) + 1, baseline) << "g descends";
        EXPECT_EQ(EstimatedBaseline(store, table), baseline);

        const TBdfDescription described = DescribeForBdf(store, {&options, face.get(), table, "", ""});
        EXPECT_EQ(described.Ascent, baseline);
        EXPECT_EQ(described.PixelSize, store.FHeight);
        EXPECT_EQ(described.PointSize, 160);
    }
}

TEST(BdfDescription, TheCharacterSetAndNamesComeFromThePreset)
{
    EXPECT_EQ(CharsetOfPreset("Windows-1251 (Cyrillic)")->Encoding, "cp1251");
    EXPECT_EQ(CharsetOfPreset("ISO-8859-15 (Latin-9, Western European with Euro)")->Registry, "ISO8859");
    EXPECT_EQ(CharsetOfPreset("ISO-8859-15 (Latin-9, Western European with Euro)")->Encoding, "15");
    EXPECT_EQ(CharsetOfPreset("KOI8-U (Ukrainian)")->Encoding, "U");
    EXPECT_EQ(CharsetOfPreset("CP866 (DOS Cyrillic)")->Registry, "ibm");
    EXPECT_FALSE(CharsetOfPreset("Unicode 0000-32FF (for the 4 color types)"));
    EXPECT_FALSE(CharsetOfPreset("My Windows-1251 copy"));

    TMtkFont store;
    for (int code = 0; code < 70; ++code)
        store.AddGlyph(TGlyphBitmap(code == 5 ? 0 : 3, 4, TPaletteKind::FourColor, 1), 1);
    store.FHeight = 4;
    std::vector<uint16_t> table(65536);
    for (size_t code = 0; code < table.size(); ++code)
        table[code] = static_cast<uint16_t>(code);
    TBdfDescription unicode = DescribeForBdf(store, {nullptr, nullptr, table, "Unicode 0000-FFFE", "Mine"});
    EXPECT_EQ(unicode.Registry + "-" + unicode.Encoding, "ISO10646-1");
    EXPECT_EQ(unicode.GlyphNames[65], "uni0041");
    EXPECT_EQ(unicode.DefaultChar, 63);
    EXPECT_EQ(unicode.Family, "Mine");
    EXPECT_EQ(unicode.Ascent, 4);

    table[66] = u'A';
    table[63] = 0;
    table[5] = u'?';
    TBdfDescription own = DescribeForBdf(store, {nullptr, nullptr, table, "Custom", "Mine"});
    EXPECT_EQ(own.Registry + "-" + own.Encoding, "GlyphForgeTool-0");
    EXPECT_EQ(own.GlyphNames[65], "uni0041");
    EXPECT_EQ(own.GlyphNames[66], "") << "a repeated character is named by its code";
    EXPECT_EQ(own.GlyphNames[63], "") << "a code that draws nothing is named by its code";
    EXPECT_EQ(own.DefaultChar, 0) << "'?' is 0 pixels wide: the first drawn glyph";
    EXPECT_EQ(DescribeForBdf(store, {nullptr, nullptr, table, "Windows-1252 (Western European)", ""}).Registry,
              "microsoft");
}
