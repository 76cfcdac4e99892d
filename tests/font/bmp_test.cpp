#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/MtkFont.h"

namespace {

// Glyph k of width w: pixels cycle through 0..maxIndex so every colour and position shows.
TGlyphBitmap PatternGlyph(int width, int height, TPaletteKind kind, int seed)
{
    const int colors = kind == TPaletteKind::TwoColor ? 2 : 4;
    TGlyphBitmap glyph(width, height, kind);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            glyph.SetPixel(x, y, static_cast<uint8_t>((x * 3 + y * 5 + seed) % colors));
    return glyph;
}

void FillFont(TMtkFont& font, TPaletteKind kind, int height, const std::vector<int>& widths)
{
    font.Clear();
    const bool four = kind == TPaletteKind::FourColor;
    font.FCompression = four ? 1 : 0;
    font.FBitsPerPixel = four ? 2 : 1;
    font.FVariableWidth = four;
    font.FHeight = static_cast<uint8_t>(height);
    for (size_t k = 0; k < widths.size(); ++k)
        font.AddGlyph(PatternGlyph(widths[k], height, kind, static_cast<int>(k)), static_cast<uint8_t>(k % 4));
}

// A strip picture from column codes: 'g' glyph pixel (index 2), 's' separator (255),
// with pad colour 3 in row 0 of every separator.
QImage StripImage(const std::string& columns, int height)
{
    QImage image(static_cast<int>(columns.size()), height, QImage::Format_Indexed8);
    image.setColorCount(256);
    for (int y = 0; y < height; ++y)
        for (size_t x = 0; x < columns.size(); ++x)
            image.scanLine(y)[x] = columns[x] == 'g' ? 2 : (y == 0 ? 3 : 255);
    return image;
}

class BmpFiles : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return FDir.filePath(QString::fromStdString(name)).toStdString(); }
    QTemporaryDir FDir;
};

} // namespace

TEST_F(BmpFiles, StripRoundTripKeepsGlyphsAndPadColours)
{
    for (int height : {2, 3, 8, 255}) {
        TMtkFont font;
        FillFont(font, TPaletteKind::FourColor, height, {3, 0, 7, 1, 12});
        font.SaveToBmpFile(Path("strip.bmp"));

        TMtkFont back;
        back.LoadFromBmpFile(Path("strip.bmp"));
        ASSERT_EQ(back.GlyphCount(), 5) << "height " << height;
        EXPECT_EQ(back.FHeight, height);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(*back.GetGlyph(k), *font.GetGlyph(k)) << "glyph " << k << " height " << height;
            EXPECT_EQ(back.GetPadColor(k), font.GetPadColor(k));
        }
    }
}

TEST_F(BmpFiles, TwoColourStripComesBackAsFourColour)
{
    TMtkFont font;
    FillFont(font, TPaletteKind::TwoColor, 6, {4, 4, 4});
    font.SaveToBmpFile(Path("two.bmp"));

    const QImage picture(QString::fromStdString(Path("two.bmp")), "BMP");
    EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
    EXPECT_EQ(picture.color(0), qRgb(128, 128, 128));
    EXPECT_EQ(picture.color(1), qRgb(255, 255, 255));

    TMtkFont back;
    back.LoadFromBmpFile(Path("two.bmp"));
    EXPECT_EQ(back.FBitsPerPixel, 2);
    EXPECT_EQ(back.FCompression, 1);
    EXPECT_TRUE(back.FVariableWidth);
    ASSERT_EQ(back.GlyphCount(), 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(back.GetGlyph(k)->PaletteKind(), TPaletteKind::FourColor);
        EXPECT_EQ(back.GetGlyph(k)->Bits(), font.GetGlyph(k)->Bits());
    }
}

TEST_F(BmpFiles, StripLayoutOnDisk)
{
    TMtkFont font;
    FillFont(font, TPaletteKind::FourColor, 9, {2, 0, 3});
    font.SaveToBmpFile(Path("layout.bmp"));

    const QImage strip(QString::fromStdString(Path("layout.bmp")), "BMP");
    ASSERT_EQ(strip.format(), QImage::Format_Indexed8);
    ASSERT_EQ(strip.size(), QSize(3 + 1 + 4, 9));
    EXPECT_EQ(strip.colorCount(), 256);
    EXPECT_EQ(strip.color(BorderIndex), qRgb(255, 0, 255));
    EXPECT_EQ(strip.color(0), qRgb(255, 0, 0));
    // Separators at columns 2 (glyph 0), 3 (the empty glyph 1) and 7 (glyph 2);
    // marker rows 0..9/4 carry the pad colours 0, 1, 2.
    const int separators[3] = {2, 3, 7};
    for (int k = 0; k < 3; ++k)
        for (int y = 0; y < 9; ++y)
            EXPECT_EQ(strip.pixelIndex(separators[k], y), y <= 2 ? k : 255) << "glyph " << k << " row " << y;
    // Glyph pixels are stored unchanged.
    EXPECT_EQ(strip.pixelIndex(4, 5), font.GetGlyph(2)->Pixel(0, 5));
}

TEST(BmpStrip, ImportRulesOnTheMiddleRow)
{
    TMtkFont font;
    // Two separators side by side make an empty glyph.
    font.LoadFromBmp(StripImage("ggsgggssg", 4));
    ASSERT_EQ(font.GlyphCount(), 4);
    EXPECT_EQ(font.GetGlyph(0)->Width(), 2);
    EXPECT_EQ(font.GetGlyph(1)->Width(), 3);
    EXPECT_EQ(font.GetGlyph(2)->Width(), 0);
    // Without a final separator the last column serves as one.
    EXPECT_EQ(font.GetGlyph(3)->Width(), 0);
    EXPECT_EQ(font.GetPadColor(1), 3);
    EXPECT_EQ(font.GetPadColor(3), 2);

    font.LoadFromBmp(StripImage("ggsggg", 4));
    ASSERT_EQ(font.GlyphCount(), 2);
    EXPECT_EQ(font.GetGlyph(1)->Width(), 2);
}

TEST(BmpStrip, HeightOneReadsAsOneGlyph)
{
    TMtkFont font;
    FillFont(font, TPaletteKind::FourColor, 1, {2, 3});
    QImage strip(7, 1, QImage::Format_Indexed8);
    strip.setColorCount(256);
    // As exported: the only row is a marker row, so separators hold pad colours 0 and 1.
    const uint8_t row[7] = {1, 2, 0, 3, 3, 1, 1};
    std::copy(row, row + 7, strip.scanLine(0));
    font.LoadFromBmp(strip);
    ASSERT_EQ(font.GlyphCount(), 1);
    EXPECT_EQ(font.GetGlyph(0)->Width(), 6);
    EXPECT_EQ(font.GetPadColor(0), 1);
}

TEST_F(BmpFiles, PicturesThatAreNotEightBitGiveAnEmptyStore)
{
    QImage rgb(10, 6, QImage::Format_RGB32);
    rgb.fill(Qt::white);
    ASSERT_TRUE(rgb.save(QString::fromStdString(Path("rgb.bmp")), "BMP"));
    // Sixteen colours make Qt write a 4-bit BMP, which it reads back as Indexed8.
    QImage sixteen(10, 6, QImage::Format_Indexed8);
    sixteen.setColorCount(16);
    sixteen.fill(1);
    ASSERT_TRUE(sixteen.save(QString::fromStdString(Path("four.bmp")), "BMP"));

    for (const char* name : {"rgb.bmp", "four.bmp"}) {
        TMtkFont font;
        FillFont(font, TPaletteKind::FourColor, 6, {3});
        font.LoadFromBmpFile(Path(name));
        EXPECT_EQ(font.GlyphCount(), 0) << name;
        EXPECT_EQ(font.FBitsPerPixel, 0) << name;
    }
}

TEST_F(BmpFiles, BadPicturesAreRefusedAndTheStoreIsKept)
{
    const std::string garbage = "BM this is no picture";
    WriteFileAtomically(Path("garbage.bmp"), std::span(reinterpret_cast<const uint8_t*>(garbage.data()), garbage.size()));

    TMtkFont source;
    FillFont(source, TPaletteKind::FourColor, 4, {3, 2});
    source.SaveToBmpFile(Path("zero.bmp"));
    std::vector<uint8_t> zero = ReadWholeFile(Path("zero.bmp"));
    std::fill_n(zero.begin() + 22, 4, 0); // biHeight
    WriteFileAtomically(Path("zero.bmp"), zero);

    TMtkFont font;
    FillFont(font, TPaletteKind::FourColor, 5, {4});
    const auto unchanged = [&] {
        EXPECT_EQ(font.GlyphCount(), 1);
        EXPECT_EQ(font.FHeight, 5);
    };
    try {
        font.LoadFromBmpFile(Path("garbage.bmp"));
        ADD_FAILURE() << "garbage accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_NE(std::string(error.what()).find("Bitmap image is not valid"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("garbage.bmp"), std::string::npos);
    }
    unchanged();
    EXPECT_THROW(font.LoadFromBmpFile(Path("zero.bmp")), EInvalidGraphic);
    unchanged();
    EXPECT_THROW(font.LoadFromBmpFile(Path("missing.bmp")), EFOpenError);
    unchanged();
    QImage tall(4, 256, QImage::Format_Indexed8);
    tall.setColorCount(256);
    tall.fill(2);
    EXPECT_THROW(font.LoadFromBmp(tall), EInvalidGraphic);
    unchanged();
}

TEST_F(BmpFiles, SeparateGlyphFilesAreNumberedByIndex)
{
    TMtkFont font;
    FillFont(font, TPaletteKind::TwoColor, 5, {3, 0, 2});
    const std::string folder = Path("glyphs") + "/";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    font.SaveGlyphBmps(folder);

    EXPECT_EQ(QDir(QString::fromStdString(folder)).entryList(QDir::Files),
              QStringList({"00000.bmp", "00001.bmp", "00002.bmp"}));
    const QImage first(QString::fromStdString(folder + "00000.bmp"), "BMP");
    ASSERT_EQ(first.format(), QImage::Format_Indexed8);
    EXPECT_EQ(first.size(), QSize(3, 5));
    EXPECT_EQ(first.color(0), qRgb(128, 128, 128)); // the glyph's own 2-colour palette
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(first.pixelIndex(x, y), font.GetGlyph(0)->Pixel(x, y));
    // The empty glyph becomes one BorderIndex column.
    const QImage empty(QString::fromStdString(folder + "00001.bmp"), "BMP");
    EXPECT_EQ(empty.size(), QSize(1, 5));
    EXPECT_EQ(empty.pixelIndex(0, 2), BorderIndex);
}

TEST_F(BmpFiles, EmptyStoreWritesNothing)
{
    TMtkFont font;
    font.SaveToBmpFile(Path("none.bmp"));
    font.SaveGlyphBmps(Path(""));
    EXPECT_TRUE(QDir(FDir.path()).entryList(QDir::Files).isEmpty());
}
