#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <random>

#include "RandomFont.h"
#include "font/Errors.h"
#include "font/MtkFont.h"

namespace {

using TBytes = std::vector<uint8_t>;
using TRows = std::vector<std::vector<uint8_t>>;

const std::string Stamp = "[GlyphForgeTool 0.6.4]";

TGlyphBitmap Glyph(const TRows& rows, TPaletteKind palette = TPaletteKind::FourColor)
{
    TGlyphBitmap glyph(rows.empty() ? 0 : static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), palette);
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            glyph.SetPixel(static_cast<int>(x), static_cast<int>(y), rows[y][x]);
    return glyph;
}

void SetFourColor(TMtkFont& font, uint8_t height)
{
    font.FCompression = 1;
    font.FBitsPerPixel = 2;
    font.FVariableWidth = true;
    font.FHeight = height;
}

void SetTwoColor(TMtkFont& font, uint8_t height)
{
    font.FCompression = 0;
    font.FBitsPerPixel = 1;
    font.FVariableWidth = false;
    font.FHeight = height;
}

TBytes Save(const TMtkFont& font, bool newMode, const std::string& stamp = Stamp, const TBytes& info = {})
{
    TBytes out;
    font.SaveToStream(out, newMode, stamp, info);
    return out;
}

TBytes Slice(const TBytes& bytes, size_t from, size_t count)
{
    return {bytes.begin() + static_cast<ptrdiff_t>(from), bytes.begin() + static_cast<ptrdiff_t>(from + count)};
}

// The compressed glyph data of a one-glyph variable-width file with no trailer.
TBytes SingleGlyphData(const TGlyphBitmap& glyph, uint8_t padColor, bool newMode)
{
    TMtkFont font;
    font.AddGlyph(glyph, padColor);
    SetFourColor(font, static_cast<uint8_t>(glyph.Height()));
    const TBytes file = Save(font, newMode, "");
    return Slice(file, 20, file[16]);  // header + width + offsets = 20 bytes
}

std::string ReadFile(const std::string& name)
{
    QFile file(QString::fromStdString(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

void WriteFile(const std::string& name, const std::string& content)
{
    QFile file(QString::fromStdString(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content.data(), static_cast<qint64>(content.size()));
}

} // namespace

TEST(MtkWriter, FourColorWorkedExamples)
{
    TMtkFont font;
    font.AddGlyph(Glyph({{1, 1, 3}, {1, 1, 1}}), 1);
    SetFourColor(font, 2);

    const TBytes old = Save(font, false);
    const TBytes start = {0x46, 0x4F, 0x4E, 0x01, 0x13, 0x00, 0x02, 0x01, 0x00, 0x00, 0x02, 0x03,
                          0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x97, 0x15};
    ASSERT_EQ(old.size(), 44u);
    EXPECT_EQ(Slice(old, 0, 22), start);
    EXPECT_EQ(std::string(old.begin() + 22, old.end()), Stamp);

    const TBytes fresh = Save(font, true);
    ASSERT_EQ(fresh.size(), 44u);
    EXPECT_EQ(Slice(fresh, 0, 20), Slice(start, 0, 20));
    EXPECT_EQ(Slice(fresh, 20, 2), (TBytes{0x97, 0xD0}));
}

TEST(MtkWriter, TwoColorWorkedExamples)
{
    TMtkFont font;
    font.AddGlyph(Glyph({{1, 0, 1}, {0, 1, 0}}, TPaletteKind::TwoColor), 0);
    SetTwoColor(font, 2);

    const TBytes old = Save(font, false);
    ASSERT_EQ(old.size(), 36u);
    EXPECT_EQ(Slice(old, 0, 12), (TBytes{0x46, 0x4F, 0x4E, 0x00, 0x0A, 0x00, 0x01, 0x01, 0x00, 0x03, 0x02, 0xA4}));
    EXPECT_EQ(std::string(old.begin() + 12, old.begin() + 34), Stamp);
    EXPECT_EQ(Slice(old, 34, 2), (TBytes{0, 0}));

    const TBytes fresh = Save(font, true);
    EXPECT_EQ(fresh[11], 0xA8);
    EXPECT_EQ(fresh.size(), 36u);
}

// Rows wider than a byte: eight pixels are packed at once, the first the most significant bit.
TEST(MtkWriter, TwoColorRowsWiderThanEightPixelsKeepTheirOrder)
{
    TMtkFont font;
    font.AddGlyph(Glyph({{1, 0, 0, 1, 1, 0, 1, 0, 0, 1, 1}, {0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1}}, TPaletteKind::TwoColor),
                  0);
    SetTwoColor(font, 2);
    EXPECT_EQ(Slice(Save(font, true), 11, 3), (TBytes{0x9A, 0x6F, 0xF4}));
}

// Workers write shares of the glyphs; glyphs of 21 bits start inside a byte, and the last
// share is shorter than the others.
TEST(MtkWriter, TwoColorFontsEncodedByWorkersHaveTheSameBytes)
{
    TMtkFont font;
    FillRandomFont(font, true, 5001, 3, 7);
    for (const bool newMode : {false, true})
        EXPECT_EQ(font.Encode(newMode, 3).Body, font.Encode(newMode, 1).Body) << newMode;
}

TEST(MtkWriter, RunsAreCutAt255AndCodedInTheShortestForm)
{
    // 256 pixels of colour 2 in a 16 x 16 glyph: run 255 (000000 11111111 10), run 1 (01 10).
    EXPECT_EQ(SingleGlyphData(TGlyphBitmap(16, 16, TPaletteKind::FourColor, 2), 1, true),
              (TBytes{0x03, 0xFE, 0x60}));
    // Exactly 255: one run, nothing after it but the byte's zero fill.
    EXPECT_EQ(SingleGlyphData(TGlyphBitmap(255, 1, TPaletteKind::FourColor, 2), 1, true), (TBytes{0x03, 0xFE}));
    // Run 4 of colour 3 (00 0100 11), run 3 of colour 1 (11 01).
    EXPECT_EQ(SingleGlyphData(Glyph({{3, 3, 3, 3, 1, 1, 1}}), 1, true), (TBytes{0x13, 0xD0}));
    // Run 16 and run 64.
    EXPECT_EQ(SingleGlyphData(TGlyphBitmap(16, 1, TPaletteKind::FourColor, 3), 1, true), (TBytes{0x04, 0x30}));
    EXPECT_EQ(SingleGlyphData(TGlyphBitmap(64, 1, TPaletteKind::FourColor, 1), 1, true), (TBytes{0x01, 0x01}));
}

TEST(MtkWriter, RunsCompareWholePixelBytesAndStoreTheirLowBits)
{
    // 1, 5, 1, 1 (5 from an imported strip): runs 1 of 1, 1 of 5 stored as 1, 2 of 1.
    EXPECT_EQ(SingleGlyphData(Glyph({{1, 5, 1, 1}}), 1, true), (TBytes{0x55, 0x90}));
    // The pad colour 6 is no twin of the ink 2 either: run 3 of 2, run 1 of 6 stored as 2.
    EXPECT_EQ(SingleGlyphData(Glyph({{2, 2, 2}}), 6, false), (TBytes{0xE6}));
}

TEST(MtkWriter, OldModePadsRowsWithThePadColour)
{
    // Width 5: 8 pixels per row in OLD mode, the last 3 in pad colour 2; 5 per row in NEW mode.
    const TGlyphBitmap glyph(5, 2, TPaletteKind::FourColor, 1);
    // 5 x colour 1, 3 x colour 2, 5 x colour 1, 3 x colour 2.
    EXPECT_EQ(SingleGlyphData(glyph, 2, false), (TBytes{0x15, 0xE1, 0x5E}));
    // 10 x colour 1.
    EXPECT_EQ(SingleGlyphData(glyph, 2, true), (TBytes{0x29}));
}

TEST(MtkWriter, GlyphsStartOnByteBoundariesAndEmptyGlyphsTakeNoBytes)
{
    TMtkFont font;
    font.AddGlyph(Glyph({{3}}), 1);  // run 1 of 3, then 3 pad pixels: one byte
    font.AddGlyph(TGlyphBitmap(0, 1, TPaletteKind::FourColor), 1);
    font.AddGlyph(Glyph({{2}}), 1);
    SetFourColor(font, 1);
    const TBytes file = Save(font, false, "");
    // Widths 1 0 1, T = 16, offsets 0 1 1 2, data 0x7D 0x6D.
    EXPECT_EQ(Slice(file, 11, 3), (TBytes{1, 0, 1}));
    EXPECT_EQ(Slice(file, 16, 16), (TBytes{0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(Slice(file, 32, 2), (TBytes{0x7D, 0x6D}));
    EXPECT_EQ(file[4] + 256 * file[5], 31);
    EXPECT_EQ(file.size(), 36u);
}

TEST(MtkWriter, TwoColorGlyphsAreWrittenAtGlyphZerosWidth)
{
    TMtkFont font;
    font.AddGlyph(TGlyphBitmap(4, 1, TPaletteKind::TwoColor, 1), 0);
    font.AddGlyph(TGlyphBitmap(2, 1, TPaletteKind::TwoColor, 1), 0);  // columns 2, 3 written as 0
    font.AddGlyph(TGlyphBitmap(6, 1, TPaletteKind::TwoColor, 1), 0);  // cut to 4
    SetTwoColor(font, 1);
    const TBytes file = Save(font, false, "");
    EXPECT_EQ(Slice(file, 11, 2), (TBytes{0xFC, 0xF0}));
}

TEST(MtkWriter, FixedWidthCompressedFontsUseTheTwelveByteLayout)
{
    TMtkFont font;
    font.AddGlyph(Glyph({{1, 1, 3}}), 1);
    font.AddGlyph(Glyph({{2, 2}}), 3);  // narrower: the missing column takes the pad colour
    SetFourColor(font, 1);
    font.FVariableWidth = false;
    const TBytes file = Save(font, false, "");
    EXPECT_EQ(Slice(file, 0, 12), (TBytes{'F', 'O', 'N', 1, 23, 0, 2, 2, 0, 3, 1, 0}));
    EXPECT_EQ(Slice(file, 12, 12), (TBytes{0, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
    // Run 2 of 1, run 1 of 3, run 1 of 1 / run 2 of 2, run 2 of 3.
    EXPECT_EQ(Slice(file, 24, 3), (TBytes{0x97, 0x50, 0xAB}));

    TFontHeader header;
    font.BuildHeader(true, header);
    EXPECT_EQ(header.Bytes[11], 0) << "no width table";
}

TEST(MtkWriter, SavedSizeIsTheExactLength)
{
    std::mt19937 random(99);
    for (int round = 0; round < 400; ++round) {
        TMtkFont font;
        const bool twoColor = round % 3 == 0;
        const auto height = static_cast<uint8_t>(random() % 20);
        const int count = 1 + static_cast<int>(random() % 40);
        const int fixedWidth = 1 + static_cast<int>(random() % 29);
        for (int k = 0; k < count; ++k) {
            const int width = twoColor ? fixedWidth : static_cast<int>(random() % 30);
            TGlyphBitmap glyph(width, height, twoColor ? TPaletteKind::TwoColor : TPaletteKind::FourColor);
            uint8_t color = 0;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    if (random() % 4 == 0)
                        color = static_cast<uint8_t>(random() % (twoColor ? 2 : 4));
                    glyph.SetPixel(x, y, color);
                }
            font.AddGlyph(std::move(glyph), static_cast<uint8_t>(random() % 4));
        }
        if (twoColor)
            SetTwoColor(font, height);
        else
            SetFourColor(font, height);
        // A fixed width of 0 is refused.
        font.FVariableWidth = !twoColor && (round % 5 != 1 || font.GetGlyph(0)->Width() == 0);
        const bool newMode = random() % 2 == 0;
        const std::string stamp(random() % 24, 'x');
        const TBytes info(random() % 7, 0x55);

        TBytes file = {9, 9, 9};  // appended after whatever the stream holds
        font.SaveToStream(file, newMode, stamp, info);
        ASSERT_EQ(file.size() - 3, font.SavedSize(newMode, stamp, info)) << "round " << round;
        EXPECT_EQ((file.size() - 3) % 4, 0u);
    }
}

TEST(MtkWriter, EmptyStoreWritesNothing)
{
    TMtkFont font;
    EXPECT_TRUE(Save(font, false).empty());
    EXPECT_EQ(font.SavedSize(true, Stamp, {}), 0u);

    // No reader would open an empty file.
    const std::string name = testing::TempDir() + "/rw_writer_empty.mtf";
    WriteFile(name, "previous");
    EXPECT_THROW(font.SaveToFile(name, false, Stamp, {}), EFontLimitError);
    EXPECT_EQ(ReadFile(name), "previous");
}

TEST(MtkWriter, StoresTheFormatCannotHoldAreRefusedBeforeWriting)
{
    struct TCase {
        std::string Name;
        std::function<void(TMtkFont&)> Make;
        bool NewMode;
        std::string Message;
    };
    // The last glyph gets the width and height under test.
    const auto fourColor = [](int count, int width, int height = 1) {
        return [=](TMtkFont& font) {
            for (int k = 0; k < count; ++k) {
                const bool last = k == count - 1;
                font.AddGlyph(TGlyphBitmap(last ? width : 1, last ? height : 1, TPaletteKind::FourColor), 1);
            }
            SetFourColor(font, 1);
        };
    };
    const TCase cases[] = {
        {"13105 compressed glyphs", fourColor(13105, 1), true,
         "The font has 13105 glyphs; a compressed Mediatek font holds at most 13104."},
        {"OLD mode, width 253", fourColor(3, 253), false,
         "Glyph 2 is 253 pixels wide; in OLD compatibility mode a compressed glyph can be at most 252 pixels wide."},
        {"NEW mode, width 256", fourColor(2, 256), true,
         "Glyph 1 is 256 pixels wide; a compressed glyph can be at most 255 pixels wide."},
        {"a glyph of another height", fourColor(2, 1, 2), true,
         "Glyph 1 is 2 pixels high; every glyph of this font must be 1 pixels high."},
        {"a glyph higher than a byte holds", fourColor(2, 1, 257), true,
         "Glyph 1 is 257 pixels high; a Mediatek font holds at most 255 rows."},
        {"2-colour, glyph 0 width 0, which reads as no font type",
         [](TMtkFont& font) {
             font.AddGlyph(TGlyphBitmap(0, 3, TPaletteKind::TwoColor), 0);
             SetTwoColor(font, 3);
         },
         false, "Glyph 0 is 0 pixels wide; the glyphs of a fixed-width font must be at least 1 pixel wide."},
        {"fixed-width compressed, glyph 0 width 0, which reads as variable width",
         [&fourColor](TMtkFont& font) {
             fourColor(2, 1)(font);
             font.EditGlyph(0)->SetWidth(0, 1);
             font.FVariableWidth = false;
         },
         true, "Glyph 0 is 0 pixels wide; the glyphs of a fixed-width font must be at least 1 pixel wide."},
        {"2-colour, glyph 0 width 256",
         [](TMtkFont& font) {
             font.AddGlyph(TGlyphBitmap(256, 1, TPaletteKind::TwoColor), 0);
             SetTwoColor(font, 1);
         },
         false, "Glyph 0 is 256 pixels wide; a 2-colour glyph can be at most 255 pixels wide."},
        {"65536 glyphs",
         [](TMtkFont& font) {
             const TGlyphBitmap glyph(1, 1, TPaletteKind::TwoColor);
             for (int k = 0; k < 65536; ++k)
                 font.AddGlyph(glyph, 0);
             SetTwoColor(font, 1);
         },
         false, "The font has 65536 glyphs; a Mediatek font holds at most 65535."},
        {"no bit depth",
         [](TMtkFont& font) { font.AddGlyph(TGlyphBitmap(1, 0, TPaletteKind::FourColor), 1); }, false,
         "Cannot save a font of 0 bits per pixel: only 1 (2 colours) and 2 (4 colours) are possible."},
    };
    const std::string name = testing::TempDir() + "/rw_writer_refused.mtf";
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TMtkFont font;
        c.Make(font);
        TBytes stream = {1, 2};
        try {
            font.SaveToStream(stream, c.NewMode, Stamp, {});
            ADD_FAILURE() << "not refused";
        } catch (const EFontLimitError& error) {
            EXPECT_EQ(error.what(), c.Message);
        }
        EXPECT_EQ(stream, (TBytes{1, 2}));
        EXPECT_THROW(font.SavedSize(c.NewMode, Stamp, {}), EFontLimitError);
        WriteFile(name, "previous");
        EXPECT_THROW(font.SaveToFile(name, c.NewMode, Stamp, {}), EFontLimitError);
        EXPECT_EQ(ReadFile(name), "previous");
    }
}

TEST(MtkWriter, LargestFormsThatFitAreWritten)
{
    TMtkFont font;
    const TGlyphBitmap glyph(1, 1, TPaletteKind::FourColor, 3);
    for (int k = 0; k < 13104; ++k)
        font.AddGlyph(glyph, 1);
    font.AddGlyph(TGlyphBitmap(252, 1, TPaletteKind::FourColor, 3), 1);
    SetFourColor(font, 1);
    EXPECT_THROW(Save(font, false), EFontLimitError);  // one glyph too many

    TMtkFont fits;
    for (int k = 0; k < 13103; ++k)
        fits.AddGlyph(glyph, 1);
    fits.AddGlyph(TGlyphBitmap(252, 1, TPaletteKind::FourColor, 3), 1);
    SetFourColor(fits, 1);
    const TBytes file = Save(fits, false, "");
    EXPECT_EQ(file[4] + 256 * file[5], 65535);  // T 13116 + 4 x 13105 - 1
    EXPECT_EQ(file[11 + 13103], 252);

    TMtkFont wide;
    wide.AddGlyph(TGlyphBitmap(255, 2, TPaletteKind::FourColor, 3), 1);
    SetFourColor(wide, 2);
    EXPECT_EQ(Save(wide, true, "")[11], 255);
}

TEST(MtkWriter, SaveToFileKeepsThePreviousFileOnFailure)
{
    TMtkFont font;
    font.AddGlyph(Glyph({{1, 1, 3}, {1, 1, 1}}), 1);
    SetFourColor(font, 2);

    const std::string missing = testing::TempDir() + "/rw_no_such_folder/font.mtf";
    try {
        font.SaveToFile(missing, false, Stamp, {});
        ADD_FAILURE() << "no error";
    } catch (const EGlyphForgeError& error) {
        EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
    }

    const std::string folder = testing::TempDir() + "/rw_folder_target";
    QDir().mkpath(QString::fromStdString(folder));
    WriteFile(folder + "/inside", "kept");
    try {
        font.SaveToFile(folder, false, Stamp, {});
        ADD_FAILURE() << "no error";
    } catch (const EGlyphForgeError& error) {
        EXPECT_NE(std::string(error.what()).find(folder), std::string::npos) << error.what();
    }
    EXPECT_EQ(ReadFile(folder + "/inside"), "kept");

    const std::string name = testing::TempDir() + "/rw_writer_ok.mtf";
    font.SaveToFile(name, false, Stamp, {});
    const std::string written = ReadFile(name);
    EXPECT_EQ(TBytes(written.begin(), written.end()), Save(font, false));
}
