#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "font/Errors.h"
#include "font/MtkFont.h"

namespace {

using TBytes = std::vector<uint8_t>;

struct TReaderFixture {
    TMtkFont Font;
    std::vector<std::string> Messages;
    TReaderFixture()
    {
        Font.SetMessageSink([this](const std::string& message) { Messages.push_back(message); });
    }
    bool Load(const TBytes& bytes) { return Font.LoadFromStream(bytes); }
};

TBytes Header(uint8_t compression, uint16_t dataOffsetMinusOne, uint8_t bitsPerPixel, uint16_t count,
              uint8_t charWidth, uint8_t height)
{
    return {'F',
            'O',
            'N',
            compression,
            static_cast<uint8_t>(dataOffsetMinusOne),
            static_cast<uint8_t>(dataOffsetMinusOne >> 8),
            bitsPerPixel,
            static_cast<uint8_t>(count),
            static_cast<uint8_t>(count >> 8),
            charWidth,
            height};
}

void AppendLongWord(TBytes& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A variable-width compressed file: widths, then each glyph's data on its own.
TBytes VariableWidthFile(uint8_t height, const std::vector<uint8_t>& widths, const std::vector<TBytes>& glyphs)
{
    const auto count = static_cast<uint16_t>(widths.size());
    const size_t tableStart = (widths.size() + 14) & ~size_t{3};
    const size_t dataStart = tableStart + 4 * (widths.size() + 1);
    TBytes file = Header(1, static_cast<uint16_t>(dataStart - 1), 2, count, 0, height);
    file.insert(file.end(), widths.begin(), widths.end());
    file.resize(tableStart, 0);
    uint32_t offset = 0;
    for (const TBytes& glyph : glyphs) {
        AppendLongWord(file, offset);
        offset += static_cast<uint32_t>(glyph.size());
    }
    AppendLongWord(file, offset);
    for (const TBytes& glyph : glyphs)
        file.insert(file.end(), glyph.begin(), glyph.end());
    return file;
}

std::vector<uint8_t> RowOf(const TGlyphBitmap& glyph, int row)
{
    return {glyph.Row(row), glyph.Row(row) + glyph.Width()};
}

} // namespace

TEST(MtkReader, DecodesTheWorkedExample)
{
    TReaderFixture reader;
    ASSERT_TRUE(reader.Load(VariableWidthFile(2, {3}, {{0x97, 0x15}})));
    EXPECT_TRUE(reader.Messages.empty());
    ASSERT_EQ(reader.Font.GlyphCount(), 1);
    const TGlyphBitmap& glyph = *reader.Font.GetGlyph(0);
    EXPECT_EQ(glyph.PaletteKind(), TPaletteKind::FourColor);
    EXPECT_EQ(RowOf(glyph, 0), (std::vector<uint8_t>{1, 1, 3}));
    EXPECT_EQ(RowOf(glyph, 1), (std::vector<uint8_t>{1, 1, 1}));
    EXPECT_EQ(reader.Font.GetPadColor(0), 1);
    EXPECT_EQ(reader.Font.FCompression, 1);
    EXPECT_EQ(reader.Font.FBitsPerPixel, 2);
    EXPECT_EQ(reader.Font.FHeight, 2);
    EXPECT_TRUE(reader.Font.FVariableWidth);
}

TEST(MtkReader, DecodesEveryRunLengthForm)
{
    struct TCase {
        uint8_t Width;
        uint8_t Height;
        TBytes Data;
        uint8_t Color;
        uint8_t PadColor;
    };
    const TCase cases[] = {
        {4, 1, {0x12}, 2, 0},                // 00 0100, colour 2
        {16, 1, {0x04, 0x30}, 3, 0},         // 00 00 010000, colour 3
        {64, 1, {0x01, 0x01}, 1, 0},         // 00 00 00 01000000, colour 1
        {255, 1, {0x03, 0xFE, 0x70}, 2, 3},  // run 255 of colour 2, then run 1 of pad colour 3
        {16, 16, {0x00, 0x03}, 3, 0},        // fourteen zero bits: 256 pixels
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "width " << int(c.Width));
        TReaderFixture reader;
        ASSERT_TRUE(reader.Load(VariableWidthFile(c.Height, {c.Width}, {c.Data})));
        const TGlyphBitmap& glyph = *reader.Font.GetGlyph(0);
        for (int row = 0; row < c.Height; ++row)
            EXPECT_EQ(RowOf(glyph, row), std::vector<uint8_t>(c.Width, c.Color));
        EXPECT_EQ(reader.Font.GetPadColor(0), c.PadColor);
    }
}

TEST(MtkReader, WidthZeroAndUnpaddedGlyphs)
{
    // Glyph 0 has no pixels and no data; glyph 1 is 8 wide: no padding, so pad colour 0.
    TReaderFixture reader;
    ASSERT_TRUE(reader.Load(VariableWidthFile(1, {0, 8}, {{}, {0x22}})));  // run 8 colour 2
    ASSERT_EQ(reader.Font.GlyphCount(), 2);
    EXPECT_EQ(reader.Font.GetGlyph(0)->Width(), 0);
    EXPECT_EQ(reader.Font.GetGlyph(0)->Height(), 1);
    EXPECT_EQ(reader.Font.GetPadColor(0), 0);
    EXPECT_EQ(RowOf(*reader.Font.GetGlyph(1), 0), std::vector<uint8_t>(8, 2));
    EXPECT_EQ(reader.Font.GetPadColor(1), 0);
}

TEST(MtkReader, RunsReachingPastTheGlyphAreDropped)
{
    // A run of 255 in a 1 x 1 glyph (padded to 4): glyph 1 still starts at its own entry.
    TReaderFixture reader;
    ASSERT_TRUE(reader.Load(VariableWidthFile(1, {1, 1}, {{0x03, 0xFF, 0xC0}, {0x60}})));  // 1: run 1 colour 2
    EXPECT_EQ(reader.Font.GetGlyph(0)->Pixel(0, 0), 3);
    EXPECT_EQ(reader.Font.GetPadColor(0), 3);
    EXPECT_EQ(reader.Font.GetGlyph(1)->Pixel(0, 0), 2);
    EXPECT_EQ(reader.Font.GetPadColor(1), 0);  // the data ends: padding reads as colour 0
}

TEST(MtkReader, FixedWidthCompressedFindsItsOffsetTableAtTwelve)
{
    TBytes file = Header(1, 12 + 4 * 3 - 1, 2, 2, 2, 1);
    file.push_back(0);
    AppendLongWord(file, 0);
    AppendLongWord(file, 1);
    AppendLongWord(file, 2);
    file.push_back(0x9B);  // run 2 colour 1, run 2 colour 3 (padding)
    file.push_back(0x9C);  // run 2 colour 1, run 3 colour 0
    TReaderFixture reader;
    ASSERT_TRUE(reader.Load(file));
    EXPECT_FALSE(reader.Font.FVariableWidth);
    ASSERT_EQ(reader.Font.GlyphCount(), 2);
    EXPECT_EQ(RowOf(*reader.Font.GetGlyph(0), 0), (std::vector<uint8_t>{1, 1}));
    EXPECT_EQ(reader.Font.GetPadColor(0), 3);
    EXPECT_EQ(RowOf(*reader.Font.GetGlyph(1), 0), (std::vector<uint8_t>{1, 1}));
    EXPECT_EQ(reader.Font.GetPadColor(1), 0);
}

TEST(MtkReader, TwoColorGlyphsCrossByteBoundaries)
{
    // Three 3 x 2 glyphs, 18 bits; the data ends inside glyph 2, whose missing pixels become 0.
    TBytes file = Header(0, 10, 1, 3, 3, 2);
    file.push_back(0xAB);  // 101 010 | 11
    file.push_back(0x80);  // 1 000 00 | 0.. (ends here)
    TReaderFixture reader;
    ASSERT_TRUE(reader.Load(file));
    ASSERT_EQ(reader.Font.GlyphCount(), 3);
    const TGlyphBitmap& first = *reader.Font.GetGlyph(0);
    EXPECT_EQ(first.PaletteKind(), TPaletteKind::TwoColor);
    EXPECT_EQ(RowOf(first, 0), (std::vector<uint8_t>{1, 0, 1}));
    EXPECT_EQ(RowOf(first, 1), (std::vector<uint8_t>{0, 1, 0}));
    EXPECT_EQ(RowOf(*reader.Font.GetGlyph(1), 0), (std::vector<uint8_t>{1, 1, 1}));
    EXPECT_EQ(RowOf(*reader.Font.GetGlyph(1), 1), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(RowOf(*reader.Font.GetGlyph(2), 0), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(reader.Font.GetPadColor(1), 0);
    EXPECT_FALSE(reader.Font.FVariableWidth);
    EXPECT_EQ(reader.Font.CutShortGlyphs(), 1);
}

TEST(MtkReader, GlyphDataThatEndsEarlyIsReadAndReported)
{
    for (const TPaletteKind kind : {TPaletteKind::FourColor, TPaletteKind::TwoColor}) {
        const bool four = kind == TPaletteKind::FourColor;
        SCOPED_TRACE(four ? "4 colours" : "2 colours");
        TMtkFont written;
        written.Clear();
        written.FCompression = four ? 1 : 0;
        written.FBitsPerPixel = four ? 2 : 1;
        written.FVariableWidth = four;
        written.FHeight = 3;
        for (int k = 0; k < 3; ++k) {
            TGlyphBitmap glyph(8, 3, kind);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 8; ++x)
                    glyph.SetPixel(x, y, static_cast<uint8_t>((x + y + k) % (four ? 4 : 2)));
            written.AddGlyph(glyph, 1);
        }
        // No stamp, so the last glyph's data ends exactly at the end of the file.
        TBytes file;
        written.SaveToStream(file, true, "", {});
        TReaderFixture whole;
        ASSERT_TRUE(whole.Load(file));
        EXPECT_TRUE(whole.Messages.empty());
        EXPECT_EQ(whole.Font.CutShortGlyphs(), 0);

        // Cut one byte into glyph 1: glyph 0 reads whole, glyphs 1 and 2 are cut short.
        const size_t dataStart = (file[4] | (file[5] << 8)) + 1u;
        const size_t glyph1 = dataStart + (four ? file[16 + 4] : 3u);
        file.resize(glyph1 + 1);
        TReaderFixture cut;
        ASSERT_TRUE(cut.Load(file));
        ASSERT_EQ(cut.Font.GlyphCount(), 3);
        EXPECT_EQ(*cut.Font.GetGlyph(0), *written.GetGlyph(0));
        EXPECT_EQ(cut.Font.CutShortGlyphs(), 2);
        EXPECT_EQ(cut.Messages, std::vector<std::string>{"The glyph data ends early: 2 of 3 glyphs are cut short, "
                                                         "and their missing pixels show as colour 0."});
        cut.Font.Clear();
        EXPECT_EQ(cut.Font.CutShortGlyphs(), 0);
    }
}

TEST(MtkReader, RefusalsShowTheirMessageAndLeaveTheirState)
{
    struct TCase {
        TBytes File;
        std::string Message;
        uint8_t Compression, BitsPerPixel, Height;
    };
    const TCase cases[] = {
        {{'f', 'o', 'n', 1, 0, 0, 2, 0, 0, 0, 5}, "Not a Mediatek FON file.", 0, 0, 0},
        {{}, "Not a Mediatek FON file.", 0, 0, 0},
        {{'F', 'O', 'N', 1, 0, 0, 2, 0, 0, 0}, "Not a Mediatek FON file.", 0, 0, 0},
        {Header(2, 0, 2, 0, 0, 7), "Unknown compression type. COMPR_ID=2", 2, 2, 7},
        {Header(0, 10, 2, 1, 3, 7), "Unknown font type. Uncompressed | Bit/Pixel=2 | CharWidth=3", 0, 2, 7},
        {Header(0, 10, 1, 1, 0, 7), "Unknown font type. Uncompressed | Bit/Pixel=1 | CharWidth=0", 0, 1, 7},
        {Header(1, 0, 1, 1, 0, 7), "Unknown font type. Compressed | Bit/Pixel=1 | CharWidth=0", 1, 1, 7},
        {Header(1, 0, 2, 5, 0, 7), "Not a Mediatek FON file. Width table truncated", 1, 2, 7},
        {Header(1, 0, 2, 2, 4, 7), "Not a Mediatek FON file. Offset table truncated", 1, 2, 7},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Message);
        TReaderFixture reader;
        reader.Font.Clear();
        reader.Font.AddGlyph(TGlyphBitmap(1, 1, TPaletteKind::FourColor), 1);
        reader.Font.FVariableWidth = true;
        reader.Font.FHeight = 1;
        EXPECT_FALSE(reader.Load(c.File));
        EXPECT_EQ(reader.Messages, std::vector<std::string>{c.Message});
        EXPECT_FALSE(reader.Font.HasGlyphList());
        EXPECT_EQ(reader.Font.GlyphCount(), 0);
        EXPECT_EQ(reader.Font.FCompression, c.Compression);
        EXPECT_EQ(reader.Font.FBitsPerPixel, c.BitsPerPixel);
        EXPECT_EQ(reader.Font.FHeight, c.Height);
        if (c.Height == 0) {
            EXPECT_TRUE(reader.Font.FVariableWidth) << "unchanged by a file that is not a font";
        }
    }
}

TEST(MtkReader, EmptyFontsOfEveryVariant)
{
    // A glyph count of 0 needs no offset entry, so the header alone is a whole file.
    const TBytes files[] = {Header(0, 10, 1, 0, 8, 9), Header(1, 15, 2, 0, 0, 9), Header(1, 15, 2, 0, 8, 9)};
    for (const TBytes& file : files) {
        TReaderFixture reader;
        EXPECT_TRUE(reader.Load(file));
        EXPECT_TRUE(reader.Messages.empty());
        EXPECT_TRUE(reader.Font.HasGlyphList());
        EXPECT_EQ(reader.Font.GlyphCount(), 0);
        EXPECT_EQ(reader.Font.FHeight, 9);
        EXPECT_EQ(reader.Font.FCompression, file[3]);
    }
}

TEST(MtkReader, HostileHeadersNeverReadOutsideTheBuffer)
{
    // Every glyph far past the end decodes as index 0.
    TBytes farAway = VariableWidthFile(3, {5, 6}, {{0x97}, {0x15}});
    const size_t table = 16;
    for (size_t i = 0; i < 8; ++i)
        farAway[table + i] = 0xFF;
    farAway[4] = farAway[5] = 0xFF;
    TReaderFixture reader;
    ASSERT_TRUE(reader.Load(farAway));
    ASSERT_EQ(reader.Font.GlyphCount(), 2);
    EXPECT_EQ(RowOf(*reader.Font.GetGlyph(1), 2), std::vector<uint8_t>(6, 0));

    // 65535 glyphs announced by a tiny file.
    TBytes tiny = Header(0, 10, 1, 65535, 1, 1);
    tiny.push_back(0xFF);
    ASSERT_TRUE(reader.Load(tiny));
    ASSERT_EQ(reader.Font.GlyphCount(), 65535);
    EXPECT_EQ(reader.Font.GetGlyph(7)->Pixel(0, 0), 1);
    EXPECT_EQ(reader.Font.GetGlyph(8)->Pixel(0, 0), 0);
    EXPECT_FALSE(reader.Load(Header(1, 0, 2, 65535, 0, 1)));
    EXPECT_FALSE(reader.Load(Header(1, 0, 2, 65535, 1, 1)));
}

TEST(MtkReader, RandomBytesGiveADefinedResult)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 3000; ++round) {
        TBytes file(11 + random() % 80);
        for (uint8_t& byte : file)
            byte = static_cast<uint8_t>(random());
        file[0] = 'F';
        file[1] = 'O';
        file[2] = 'N';
        file[3] = static_cast<uint8_t>(random() % 3);
        file[6] = static_cast<uint8_t>(1 + random() % 2);
        file[7] = static_cast<uint8_t>(random() % 16);  // keep the glyph count small
        file[8] = 0;
        file[10] %= 32;
        TReaderFixture reader;
        if (reader.Load(file)) {
            EXPECT_EQ(reader.Messages.size(), reader.Font.CutShortGlyphs() > 0 ? 1u : 0u);
            EXPECT_EQ(reader.Font.GlyphCount(), file[7]);
        } else {
            EXPECT_EQ(reader.Messages.size(), 1u);
            EXPECT_EQ(reader.Font.GlyphCount(), 0);
        }
    }
}

TEST(MtkReader, MissingFileLeavesTheStoreUnchanged)
{
    TMtkFont font;
    font.AddGlyph(TGlyphBitmap(2, 2, TPaletteKind::FourColor), 1);
    font.FHeight = 2;
    const std::string name = testing::TempDir() + "/rw_reader_missing.mtf";
    std::remove(name.c_str());
    try {
        font.LoadFromFile(name);
        FAIL() << "no error";
    } catch (const EFOpenError& error) {
        EXPECT_NE(std::string(error.what()).find("Cannot open file \"" + name + "\"."), std::string::npos);
    }
    EXPECT_EQ(font.GlyphCount(), 1);
    EXPECT_EQ(font.FHeight, 2);
}
