// BDF files checked against FreeType's own BDF driver, a reader that is not ours.

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <unistd.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "font/BdfReader.h"
#include "font/BdfWriter.h"
#include "font/MtkFont.h"
#include "RandomFont.h"

namespace {

struct TFreeTypeBdf {
    explicit TFreeTypeBdf(const std::string& fileName)
    {
        EXPECT_EQ(FT_Init_FreeType(&Library), 0);
        EXPECT_EQ(FT_New_Face(Library, fileName.c_str(), 0, &Face), 0) << fileName;
    }
    ~TFreeTypeBdf()
    {
        FT_Done_Face(Face);
        FT_Done_FreeType(Library);
    }

    // The glyph's levels by pixel, x from the origin rightwards, y upwards from the baseline.
    struct TInk {
        int Advance = 0;
        std::vector<std::tuple<int, int, int>> Pixels; // x, y, level; level above 0 only
    };

    TInk Load(FT_ULong code)
    {
        TInk ink;
        const FT_UInt index = FT_Get_Char_Index(Face, code);
        EXPECT_NE(index, 0u) << "code " << code;
        EXPECT_EQ(FT_Load_Glyph(Face, index, FT_LOAD_DEFAULT), 0);
        const FT_GlyphSlot slot = Face->glyph;
        ink.Advance = static_cast<int>(slot->advance.x >> 6);
        const FT_Bitmap& bitmap = slot->bitmap;
        const int bits = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? 1 : bitmap.pixel_mode == FT_PIXEL_MODE_GRAY2 ? 2 : 8;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const unsigned bit = column * bits;
                const uint8_t byte = bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + bit / 8];
                const int level = bits == 8 ? byte : (byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
                if (level > 0)
                    ink.Pixels.emplace_back(slot->bitmap_left + static_cast<int>(column),
                                            slot->bitmap_top - 1 - static_cast<int>(row), level);
            }
        return ink;
    }

    FT_Library Library = nullptr;
    FT_Face Face = nullptr;
};

} // namespace

// Our exports, 1 bit and 2 bits, hold in FreeType every glyph with its ink where the store has it.
TEST(BdfFreeType, ExportsReadBackWithTheStoredInk)
{
    for (const bool twoColor : {true, false}) {
        SCOPED_TRACE(twoColor ? "2 colours" : "4 colours");
        TMtkFont font;
        const int height = 12;
        FillRandomFont(font, twoColor, 100, height, 3);
        const std::string file =
            (std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "-export.bdf")).string();
        SaveBdfFile(font, {.Ascent = 9, .Registry = "ISO10646", .Encoding = "1"}, TBdfDepth::AsFont, file);

        TFreeTypeBdf freeType(file);
        ASSERT_NE(freeType.Face, nullptr);
        EXPECT_EQ(freeType.Face->num_glyphs, 100 + 1); // FreeType adds the default glyph at index 0
        for (int code = 0; code < font.GlyphCount(); ++code) {
            const TGlyphBitmap& glyph = *font.GetGlyph(code);
            const TFreeTypeBdf::TInk ink = freeType.Load(static_cast<FT_ULong>(code));
            EXPECT_EQ(ink.Advance, glyph.Width()) << "code " << code;
            std::vector<uint8_t> levels(glyph.Bits().size(), 0);
            for (const auto& [x, y, level] : ink.Pixels) {
                ASSERT_TRUE(x >= 0 && x < glyph.Width() && y < 9 && y >= 9 - height) << "code " << code;
                levels[static_cast<size_t>((9 - 1 - y) * glyph.Width() + x)] = static_cast<uint8_t>(level);
            }
            constexpr uint8_t FourColorLevel[4] = {1, 0, 2, 3};
            for (size_t k = 0; k < levels.size(); ++k)
                ASSERT_EQ(levels[k], twoColor ? glyph.Bits()[k] : FourColorLevel[glyph.Bits()[k]]) << "code " << code;
        }
        std::filesystem::remove(file);
    }
}

// otf2bdf's DejaVu Sans: every glyph's ink comes in where FreeType sees it, against the
// baseline, glyphs widened where their ink leaves the advance and the cell grown to the ink.
TEST(BdfFreeType, AnOutsideFontImportsWithItsInkExact)
{
    const std::string file = GLYPHFORGE_TEST_DATA "/bdf/otf2bdf-dejavu-sans-12.bdf";
    TMtkFont font;
    std::string messages;
    font.SetMessageSink([&](const std::string& message) { messages += message; });
    const TBdfFont bdf = ReadBdfFile(file);
    LoadBdf(font, bdf, TBdfTarget::FourColor);
    EXPECT_NE(messages.find("ink outside their DWIDTH, widened to hold it: 3, the first \"004A\" (code 74)"),
              std::string::npos) << messages;

    TFreeTypeBdf freeType(file);
    ASSERT_NE(freeType.Face, nullptr);
    EXPECT_EQ(FT_Select_Charmap(freeType.Face, FT_ENCODING_UNICODE), 0);
    int checked = 0;
    FT_UInt index = 0;
    for (FT_ULong code = FT_Get_First_Char(freeType.Face, &index); index != 0;
         code = FT_Get_Next_Char(freeType.Face, code, &index), ++checked) {
        const TFreeTypeBdf::TInk ink = freeType.Load(code);
        int left = 0;
        int right = ink.Advance;
        for (const auto& [x, y, level] : ink.Pixels) {
            left = std::min(left, x);
            right = std::max(right, x + 1);
        }
        const TGlyphBitmap& glyph = *font.GetGlyph(static_cast<int>(code));
        ASSERT_EQ(glyph.Width(), right - left) << "code " << code;
        TGlyphBitmap expected(right - left, font.FHeight, TPaletteKind::FourColor, 1);
        for (const auto& [x, y, level] : ink.Pixels)
            expected.SetPixel(x - left, bdf.Ascent - 1 - y, 3);
        ASSERT_EQ(glyph, expected) << "code " << code;
    }
    EXPECT_EQ(checked, 319);
    EXPECT_EQ(font.GlyphCount(), 384);
}
