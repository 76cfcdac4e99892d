#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/MtkFont.h"

namespace {

using TLines = std::vector<std::string>;

constexpr const char* Chars = TMtkFont::FonToolPixelChars;

TLines Export(const TMtkFont& font)
{
    return font.ExportFonToolText(Chars[0], Chars[1], Chars[2], Chars[3], -1);
}

void Import(TMtkFont& font, const TLines& lines)
{
    font.ImportFonToolText(lines, Chars[0], Chars[1], Chars[2], Chars[3]);
}

// Rows given as pixel characters, e.g. {" .-", "*. "}.
TGlyphBitmap Glyph(const TLines& rows, TPaletteKind kind = TPaletteKind::FourColor)
{
    const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    TGlyphBitmap glyph(width, static_cast<int>(rows.size()), kind);
    for (size_t y = 0; y < rows.size(); ++y)
        for (int x = 0; x < width; ++x)
            glyph.SetPixel(x, static_cast<int>(y), static_cast<uint8_t>(std::string(" .-*").find(rows[y][x])));
    return glyph;
}

void MakeFourColor(TMtkFont& font, int height)
{
    font.Clear();
    font.FCompression = 1;
    font.FBitsPerPixel = 2;
    font.FVariableWidth = true;
    font.FHeight = static_cast<uint8_t>(height);
}

// A two-glyph text of height 2 with the given lines between the header and the glyphs.
TLines Text(const TLines& glyphLines, int count = 2)
{
    TLines lines = {"#F 70,79,78,1,27,0,2,2,0,0,2", "", "#S 48", "", "#C " + std::to_string(count), "", "#H 2", ""};
    lines.insert(lines.end(), glyphLines.begin(), glyphLines.end());
    return lines;
}

} // namespace

TEST(FonToolText, ExportLayoutOfTwoGlyphs)
{
    TMtkFont font;
    MakeFourColor(font, 8);
    font.AddGlyph(Glyph({"*.-", " *.", "...", "***", "-- ", " . ", "*  ", "  *"}), 1);
    font.AddGlyph(Glyph({"..", "..", "..", "..", "..", "..", "..", ".*"}), 2);

    const TLines lines = Export(font);
    TLines expected = {"#F 70,79,78,1,27,0,2,2,0,0,8", "",
                       "#S " + std::to_string(font.SavedSize(false, "", {})), "",
                       "#C 2", "", "#H 8", "",
                       "#G 0", "#W 3", "#l *.-", "#l  *.", "#l ...", "#l ***", "#l -- ", "#l  . ", "#l *  ", "#l   *",
                       "#A", "", "",
                       "#G 1", "#W 2"};
    for (int i = 0; i < 7; ++i)
        expected.push_back("#l ..");
    expected.insert(expected.end(), {"#l .*", "#A", "", ""});
    EXPECT_EQ(lines, expected);

    QTemporaryDir dir;
    const std::string path = dir.filePath("font.txt").toStdString();
    SaveTextLines(path, lines);
    const std::vector<uint8_t> bytes = ReadWholeFile(path);
    const std::string tail(bytes.end() - 10, bytes.end());
    EXPECT_EQ(tail, "\r\n#A\r\n\r\n\r\n");
    EXPECT_EQ(LoadTextLines(path), lines);
}

TEST(FonToolText, FourColourRoundTrip)
{
    TMtkFont font;
    MakeFourColor(font, 3);
    font.AddGlyph(Glyph({"*-. ", " -*.", "----"}), 3);
    font.AddGlyph(TGlyphBitmap(0, 3, TPaletteKind::FourColor), 0);
    font.AddGlyph(Glyph({"*", ".", "-"}), 1);
    font.FVariableWidth = false; // the import ignores what #F says

    TMtkFont back;
    Import(back, Export(font));
    EXPECT_EQ(back.FBitsPerPixel, 2);
    EXPECT_EQ(back.FCompression, 1);
    EXPECT_TRUE(back.FVariableWidth);
    EXPECT_EQ(back.FHeight, 3);
    ASSERT_EQ(back.GlyphCount(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(*back.GetGlyph(k), *font.GetGlyph(k)) << k;
        EXPECT_EQ(back.GetPadColor(k), 1);
    }
}

TEST(FonToolText, TwoColourStoreComesBackAsFourColour)
{
    TMtkFont font;
    font.Clear();
    font.FBitsPerPixel = 1;
    font.FHeight = 2;
    font.AddGlyph(Glyph({". .", " . "}, TPaletteKind::TwoColor), 0);
    font.AddGlyph(Glyph({"...", "   "}, TPaletteKind::TwoColor), 0);

    const TLines lines = Export(font);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "#F 70,79,78,0,10,0,1,2,0,3,2");

    TMtkFont back;
    Import(back, lines);
    EXPECT_EQ(back.FBitsPerPixel, 2);
    ASSERT_EQ(back.GlyphCount(), 2);
    EXPECT_EQ(back.GetGlyph(0)->PaletteKind(), TPaletteKind::FourColor);
    EXPECT_EQ(back.GetGlyph(0)->Bits(), font.GetGlyph(0)->Bits());
    EXPECT_EQ(back.GetGlyph(1)->Bits(), font.GetGlyph(1)->Bits());
}

TEST(FonToolText, PixelIndicesAboveThreeExportAsTheFirstCharacter)
{
    TMtkFont font;
    MakeFourColor(font, 1);
    TGlyphBitmap glyph(3, 1, TPaletteKind::FourColor, 3);
    glyph.SetPixel(1, 0, 200);
    font.AddGlyph(glyph, 1);
    const TLines lines = font.ExportFonToolText('0', '1', '2', '3', 77);
    EXPECT_EQ(lines[2], "#S 77");
    EXPECT_EQ(lines[10], "#l 303");
}

TEST(FonToolText, EmptyStoreExportsNothing)
{
    TMtkFont font;
    EXPECT_TRUE(Export(font).empty());
    font.Clear();
    EXPECT_TRUE(Export(font).empty());
}

TEST(FonToolText, TwoColourStoreWithoutGlyphsHasWidthZeroInItsHeader)
{
    TMtkFont font;
    font.Clear();
    font.FBitsPerPixel = 1;
    font.FHeight = 8;
    const TLines lines = Export(font);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "#F 70,79,78,0,10,0,1,0,0,0,8");
    EXPECT_EQ(lines[4], "#C 0");
}

TEST(FonToolText, ImportReadsRowsLeniently)
{
    TMtkFont font;
    Import(font, Text({"#G 0", "#W 4", "#l *", "xx-.*-", "#G 1", "#W   0  ", "#A"}));
    ASSERT_EQ(font.GlyphCount(), 2);
    // A short row is padded with index 0; a row without "#l " loses its first three characters.
    EXPECT_EQ(*font.GetGlyph(0), Glyph({"*   ", ".*- "}));
    EXPECT_EQ(font.GetGlyph(1)->Width(), 0);
    EXPECT_EQ(font.GetGlyph(1)->Height(), 2);
    EXPECT_EQ(font.GetPadColor(0), 1);
}

TEST(FonToolText, ImportSearchesForwardForEachKey)
{
    TMtkFont font;
    TLines lines = Text({"#G 0", "#W 1", "#l *", "#l .", "#A"}, 5);
    lines.insert(lines.begin(), {"#C 9", "#H 1", "garbage"}); // before #F: ignored
    Import(font, lines);
    // #C claims five glyphs; the import ends quietly at the missing #G.
    EXPECT_EQ(font.GlyphCount(), 1);
    EXPECT_EQ(font.FHeight, 2);
}

TEST(FonToolText, ImportStopsQuietlyAtARecordOutOfSequence)
{
    TMtkFont font;
    Import(font, Text({"#G 0", "#W 1", "#l *", "#l .", "#G 2", "#W 1", "#l *", "#l ."}));
    EXPECT_EQ(font.GlyphCount(), 1);
    Import(font, Text({"#G 0", "#W 1", "#l *", "#l .", "#G 1", "#W one"}));
    EXPECT_EQ(font.GlyphCount(), 1);
    Import(font, Text({"#G zero", "#W 1", "#l *", "#l ."}));
    EXPECT_EQ(font.GlyphCount(), 0);
    EXPECT_EQ(font.FBitsPerPixel, 2);
}

TEST(FonToolText, ImportWithoutAUsableHeaderLeavesTheStoreEmpty)
{
    const TLines glyphs = {"#G 0", "#W 1", "#l *", "#l ."};
    for (const TLines& header : {TLines{"#C 1", "#H 2"}, TLines{"#F", "#C 0", "#H 2"}, TLines{"#F", "#C 1", "#H -2"},
                                 TLines{"#F", "#C x", "#H 2"}, TLines{"#F", "#H 2", "#C 1"}}) {
        TLines lines = header;
        lines.insert(lines.end(), glyphs.begin(), glyphs.end());
        TMtkFont font;
        MakeFourColor(font, 5);
        font.AddGlyph(Glyph({"*"}), 1);
        Import(font, lines);
        EXPECT_EQ(font.GlyphCount(), 0) << header[0] << " " << header[1];
        EXPECT_EQ(font.FBitsPerPixel, 0);
    }
}

TEST(FonToolText, TextEndingInsideAGlyphRaisesAndKeepsEarlierGlyphs)
{
    TMtkFont font;
    const TLines lines = Text({"#G 0", "#W 1", "#l *", "#l .", "#A", "#G 1", "#W 2", "#l **"});
    try {
        Import(font, lines);
        ADD_FAILURE() << "no error";
    } catch (const EListError& error) {
        EXPECT_EQ(std::string(error.what()), "List index out of bounds (" + std::to_string(lines.size()) + ")");
    }
    ASSERT_EQ(font.GlyphCount(), 1);
    EXPECT_EQ(*font.GetGlyph(0), Glyph({"*", "."}));
}

TEST(FonToolText, ValuesOutsideTheStoreAreRefused)
{
    TMtkFont font;
    MakeFourColor(font, 5);
    font.AddGlyph(Glyph({"*"}), 1);
    TLines tall = Text({"#G 0", "#W 1", "#l *"});
    tall[6] = "#H 256";
    EXPECT_THROW(Import(font, tall), EFontLimitError);
    EXPECT_EQ(font.GlyphCount(), 1); // refused before anything changed
    EXPECT_EQ(font.FHeight, 5);

    EXPECT_THROW(Import(font, Text({"#G 0", "#W 1", "#l *", "#l .", "#G 1", "#W 256"})), EFontLimitError);
    EXPECT_EQ(font.GlyphCount(), 1);
    EXPECT_THROW(Import(font, Text({"#G 0", "#W -1"})), EFontLimitError);
}

TEST(FonToolText, StoreTooLargeForAFontFileStillExports)
{
    TMtkFont font;
    MakeFourColor(font, 1);
    for (int k = 0; k < 13105; ++k)
        font.AddGlyph(TGlyphBitmap(1, 1, TPaletteKind::FourColor, 3), 1);
    const TLines lines = Export(font);
    EXPECT_EQ(lines[2], "#S 0");
    TMtkFont back;
    Import(back, lines);
    EXPECT_EQ(back.GlyphCount(), 13105);
}
