#include <gtest/gtest.h>

#include <string_view>

#include "font/BdfReader.h"
#include "font/BdfWriter.h"
#include "font/MtkFont.h"
#include "RandomFont.h"

namespace {

using TBytes = std::vector<uint8_t>;

TBytes Text(std::string_view text)
{
    return TBytes(text.begin(), text.end());
}

TBytes Mediatek(const TMtkFont& font, bool newMode)
{
    TBytes file;
    font.SaveToStream(file, newMode, "[stamp]", {});
    return file;
}

// Imports Text as a 4-colour font and returns the sink's messages.
std::string Import(TMtkFont& font, std::string_view text, TBdfTarget target = TBdfTarget::FourColor)
{
    std::string messages;
    font.SetMessageSink([&](const std::string& message) { messages += message; });
    try {
        LoadBdf(font, ReadBdf(Text(text)), target);
    } catch (...) {
        font.SetMessageSink({});
        throw;
    }
    font.SetMessageSink({});
    return messages;
}

constexpr std::string_view Head = "STARTFONT 2.1\nFONTBOUNDINGBOX 4 4 0 -1\n"
                                  "STARTPROPERTIES 2\nFONT_ASCENT 3\nFONT_DESCENT 1\nENDPROPERTIES\n";

std::string Glyph(const std::string& name, int code, const std::string& box, const std::string& rows)
{
    return "STARTCHAR " + name + "\nENCODING " + std::to_string(code) + "\nDWIDTH 4 0\nBBX " + box + "\nBITMAP\n" +
           rows + "ENDCHAR\n";
}

std::vector<uint8_t> Column(const TMtkFont& font, int code, int x)
{
    std::vector<uint8_t> column;
    for (int y = 0; y < font.FHeight; ++y)
        column.push_back(font.GetGlyph(code)->Pixel(x, y));
    return column;
}

} // namespace

// Every type goes out to BDF and back, given its type, into the same Mediatek file.
TEST(BdfRoundTrip, EveryFontTypeComesBackByteForByte)
{
    for (const int fontType : {0, 1, 2}) {
        SCOPED_TRACE(fontType);
        TMtkFont font;
        FillRandomFont(font, fontType == 2, 120, 13, 11);
        TMtkFont back;
        LoadBdf(back, ReadBdf(EncodeBdf(font, {.Ascent = 10}, TBdfDepth::AsFont)),
                fontType == 2 ? TBdfTarget::TwoColorFixed : TBdfTarget::FourColor);
        ASSERT_EQ(back.GlyphCount(), font.GlyphCount());
        for (int code = 0; code < font.GlyphCount(); ++code)
            ASSERT_EQ(*back.GetGlyph(code), *font.GetGlyph(code)) << "glyph " << code;
        EXPECT_EQ(Mediatek(back, fontType == 1), Mediatek(font, fontType == 1));
    }
}

TEST(BdfWriter, OneBitSetsInkAndOutlineAndTheBoxSitsOnTheBaseline)
{
    TMtkFont font;
    TGlyphBitmap glyph(5, 4, TPaletteKind::FourColor, 1);
    // Row 2, the last above the baseline at ascent 3: second background, outline, background, ink.
    glyph.SetPixel(0, 2, 0);
    glyph.SetPixel(1, 2, 2);
    glyph.SetPixel(3, 2, 3);
    font.AddGlyph(glyph, 1);
    font.AddGlyph(TGlyphBitmap(0, 4, TPaletteKind::FourColor), 1);
    font.FHeight = 4;
    font.FBitsPerPixel = 2;
    font.FVariableWidth = true;
    const TBdfDescription description{.Ascent = 3};
    const TBdfFont two = ReadBdf(EncodeBdf(font, description, TBdfDepth::AsFont));
    EXPECT_EQ(two.BitsPerPixel, 2);
    EXPECT_EQ(two.Glyphs[0].Levels, (std::vector<uint8_t>{1, 2, 0, 3}));
    EXPECT_EQ(two.Glyphs[0].InkBottom, 0);
    const TBdfFont one = ReadBdf(EncodeBdf(font, description, TBdfDepth::OneBit));
    EXPECT_EQ(one.BitsPerPixel, 1);
    EXPECT_EQ(one.Glyphs[0].Levels, (std::vector<uint8_t>{1, 0, 1}));
    EXPECT_EQ(one.Glyphs[0].InkLeft, 1);
    ASSERT_EQ(one.Glyphs.size(), 2u);
    EXPECT_EQ(one.Glyphs[1].Width, 0);
    EXPECT_TRUE(one.Warnings.empty());
}

TEST(BdfReader, GreyLevelsBecomeTheNearestColour)
{
    const std::string eightBit = "STARTFONT 2.3\nSIZE 8 96 96 8\nSTARTPROPERTIES 2\nFONT_ASCENT 1\nFONT_DESCENT 0\n"
                                 "ENDPROPERTIES\nCHARS 1\nSTARTCHAR g\nENCODING 0\nDWIDTH 5 0\nBBX 5 1 0 0\nBITMAP\n"
                                 "014080D0FF\nENDCHAR\nENDFONT\n";
    TMtkFont font;
    EXPECT_EQ(Import(font, eightBit), "");
    EXPECT_EQ(font.GetGlyph(0)->Bits(), (std::vector<uint8_t>{1, 1, 2, 2, 3}));
    EXPECT_EQ(Import(font, eightBit, TBdfTarget::TwoColorFixed), "");
    EXPECT_EQ(font.GetGlyph(0)->Bits(), (std::vector<uint8_t>{0, 0, 1, 1, 1}));
}

TEST(BdfReader, DamagedGlyphsImportWhatIsSoundAndAreNamed)
{
    TMtkFont font;
    // Codes 1 and 3 are missing; "tall" has one row of its three; "bad" a short, non-hex row;
    // "huge" and "minus" cannot be placed; the file is cut short inside "last".
    const std::string text = std::string(Head) + "CHARS 9\n" + Glyph("A", 0, "2 2 1 0", "80\nC0\n") +
                             Glyph("tall", 2, "1 3 0 -1", "80\n") + Glyph("bad", 4, "8 1 0 0", "Fz\n") +
                             Glyph("huge", 5, "99999999999 1 0 0", "FF\n") + Glyph("minus", -1, "1 1 0 0", "80\n") +
                             "STARTCHAR last\nENCODING 6\nDWIDTH 4 0\nBBX 1 1 0 2\nBITMAP\n80\n";
    const std::string messages = Import(font, text);
    ASSERT_EQ(font.GlyphCount(), 7);
    EXPECT_EQ(font.FHeight, 4);
    EXPECT_EQ(Column(font, 0, 1), (std::vector<uint8_t>{1, 3, 3, 1}));
    EXPECT_EQ(Column(font, 0, 2), (std::vector<uint8_t>{1, 1, 3, 1}));
    EXPECT_EQ(font.GetGlyph(1)->Width(), 0);
    EXPECT_EQ(Column(font, 2, 0), (std::vector<uint8_t>{1, 3, 1, 1}));
    EXPECT_EQ(font.GetGlyph(3)->Width(), 0);
    EXPECT_EQ(Column(font, 4, 0), (std::vector<uint8_t>{1, 1, 3, 1}));
    EXPECT_EQ(font.GetGlyph(5)->Width(), 0);
    EXPECT_EQ(Column(font, 6, 0), (std::vector<uint8_t>{3, 1, 1, 1}));
    for (const char* expected : {"fewer bitmap rows than their BBX height, the missing rows blank: 1, the first \"tall\" (code 2)",
                                 "other than hex digits, the missing pixels blank: 1, the first \"bad\" (code 4)",
                                 "sound BBX of at most 255 x 255 pixels, skipped: 1, the first \"huge\" (code 5)",
                                 "ENCODING -1 or a code beyond 0..65534, skipped: 1, the first \"minus\"",
                                 "ending without ENDCHAR, read as far as they go: 1, the first \"last\" (code 6)",
                                 "CHARS does not count the 6 glyphs", "without ENDFONT"})
        EXPECT_NE(messages.find(expected), std::string::npos) << expected << "\nin\n" << messages;

    // Without ENDPROPERTIES the glyphs are still glyphs, not properties.
    Import(font, "STARTFONT 2.1\nFONTBOUNDINGBOX 4 4 0 -1\nSTARTPROPERTIES 2\nFONT_ASCENT 3\nFONT_DESCENT 1\nCHARS 1\n" +
                     Glyph("A", 0, "2 2 1 0", "80\nC0\n") + "ENDFONT\n");
    ASSERT_EQ(font.GlyphCount(), 1);
    EXPECT_EQ(Column(font, 0, 1), (std::vector<uint8_t>{1, 3, 3, 1}));
}

TEST(BdfReader, RefusalsLeaveTheStoreAsItWas)
{
    TMtkFont font;
    Import(font, std::string(Head) + "CHARS 1\n" + Glyph("A", 65, "2 2 0 0", "80\n40\n") + "ENDFONT\n");
    const std::vector<uint8_t> before = font.GetGlyph(65)->Bits();
    const std::string twoWidths = std::string(Head) + "CHARS 2\n" + Glyph("a", 0, "1 1 0 0", "80\n") +
                                  Glyph("wide", 1, "6 1 0 0", "FC\n") + "ENDFONT\n";
    const struct {
        std::string Text;
        TBdfTarget Target;
        const char* Message;
    } cases[] = {
        {"garbage\n", TBdfTarget::FourColor, "Not a BDF font file: it does not start with STARTFONT."},
        {"STARTFONT 2.3\nSIZE 8 96 96 3\n", TBdfTarget::FourColor, "has 3 bits per pixel; 1, 2, 4 or 8"},
        {std::string(Head) + "CHARS 1\n" + Glyph("x", 70000, "1 1 0 0", "80\n") + "ENDFONT\n", TBdfTarget::FourColor,
         "holds no glyph that can be imported.\n- Glyphs with ENCODING -1"},
        {std::string(Head) + "CHARS 1\n" + Glyph("x", 1, "1 1 0 300", "80\n") + "ENDFONT\n", TBdfTarget::FourColor,
         "need a cell 302 pixels high (301 above the baseline, 1 below)"},
        {twoWidths, TBdfTarget::TwoColorFixed, "glyphs are 4 (\"a\", code 0) to 6 (\"wide\", code 1) pixels wide"},
        // A few bytes naming one high code would fill gigabytes with blank fixed-width cells.
        {"STARTFONT 2.1\nFONTBOUNDINGBOX 255 255 0 -5\nSTARTPROPERTIES 2\nFONT_ASCENT 250\nFONT_DESCENT 5\n"
         "ENDPROPERTIES\nCHARS 1\nSTARTCHAR w\nENCODING 65534\nDWIDTH 255 0\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n"
         "ENDFONT\n",
         TBdfTarget::TwoColorFixed, "the 65534 codes the BDF font leaves out below its last glyph would be blank cells"},
    };
    for (const auto& refused : cases) {
        try {
            LoadBdf(font, ReadBdf(Text(refused.Text)), refused.Target);
            ADD_FAILURE() << "accepted: " << refused.Text;
        } catch (const EBdfError& error) {
            EXPECT_NE(std::string(error.what()).find(refused.Message), std::string::npos) << error.what();
        }
        ASSERT_EQ(font.GlyphCount(), 66);
        EXPECT_EQ(font.GetGlyph(65)->Bits(), before);
    }
}
