#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "font/MtkFont.h"

namespace {

using TBytes = std::vector<uint8_t>;

// Background runs with strokes of ink, like a rendered glyph; one pixel in InkOneIn is inked.
TGlyphBitmap InkedGlyph(std::mt19937& random, int width, int height, TPaletteKind palette, int inkOneIn)
{
    const int colors = palette == TPaletteKind::TwoColor ? 2 : 4;
    const uint8_t background = palette == TPaletteKind::TwoColor ? 0 : 1;
    TGlyphBitmap glyph(width, height, palette, background);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (random() % inkOneIn == 0)
                glyph.SetPixel(x, y, static_cast<uint8_t>(random() % colors));
    return glyph;
}

struct TFontShape {
    uint8_t BitsPerPixel;
    bool VariableWidth;
    uint8_t Height;
};

std::unique_ptr<TMtkFont> MakeFont(std::mt19937& random, TFontShape shape, const std::vector<int>& widths,
                                   int inkOneIn = 3)
{
    auto font = std::make_unique<TMtkFont>();
    const TPaletteKind palette = shape.BitsPerPixel == 1 ? TPaletteKind::TwoColor : TPaletteKind::FourColor;
    for (int width : widths)
        font->AddGlyph(InkedGlyph(random, width, shape.Height, palette, inkOneIn),
                      palette == TPaletteKind::TwoColor ? 0 : static_cast<uint8_t>(random() % 4));
    font->FBitsPerPixel = shape.BitsPerPixel;
    font->FCompression = shape.BitsPerPixel == 2;
    font->FVariableWidth = shape.VariableWidth;
    font->FHeight = shape.Height;
    return font;
}

TBytes Save(const TMtkFont& font, bool newMode)
{
    TBytes file;
    font.SaveToStream(file, newMode, "[GlyphForgeTool 0.6.4]", {});
    return file;
}

void ExpectSamePixels(const TMtkFont& written, const TMtkFont& read)
{
    ASSERT_EQ(read.GlyphCount(), written.GlyphCount());
    EXPECT_EQ(read.FHeight, written.FHeight);
    EXPECT_EQ(read.FBitsPerPixel, written.FBitsPerPixel);
    EXPECT_EQ(read.FVariableWidth, written.FVariableWidth);
    for (int k = 0; k < written.GlyphCount(); ++k)
        ASSERT_EQ(read.GetGlyph(k)->Bits(), written.GetGlyph(k)->Bits()) << "glyph " << k;
}

std::vector<int> Widths(std::mt19937& random, int count, int maximum, int multipleOf)
{
    std::vector<int> widths;
    for (int k = 0; k < count; ++k)
        widths.push_back(static_cast<int>(random() % (maximum / multipleOf + 1)) * multipleOf);
    return widths;
}

} // namespace

TEST(MtkRoundTrip, FourColorOldModeKeepsPixelsAndPadColours)
{
    std::mt19937 random(7);
    // Dense ink gives short runs; sparse ink gives runs across rows, padding and 255 pixels.
    for (const int inkOneIn : {3, 60}) {
        SCOPED_TRACE(testing::Message() << "one pixel in " << inkOneIn << " inked");
        const auto owned = MakeFont(random, {2, true, 16}, Widths(random, 300, 40, 1), inkOneIn);
        const TMtkFont& font = *owned;
        TMtkFont read;
        ASSERT_TRUE(read.LoadFromStream(Save(font, false)));
        ExpectSamePixels(font, read);
        for (int k = 0; k < font.GlyphCount(); ++k) {
            const bool padded = font.GetGlyph(k)->Width() % 4 != 0;
            EXPECT_EQ(read.GetPadColor(k), padded ? font.GetPadColor(k) : 0) << "glyph " << k;
        }
    }
}

TEST(MtkRoundTrip, LayoutsThatReadBackExactly)
{
    struct TCase {
        const char* Name;
        TFontShape Shape;
        bool NewMode;
        int MultipleOf;
        bool SameWidth;
    };
    const TCase cases[] = {
        {"4-colour NEW, widths multiple of 4", {2, true, 12}, true, 4, false},
        {"4-colour fixed width", {2, false, 9}, false, 1, true},
        {"2-colour OLD, width multiple of 4", {1, false, 14}, false, 4, true},
        {"2-colour NEW, any width", {1, false, 11}, true, 1, true},
    };
    std::mt19937 random(11);
    for (const TCase& c : cases) {
        for (int round = 0; round < 10; ++round) {
            SCOPED_TRACE(testing::Message() << c.Name << ", round " << round);
            std::vector<int> widths = Widths(random, 50, 32, c.MultipleOf);
            widths[0] = std::max(widths[0], c.MultipleOf);  // a readable CharWidth is not 0
            if (c.SameWidth)
                widths.assign(widths.size(), widths[0]);
            const auto font = MakeFont(random, c.Shape, widths);
            TMtkFont read;
            ASSERT_TRUE(read.LoadFromStream(Save(*font, c.NewMode)));
            ExpectSamePixels(*font, read);
        }
    }
}

TEST(MtkRoundTrip, LayoutsTheReaderCannotTellApart)
{
    // 2-colour OLD mode, CharWidth 3: each row ends with a zero bit the reader does not skip.
    TMtkFont twoColor;
    TGlyphBitmap rows(3, 2, TPaletteKind::TwoColor);
    rows.SetPixel(0, 0, 1);
    rows.SetPixel(2, 0, 1);
    rows.SetPixel(1, 1, 1);
    twoColor.AddGlyph(rows, 0);
    twoColor.AddGlyph(TGlyphBitmap(5, 2, TPaletteKind::TwoColor, 1), 0);
    twoColor.FBitsPerPixel = 1;
    twoColor.FHeight = 2;
    TMtkFont read;
    ASSERT_TRUE(read.LoadFromStream(Save(twoColor, false)));
    EXPECT_EQ(read.GetGlyph(0)->Pixel(0, 0), 1);
    EXPECT_EQ(read.GetGlyph(0)->Pixel(2, 0), 1);
    EXPECT_EQ(read.GetGlyph(0)->Pixel(1, 1), 0) << "row 1 comes back shifted";
    EXPECT_EQ(read.GetGlyph(0)->Pixel(2, 1), 1);
    EXPECT_EQ(read.GetGlyph(1)->Width(), 3) << "every glyph comes back as wide as glyph 0";

    // 4-colour NEW mode, width 3: the reader assumes padded rows.
    TMtkFont fourColor;
    TGlyphBitmap glyph(3, 2, TPaletteKind::FourColor, 1);
    glyph.SetPixel(2, 0, 3);
    fourColor.AddGlyph(glyph, 1);
    fourColor.FBitsPerPixel = 2;
    fourColor.FCompression = 1;
    fourColor.FVariableWidth = true;
    fourColor.FHeight = 2;
    ASSERT_TRUE(read.LoadFromStream(Save(fourColor, true)));
    EXPECT_EQ(read.GetGlyph(0)->Pixel(2, 0), 3);
    EXPECT_NE(read.GetGlyph(0)->Bits(), glyph.Bits()) << "row 1 runs into the bits after the glyph";
}

TEST(MtkRoundTrip, EveryPrefixOfAFileGivesADefinedResult)
{
    std::mt19937 random(3);
    const auto font = MakeFont(random, {2, true, 5}, {3, 0, 7, 4, 9});
    const TBytes file = Save(*font, false);
    const size_t tableStart = 16;  // (5 + 14) with the low two bits cleared
    const size_t dataEnd = (file[4] | (file[5] << 8)) + 1u + file[tableStart + 4 * 5];
    for (size_t length = 0; length <= file.size(); ++length) {
        SCOPED_TRACE(testing::Message() << "length " << length);
        const TBytes prefix(file.begin(), file.begin() + static_cast<ptrdiff_t>(length));
        TMtkFont read;
        std::vector<std::string> messages;
        read.SetMessageSink([&](const std::string& message) { messages.push_back(message); });
        const bool tablesFit = length >= tableStart + 4 * 5;
        EXPECT_EQ(read.LoadFromStream(prefix), tablesFit);
        // A refusal, or the warning that glyph data is missing.
        EXPECT_EQ(messages.size(), tablesFit && length >= dataEnd ? 0u : 1u);
        if (!tablesFit)
            continue;
        EXPECT_EQ(read.CutShortGlyphs() > 0, length < dataEnd);
        ASSERT_EQ(read.GlyphCount(), 5);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(read.GetGlyph(k)->Width(), font->GetGlyph(k)->Width());
        if (length == file.size())
            ExpectSamePixels(*font, read);
    }
}
