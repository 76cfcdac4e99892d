// Inputs the fuzz targets found, fed through the normal API, and the valid files the fix for
// them must keep readable.

#include <gtest/gtest.h>

#include "font/FileIo.h"
#include "font/MtkFont.h"

namespace {

using TBytes = std::vector<uint8_t>;

std::string RegressFile(const char* name)
{
    return std::string(GLYPHFORGE_TEST_DATA) + "/regress/" + name;
}

struct TRegressReader {
    TMtkFont Font;
    std::vector<std::string> Messages;
    TRegressReader()
    {
        Font.SetMessageSink([this](const std::string& message) { Messages.push_back(message); });
    }
};

// Every glyph one colour: the longest runs, so the most pixels per byte a writer produces.
void FillUniform(TMtkFont& font, int count, int width, int height, bool twoColor)
{
    font.Clear();
    font.FHeight = static_cast<uint8_t>(height);
    font.FBitsPerPixel = twoColor ? 1 : 2;
    font.FCompression = twoColor ? 0 : 1;
    font.FVariableWidth = !twoColor;
    const TGlyphBitmap glyph(width, height, twoColor ? TPaletteKind::TwoColor : TPaletteKind::FourColor, 1);
    for (int k = 0; k < count; ++k)
        font.AddGlyph(glyph, 1);
}

void SetWord(TBytes& file, size_t at, unsigned value)
{
    file[at] = static_cast<uint8_t>(value);
    file[at + 1] = static_cast<uint8_t>(value >> 8);
}

} // namespace

// 24 bytes announcing 65278 glyphs of 254 x 254 pixels: decoding them took 4 GB and minutes.
TEST(RegressReader, RefusesAHeaderAnnouncingGigabytesOfPixels)
{
    TRegressReader reader;
    EXPECT_FALSE(reader.Font.LoadFromFile(RegressFile("font-announces-4g-pixels.mtf")));
    ASSERT_EQ(reader.Messages.size(), 1u);
    EXPECT_EQ(reader.Messages[0], "Not a Mediatek FON file. Glyph data truncated");
    EXPECT_EQ(reader.Font.GlyphCount(), 0);
    EXPECT_EQ(reader.Font.FHeight, 254);
}

// Every offset entry may point at the same few bytes; the pixel count, not the data, is what
// a hostile compressed file inflates.
TEST(RegressReader, RefusesACompressedFileWhoseGlyphsShareTooLittleData)
{
    TBytes file;
    // Widths and offsets as the writer lays them out, glyph data cut to nothing.
    TMtkFont tiny;
    FillUniform(tiny, 13104, 0, 255, false);
    tiny.SaveToStream(file, false, "", {});
    for (size_t k = 0; k < 13104; ++k)
        file[11 + k] = 252;

    TRegressReader reader;
    EXPECT_FALSE(reader.Font.LoadFromStream(file));
    ASSERT_EQ(reader.Messages.size(), 1u);
    EXPECT_EQ(reader.Messages[0], "Not a Mediatek FON file. Glyph data truncated");
}

TEST(RegressReader, KeepsLargeValidFilesReadable)
{
    struct TCase {
        int Count, Width, Height;
        bool TwoColor, NewMode;
    };
    // Above the zero-fill allowance in pixels, at the highest compression the writer reaches.
    for (const TCase c : {TCase{65535, 16, 16, true, false}, TCase{65535, 24, 12, true, true},
                          TCase{1200, 252, 64, false, false}, TCase{1200, 252, 64, false, true}}) {
        SCOPED_TRACE(c.Count);
        TMtkFont font;
        FillUniform(font, c.Count, c.Width, c.Height, c.TwoColor);
        TBytes file;
        font.SaveToStream(file, c.NewMode, "[stamp]", {});
        TRegressReader reader;
        ASSERT_TRUE(reader.Font.LoadFromStream(file));
        EXPECT_TRUE(reader.Messages.empty());
        ASSERT_EQ(reader.Font.GlyphCount(), c.Count);
        EXPECT_EQ(*reader.Font.GetGlyph(c.Count - 1), *font.GetGlyph(c.Count - 1));
    }
}

// A short file still decodes with its missing pixels as 0 while the pixels stay within reach.
TEST(RegressReader, StillZeroFillsAModeratelyTruncatedFile)
{
    TMtkFont font;
    FillUniform(font, 4096, 16, 16, true);
    TBytes file;
    font.SaveToStream(file, false, "", {});
    file.resize(file.size() / 2);
    TRegressReader reader;
    ASSERT_TRUE(reader.Font.LoadFromStream(file));
    ASSERT_EQ(reader.Font.GlyphCount(), 4096);
    EXPECT_EQ(reader.Font.GetGlyph(0)->Pixel(15, 15), 1);
    EXPECT_EQ(reader.Font.GetGlyph(4095)->Pixel(0, 0), 0);

    // The same header on 11 bytes, and a far larger glyph count, is refused.
    file.resize(11);
    SetWord(file, 7, 65535);
    file[9] = 255;
    file[10] = 255;
    EXPECT_FALSE(reader.Font.LoadFromStream(file));
}
