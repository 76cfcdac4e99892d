#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include <QCryptographicHash>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "font/FileIo.h"
#include "font/Format.h"
#include "generate/ConversionTable.h"
#include "generate/FontEngine.h"
#include "generate/Generator.h"
#include "generate/ProgramStamp.h"

namespace {

constexpr uint16_t ThaiKoKai = 0x0E01; // in Unifont, not in DejaVu Sans

std::vector<uint16_t> IdentityTable()
{
    std::vector<uint16_t> table(65536);
    for (size_t k = 0; k < table.size(); ++k)
        table[k] = static_cast<uint16_t>(k);
    return table;
}

// Options that leave a glyph as drawn: no trimming, margin or minimum height.
TGenerationOptions PlainOptions()
{
    TGenerationOptions options;
    options.CutLeftRight = false;
    options.RightMarginOn = false;
    options.SameWidthNumbers = false;
    options.MinHeight = 0;
    return options;
}

std::vector<uint8_t> FileBytes(const TMtkFont& store, const TGenerationOptions& options)
{
    std::vector<uint8_t> bytes;
    store.SaveToStream(bytes, options.NewMode(), ProgramStamp, {});
    return bytes;
}

int CountValue(const TGlyphBitmap& bitmap, uint8_t value)
{
    return static_cast<int>(std::count(bitmap.Bits().begin(), bitmap.Bits().end(), value));
}

class GeneratorTest : public ::testing::Test {
protected:
    TFontEngine Engine;
    std::shared_ptr<const TFontFace> DejaVu = Engine.OpenFont({"DejaVu Sans", 16, 0});
    std::shared_ptr<const TFontFace> Unifont = Engine.OpenFont({"Unifont", 12, 0});
    std::vector<uint16_t> Table = IdentityTable();
    TMtkFont Store;

    TGenerationFonts Fonts(const TFontFace& primary) const
    {
        return {&primary, Unifont.get(), primary.Coverage(), Unifont->Coverage()};
    }

    // Table entries From.. get the given characters; the generation covers exactly them.
    TGlyphGenerator Generate(const TGenerationOptions& options, std::u16string characters, const TFontFace& primary)
    {
        std::copy(characters.begin(), characters.end(), Table.begin());
        TGlyphGenerator generator(options, Table, static_cast<int32_t>(characters.size()) - 1, Fonts(primary));
        generator.GenerateFont(Store);
        return generator;
    }

    const TGlyphBitmap& Glyph(int code) const { return *Store.GetGlyph(code); }
};

TEST_F(GeneratorTest, TextIsCentredInTheMinimumHeight)
{
    TGenerationOptions options = PlainOptions();
    options.MinHeight = 20;
    Generate(options, u"A", *Unifont);
    TGlyphBitmap drawn(8, 16, TPaletteKind::FourColor, 1);
    Unifont->TextOutW(drawn, 0, 0, u'A', 3, 1);
    const TGlyphBitmap& glyph = Glyph(0);
    ASSERT_EQ(glyph.Height(), 20);
    ASSERT_EQ(glyph.Width(), 8);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(glyph.Pixel(x, y), (y >= 2 && y < 18) ? drawn.Pixel(x, y - 2) : 1) << x << "," << y;
}

TEST_F(GeneratorTest, CommonHeightIsTheTallestCellOfBothFonts)
{
    TGenerationOptions options = PlainOptions();
    options.Outline2 = 3;
    // 'A' from DejaVu Sans (25 rows), Thai from Unifont with outline 3 (16 + 6 rows).
    TGlyphGenerator generator = Generate(options, u"A\u0E01", *DejaVu);
    EXPECT_EQ(generator.Stats().FMaxGlyphHeight, 25);
    EXPECT_EQ(Glyph(1).Height(), 25);
    EXPECT_EQ(Glyph(1).Width(), Unifont->TextWidthW(ThaiKoKai) + 6);
    options.Outline2 = 5;
    generator = Generate(options, u"A\u0E01", *DejaVu);
    EXPECT_EQ(generator.Stats().FMaxGlyphHeight, 26);
    EXPECT_EQ(Store.FHeight, 26);
}

TEST_F(GeneratorTest, OutlineRingsTouchTheInkOnceAndWidenTheCell)
{
    TGenerationOptions options = PlainOptions();
    options.Outline = 1;
    Generate(options, u"A", *Unifont);
    const TGlyphBitmap glyph = Glyph(0);
    EXPECT_EQ(glyph.Width(), 8 + 2);
    EXPECT_EQ(glyph.Height(), 16 + 2);
    auto touchesInk = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < glyph.Width() && ny < glyph.Height() && glyph.Pixel(nx, ny) == 3)
                    return true;
            }
        return false;
    };
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x)
            if (glyph.Pixel(x, y) != 3) {
                EXPECT_EQ(glyph.Pixel(x, y), touchesInk(x, y) ? 2 : 1) << x << "," << y;
            }

    options.Outline = 2;
    Generate(options, u"A", *Unifont);
    const int twoRings = CountValue(Glyph(0), 2);
    EXPECT_GT(twoRings, CountValue(glyph, 2));

    // Two colours: no ring, but the cell still grows and the text moves.
    options.FontType = ftTwoColorFixed;
    Generate(options, u"A", *Unifont);
    EXPECT_EQ(CountValue(Glyph(0), 2), 0);
    EXPECT_EQ(Glyph(0).Width(), 8 + 4);
    EXPECT_EQ(Glyph(0).Pixel(0, 0), 0);
}

TEST_F(GeneratorTest, CutsShortenEveryGlyphAndATooLargeTopCutLeavesNoRows)
{
    TGenerationOptions options;
    options.TopCutOn = true;
    options.TopCut = 3;
    options.BottomCutOn = true;
    options.BottomCut = 2;
    TGlyphGenerator generator = Generate(options, u"Ag -", *Unifont);
    for (int code = 0; code < 4; ++code)
        EXPECT_EQ(Glyph(code).Height(), 11);
    EXPECT_EQ(Store.FHeight, 11);

    options.TopCut = 100;
    generator = Generate(options, u"Ag", *Unifont);
    EXPECT_EQ(Glyph(0).Height(), 0);
    EXPECT_EQ(Glyph(1).Height(), 0);
    EXPECT_EQ(generator.Stats().FMaxGlyphHeight, 0);
}

TEST_F(GeneratorTest, DigitsAndMinusShareOneWidth)
{
    TGenerationOptions options;
    TGlyphGenerator generator = Generate(options, u"0123456789-", *DejaVu);
    for (int code = 0; code <= 10; ++code)
        EXPECT_EQ(Glyph(code).Width(), Glyph(8).Width()) << code;
    EXPECT_GE(Glyph(1).Width(), generator.Stats().FDigitWidth);

    options.SameWidthNumbers = false;
    Generate(options, u"18", *DejaVu);
    EXPECT_LT(Glyph(0).Width(), Glyph(1).Width());
}

TEST_F(GeneratorTest, CharacterOnlyTheSecondaryCoversUsesItWhileTried)
{
    ASSERT_FALSE(RangesCover(DejaVu->Coverage(), ThaiKoKai));
    TGenerationOptions options;
    TGlyphGenerator generator = Generate(options, u"A\u0E01", *DejaVu);
    EXPECT_EQ(generator.Sources()[0], TGlyphSource::Primary);
    EXPECT_EQ(generator.Sources()[1], TGlyphSource::Secondary);
    EXPECT_GT(CountValue(Glyph(1), 3), 0);

    // Not tried: drawn with the primary font, not covered, so stored empty (rule E) ...
    options.TryFont2 = false;
    generator = Generate(options, u"A\u0E01", *DejaVu);
    EXPECT_EQ(generator.Sources()[1], TGlyphSource::NotCovered);
    EXPECT_EQ(Glyph(1).Width(), 0);
    EXPECT_EQ(Glyph(1).Height(), 25);
    // ... blank at min width in two colours ...
    options.FontType = ftTwoColorFixed;
    options.MinWidth = 12;
    generator = Generate(options, u"A\u0E01", *DejaVu);
    EXPECT_EQ(Glyph(1).Width(), 12);
    EXPECT_EQ(CountValue(Glyph(1), 0), 12 * 25);
    // ... and kept as drawn when invalid characters are displayed.
    options.FontType = ftFourColorOld;
    options.DisplayInvalidChars = true;
    generator = Generate(options, u"A\u0E01", *DejaVu);
    EXPECT_GT(Glyph(1).Width(), 0);
}

TEST_F(GeneratorTest, TwoColourGlyphsWiderThanMinWidthAskForTheFallback)
{
    TGenerationOptions options;
    options.FontType = ftTwoColorFixed;
    options.Outline = 0;
    options.MinWidth = 2;
    TGlyphGenerator generator = Generate(options, u"AW", *DejaVu);
    EXPECT_TRUE(generator.FixedWidthFallback());
    EXPECT_EQ(Glyph(0).PaletteKind(), TPaletteKind::TwoColor);
    EXPECT_EQ(Store.FBitsPerPixel, 1);
    EXPECT_FALSE(Store.FVariableWidth);

    options.MinWidth = 40;
    generator = Generate(options, u"AW", *DejaVu);
    EXPECT_FALSE(generator.FixedWidthFallback());
    EXPECT_EQ(Glyph(0).Width(), 40);
    EXPECT_EQ(Glyph(1).Width(), 40);

    options.FontType = ftFourColorOld;
    options.MinWidth = 2;
    EXPECT_FALSE(Generate(options, u"AW", *DejaVu).FixedWidthFallback());
}

TEST_F(GeneratorTest, StatisticsForOneGlyphNoGlyphAndSharedWidths)
{
    TGenerationOptions options;
    TGlyphGenerator one = Generate(options, u"W", *DejaVu);
    EXPECT_EQ(Store.GlyphCount(), 1);
    EXPECT_EQ(one.Stats().FMaxGlyphWidth, Glyph(0).Width());
    EXPECT_EQ(one.Stats().FMaxWidthChar, 0);
    EXPECT_EQ(one.Stats().FMaxGlyphHeight, 25);
    EXPECT_GT(one.Stats().FFontFileSize, 0);
    EXPECT_EQ(static_cast<size_t>(one.Stats().FFontFileSize), FileBytes(Store, options).size());
    EXPECT_EQ(one.StatusText(), "Font: Max Width = " + std::to_string(Glyph(0).Width()) +
                                    " (Char 0), Height = 25, FileSize = " +
                                    std::to_string(one.Stats().FFontFileSize) + " bytes");

    TGlyphGenerator none = Generate(options, u"", *DejaVu);
    EXPECT_EQ(Store.GlyphCount(), 0);
    EXPECT_EQ(none.StatusText(), "Font: Max Width = 0 (Char 0), Height = 0, FileSize = 0 bytes");

    TGlyphGenerator shared = Generate(options, u"iWWi", *DejaVu);
    EXPECT_EQ(shared.Stats().FMaxWidthChar, 1);
}

TEST_F(GeneratorTest, StoreTheWriterRefusesStillGeneratesWithTheReason)
{
    // More glyphs than a compressed font can hold.
    const std::u16string many(13105, u'A');
    TGlyphGenerator generator = Generate(TGenerationOptions{}, many, *DejaVu);
    EXPECT_EQ(Store.GlyphCount(), 13105);
    EXPECT_EQ(generator.Stats().FFontFileSize, 0);
    EXPECT_NE(generator.Stats().FSizeLimitMessage.find("13104"), std::string::npos);
}

TEST_F(GeneratorTest, ProgressReachesTheLastCode)
{
    std::vector<std::pair<int, int>> calls;
    std::copy_n(u"abc", 3, Table.begin());
    TGlyphGenerator generator(TGenerationOptions{}, Table, 2, Fonts(*DejaVu));
    generator.SetProgress([&](int position, int maximum) { calls.emplace_back(position, maximum); });
    generator.GenerateFont(Store);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), std::make_pair(2, 2));
}

TEST_F(GeneratorTest, SelectRenderFontTakesTheOutlineOfTheChosenFont)
{
    TGenerationOptions options;
    options.Outline = 1;
    options.Outline2 = 4;
    TGlyphGenerator generator(options, Table, 0, Fonts(*DejaVu));
    EXPECT_EQ(generator.SelectRenderFont(2), Unifont.get());
    EXPECT_EQ(generator.SelectRenderFont(3), nullptr);
    options.TryFont2 = false;
    TGlyphGenerator untried(options, Table, 0, Fonts(*DejaVu));
    EXPECT_EQ(untried.SelectRenderFont(2), DejaVu.get());
}

TEST_F(GeneratorTest, CachedRasterGivesTheSameBytesAsFreshRendering)
{
    const std::u16string text = u"Hello, World! 0123456789 -\u00E9\u0E01\u4E00";
    TGenerationOptions options;
    Generate(options, text, *DejaVu);
    const std::vector<uint8_t> first = FileBytes(Store, options);
    Generate(options, text, *DejaVu);
    EXPECT_EQ(FileBytes(Store, options), first) << "the same inputs give the same bytes";

    // Width options changed on the warm cache, against an engine that keeps nothing.
    options.MinWidth = 5;
    options.RightMargin = 3;
    options.WidthDivOn = true;
    Generate(options, text, *DejaVu);
    const std::vector<uint8_t> cached = FileBytes(Store, options);

    TFontEngine fresh(false);
    const auto dejaVu = fresh.OpenFont({"DejaVu Sans", 16, 0});
    const auto unifont = fresh.OpenFont({"Unifont", 12, 0});
    TMtkFont store;
    TGlyphGenerator generator(options, Table, static_cast<int32_t>(text.size()) - 1,
                              {dejaVu.get(), unifont.get(), dejaVu->Coverage(), unifont->Coverage()});
    generator.GenerateFont(store);
    EXPECT_EQ(FileBytes(store, options), cached);
    EXPECT_EQ(fresh.CachedBytes(), 0u);
    EXPECT_GT(Engine.CachedBytes(), 0u);
}

// Each option a kept cell depends on, changed on the warm engine, against an engine that
// keeps nothing; a width change at the end runs on the kept cells again.
TEST_F(GeneratorTest, KeptCellsFollowEveryOptionTheyDependOn)
{
    std::u16string text;
    for (char16_t c = 0; c <= 0xA0; ++c) // code A0 gets the second background
        text += c;
    text += u"\u0E01\u4E00";
    TFontEngine fresh(false);
    const auto unifont = fresh.OpenFont({"Unifont", 12, 0});
    const auto expectFreshBytes = [&](const TGenerationOptions& options, int primarySize, const char* change) {
        Generate(options, text, *Engine.OpenFont({"DejaVu Sans", primarySize, 0}));
        const auto dejaVu = fresh.OpenFont({"DejaVu Sans", primarySize, 0});
        TMtkFont store;
        TGlyphGenerator generator(options, Table, static_cast<int32_t>(text.size()) - 1,
                                  {dejaVu.get(), unifont.get(), dejaVu->Coverage(), unifont->Coverage()});
        generator.GenerateFont(store);
        EXPECT_EQ(FileBytes(Store, options), FileBytes(store, options)) << change;
    };

    TGenerationOptions options;
    expectFreshBytes(options, 16, "first");
    options.Outline = 1;
    expectFreshBytes(options, 16, "outline");
    options.Outline2 = 2;
    expectFreshBytes(options, 16, "secondary outline");
    options.TopCutOn = true;
    options.TopCut = 2;
    expectFreshBytes(options, 16, "top cut");
    options.BottomCutOn = true;
    options.BottomCut = 3;
    expectFreshBytes(options, 16, "bottom cut");
    options.MinHeight = 30;
    expectFreshBytes(options, 16, "min height");
    options.BackColor2 = true;
    expectFreshBytes(options, 16, "second background");
    options.FontType = ftTwoColorFixed;
    expectFreshBytes(options, 16, "two colours");
    options.FontType = ftFourColorNew;
    expectFreshBytes(options, 16, "back to four colours");
    expectFreshBytes(options, 12, "font size");
    options.MinWidth = 6;
    options.WidthDivOn = true;
    expectFreshBytes(options, 12, "width only");
    options.Shift2 = -3;
    expectFreshBytes(options, 12, "secondary shift");
    options.Align2 = TSecondaryBaseline::Primary;
    expectFreshBytes(options, 12, "secondary baseline");
}

TEST_F(GeneratorTest, OneFaceAsBothFontsKeepsEachOutline)
{
    // Unifont draws ASCII as the primary font and the rest as the secondary one.
    TGenerationOptions options = PlainOptions();
    options.Outline = 1;
    options.Outline2 = 3;
    const std::u16string text = u"A\u00E9B\u00E8";
    std::copy(text.begin(), text.end(), Table.begin());
    const TGenerationFonts fonts{Unifont.get(), Unifont.get(), {{0, 0x7F}}, Unifont->Coverage()};
    for (int run = 0; run < 2; ++run) {
        TGlyphGenerator generator(options, Table, 3, fonts);
        generator.GenerateFont(Store);
        EXPECT_EQ(generator.Sources()[1], TGlyphSource::Secondary);
        EXPECT_EQ(Glyph(0).Width(), 8 + 2) << run;
        EXPECT_EQ(Glyph(1).Width(), 8 + 6) << run;
        EXPECT_EQ(Glyph(2).Width(), 8 + 2) << run;
        EXPECT_EQ(Glyph(3).Width(), 8 + 6) << run;
    }
}

// The character rendered by FreeType alone in a bilevel mode: its advance and whether it sets
// the pixel at a cell position, with the baseline Ascent rows below the cell top.
class TBareBilevelGlyph {
public:
    TBareBilevelGlyph(const TFontFace& face, FT_Int32 loadFlags, char16_t character) : FAscent(face.Ascent())
    {
        FT_Init_FreeType(&FLibrary);
        EXPECT_EQ(FT_New_Face(FLibrary, face.Spec().File.c_str(), face.Spec().FaceIndex, &FFace), 0);
        FT_Set_Pixel_Sizes(FFace, 0, static_cast<FT_UInt>(face.Spec().PixelSize));
        EXPECT_EQ(FT_Load_Char(FFace, character, loadFlags), 0);
        EXPECT_EQ(FT_Render_Glyph(FFace->glyph, FT_RENDER_MODE_MONO), 0);
        EXPECT_EQ(FFace->glyph->bitmap.pixel_mode, FT_PIXEL_MODE_MONO);
        for (int y = 0; y < int(FFace->glyph->bitmap.rows); ++y)
            for (int x = 0; x < int(FFace->glyph->bitmap.width); ++x)
                if (IsSetInBitmap(x, y)) {
                    FInkLeft = std::min(FInkLeft, FFace->glyph->bitmap_left + x);
                    FInkRight = std::max(FInkRight, FFace->glyph->bitmap_left + x + 1);
                }
    }
    ~TBareBilevelGlyph()
    {
        FT_Done_Face(FFace);
        FT_Done_FreeType(FLibrary);
    }

    int Advance() const { return static_cast<int>((FFace->glyph->advance.x + 32) >> 6); }
    // The box of the advance and the ink together, from the pen origin.
    int BoxLeft() const { return std::min(0, FInkLeft); }
    int BoxWidth() const { return std::max(Advance(), FInkRight) - BoxLeft(); }
    int InkPixels() const
    {
        int count = 0;
        for (int y = 0; y < int(FFace->glyph->bitmap.rows); ++y)
            for (int x = 0; x < int(FFace->glyph->bitmap.width); ++x)
                count += IsSetInBitmap(x, y);
        return count;
    }
    // X from the pen origin, Y from the cell top.
    bool IsSet(int x, int y) const
    {
        const FT_GlyphSlot slot = FFace->glyph;
        const int column = x - slot->bitmap_left;
        const int row = y - (FAscent - slot->bitmap_top);
        if (column < 0 || row < 0 || column >= int(slot->bitmap.width) || row >= int(slot->bitmap.rows))
            return false;
        return IsSetInBitmap(column, row);
    }

private:
    bool IsSetInBitmap(int column, int row) const
    {
        const FT_Bitmap& bitmap = FFace->glyph->bitmap;
        return (bitmap.buffer[row * bitmap.pitch + (column >> 3)] & (0x80 >> (column & 7))) != 0;
    }

    int FAscent;
    FT_Library FLibrary = nullptr;
    FT_Face FFace = nullptr;
    int FInkLeft = 0;
    int FInkRight = 0;
};

// Every ink pixel of FreeType's own bilevel rendering, also of ink left of the pen origin or
// right of the advance: overhanging letters and combining marks (advance 0, ink left of it).
TEST_F(GeneratorTest, CrispGlyphsHoldExactlyFreeTypesBilevelRendering)
{
    const std::pair<TRenderMode, FT_Int32> modes[] = {
        {TRenderMode::Mono, FT_LOAD_TARGET_MONO},
        {TRenderMode::MonoAuto, FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT},
    };
    // DejaVu Sans: Latin with J, j and f, Vietnamese tone marks and Hebrew points. Unifont:
    // the Thai, Arabic and Hebrew marks.
    const std::u16string latinAndHebrew = u"AMWgijmw@&%0158\u00C5\u00E9\u0416Jf\u0300\u0301\u0303\u0309\u0323"
                                          u"\u05B0\u05B4\u05B8\u05BC";
    const std::u16string thaiArabicHebrew = u"\u0E31\u0E34\u0E35\u0E36\u0E37\u0E38\u0E39\u0E3A\u0E47\u0E48\u0E49"
                                            u"\u0E4A\u0E4B\u0E4C\u0E4D\u0E4E\u0E33\u064B\u064C\u064D\u064E\u064F"
                                            u"\u0650\u0651\u0652\u05B0\u05B1\u05B7\u05BB\u05BC";
    const std::tuple<const char*, std::vector<int>, std::u16string> fonts[] = {
        {"DejaVu Sans", {8, 10, 16}, latinAndHebrew},
        {"Unifont", {12}, thaiArabicHebrew},
    };
    for (const auto& [family, sizes, characters] : fonts) {
        for (const auto& [mode, loadFlags] : modes) {
            for (const int points : sizes) {
                TGenerationOptions options = PlainOptions();
                options.FontName = family;
                options.FontSize = points;
                options.RenderMode = mode;
                options.MinHeight = 40; // room for marks beyond the line height
                const auto face = Engine.OpenFont(PrimaryFontRequest(options));
                const int top = (options.MinHeight - face->Ascent() - face->Descent()) / 2;
                Generate(options, characters, *face);
                for (size_t k = 0; k < characters.size(); ++k) {
                    const TBareBilevelGlyph bare(*face, loadFlags, characters[k]);
                    const TGlyphBitmap& glyph = Glyph(static_cast<int>(k));
                    const std::string where = StrFormat("%s %d %dpt U+%04X", family, int(mode), points, characters[k]);
                    ASSERT_EQ(glyph.Width(), bare.BoxWidth()) << where;
                    ASSERT_EQ(glyph.Height(), options.MinHeight);
                    ASSERT_GT(bare.InkPixels(), 0) << where;
                    for (int y = 0; y < glyph.Height(); ++y)
                        for (int x = 0; x < glyph.Width(); ++x)
                            ASSERT_EQ(glyph.Pixel(x, y) == 3, bare.IsSet(x + bare.BoxLeft(), y - top))
                                << where << " at " << x << "," << y;
                    ASSERT_EQ(CountValue(glyph, 3), bare.InkPixels()) << where;
                }
            }
        }
    }
}

TEST_F(GeneratorTest, MarksTooThinForTheInkLevelStillShowInSmooth)
{
    // At 8 and 9 points these marks cover no pixel by half; each keeps its most covered pixels.
    const std::pair<const char*, std::u16string> fonts[] = {
        {"Noto Sans Hebrew", u"\u05B0\u05B1\u05B2\u05B3\u05B4\u05B5\u05B6\u05B7\u05B8\u05B9\u05BB\u05BC"},
        {"Noto Naskh Arabic", u"\u064B\u064C\u064D\u064E\u064F\u0650\u0651\u0652"},
        {"Noto Sans Thai", u"\u0E31\u0E34\u0E35\u0E36\u0E37\u0E38\u0E39\u0E3A\u0E47\u0E48\u0E49\u0E4A\u0E4B\u0E4C\u0E4D\u0E4E"},
        {"DejaVu Sans", u"\u0650\u2223"},
    };
    for (const auto& [family, characters] : fonts) {
        for (const int points : {8, 9}) {
            TGenerationOptions options = PlainOptions();
            options.FontName = family;
            options.FontSize = points;
            options.MinHeight = 40;
            const auto face = Engine.OpenFont(PrimaryFontRequest(options));
            Generate(options, characters, *face);
            for (size_t k = 0; k < characters.size(); ++k)
                EXPECT_GT(CountValue(Glyph(static_cast<int>(k)), 3), 0)
                    << StrFormat("%s %dpt U+%04X", family, points, characters[k]);
        }
    }
}

// The lowest row holding ink, -1 for none.
int LastInkRow(const TGlyphBitmap& glyph)
{
    for (int y = glyph.Height() - 1; y >= 0; --y)
        for (int x = 0; x < glyph.Width(); ++x)
            if (glyph.Pixel(x, y) == 3)
                return y;
    return -1;
}

TEST_F(GeneratorTest, InkTheCellCutsIsNamedPerGlyph)
{
    // Vietnamese capitals with stacked marks lose their top row in DejaVu Sans 9 pt; the others fit.
    const std::u16string capitals = u"\u1EA8\u1EAA\u1EAE\u1EB0\u1EB2\u1EB4\u1EC2\u1EC4\u1ED4\u1ED6"
                                    u"A\u00C2\u1EA0\u1EA4\u1EAC\u1EC6\u1ED8\u0110\u01A0\u01AF";
    const auto small = Engine.OpenFont({"DejaVu Sans", 9, 0});
    TGenerationOptions options;
    TGlyphGenerator generator = Generate(options, capitals, *small);
    std::vector<TClippedGlyph> expected;
    for (int code = 0; code < 10; ++code)
        expected.push_back({code, capitals[static_cast<size_t>(code)], {1, 0}});
    EXPECT_EQ(generator.Stats().FClipped, expected);

    // A bottom cut that takes the descender counts at the bottom; a blank glyph of rule E counts not.
    options.BottomCutOn = true;
    options.BottomCut = 5;
    options.TryFont2 = false;
    generator = Generate(options, u"g\u0E01", *small);
    ASSERT_EQ(generator.Stats().FClipped.size(), 1u);
    EXPECT_EQ(generator.Stats().FClipped[0].Code, 0);
    EXPECT_EQ(generator.Stats().FClipped[0].Rows.Top, 0);
    EXPECT_GT(generator.Stats().FClipped[0].Rows.Bottom, 0);
}

TEST_F(GeneratorTest, SecondaryFontSitsOnThePrimarysBaselineAndShiftsAlone)
{
    // Crisp, so that the tapered foot of the alef is ink at this size.
    const auto naskh = Engine.OpenFont({"Noto Naskh Arabic", 12, 0, {TRenderMode::Mono}});
    const auto dejaVu = Engine.OpenFont({"DejaVu Sans", 12, 0, {TRenderMode::Mono}});
    const std::u16string text = u"\u0627H"; // alef from Noto Naskh Arabic, H from DejaVu Sans
    std::copy(text.begin(), text.end(), Table.begin());
    const auto generate = [&](const TGenerationOptions& options) {
        TGlyphGenerator generator(options, Table, 1, {naskh.get(), dejaVu.get(), naskh->Coverage(), dejaVu->Coverage()});
        generator.GenerateFont(Store);
        EXPECT_EQ(generator.Sources()[1], TGlyphSource::Secondary);
        return std::pair(Glyph(0), Glyph(1));
    };
    TGenerationOptions options;
    const auto [centredAlef, centredH] = generate(options);
    EXPECT_NE(LastInkRow(centredAlef), LastInkRow(centredH));

    options.Align2 = TSecondaryBaseline::Primary;
    const auto [alef, h] = generate(options);
    EXPECT_EQ(LastInkRow(alef), LastInkRow(h));
    EXPECT_EQ(alef.Bits(), centredAlef.Bits());

    options.Shift2 = -2;
    const auto [shiftedAlef, lowerH] = generate(options);
    EXPECT_EQ(shiftedAlef.Bits(), alef.Bits());
    EXPECT_EQ(LastInkRow(lowerH), LastInkRow(h) + 2);
    options.Shift = 1;
    EXPECT_EQ(LastInkRow(generate(options).first), LastInkRow(alef) - 1);
}

TEST_F(GeneratorTest, ArabicFormsTheMapLacksAreShapedByTheFontAndStayJoined)
{
    TGenerationOptions options = PlainOptions();
    options.FontName = "Noto Kufi Arabic";
    options.FontSize = 12;
    options.ShapeArabic = true;
    const auto kufi = Engine.OpenFont(PrimaryFontRequest(options));
    // FE80..FEFC, then the letters of the isolated forms FE8D (alef) and FEE1 (meem).
    std::u16string text;
    for (char16_t code = 0xFE80; code <= 0xFEFC; ++code)
        text += code;
    text += u"\u0627\u0645";
    ASSERT_FALSE(kufi->MapsCharacter(0xFE80));
    TGlyphGenerator generator = Generate(options, text, *kufi);
    for (size_t k = 0; k < text.size(); ++k)
        ASSERT_EQ(generator.Sources()[k], TGlyphSource::Primary) << std::hex << int(text[k]);
    // An isolated form is its letter's own glyph; the joining forms of a letter all differ.
    EXPECT_EQ(Glyph(0xFE8D - 0xFE80).Bits(), Glyph(0x7D).Bits());
    EXPECT_EQ(Glyph(0xFEE1 - 0xFE80).Bits(), Glyph(0x7E).Bits());
    for (int form = 1; form < 4; ++form)
        EXPECT_NE(Glyph(0xFEE1 - 0xFE80 + form).Bits(), Glyph(0xFEE1 - 0xFE80).Bits()) << form;

    // With the default width rules a medial form's ink meets both edges, an initial one's the
    // left (the right margin stays) and a final one's the right.
    TGenerationOptions widths;
    widths.FontName = options.FontName;
    widths.FontSize = options.FontSize;
    widths.ShapeArabic = true;
    generator = Generate(widths, u"\uFE92\uFE91\uFE90", *Engine.OpenFont(PrimaryFontRequest(widths)));
    const auto inkAt = [this](int code, int x) {
        const TGlyphBitmap& glyph = Glyph(code);
        for (int y = 0; y < glyph.Height(); ++y)
            if (glyph.Pixel(x, y) == 3)
                return true;
        return false;
    };
    EXPECT_TRUE(inkAt(0, 0));
    EXPECT_TRUE(inkAt(0, Glyph(0).Width() - 1));
    EXPECT_TRUE(inkAt(1, 0));
    EXPECT_FALSE(inkAt(1, Glyph(1).Width() - 1));
    EXPECT_TRUE(inkAt(2, Glyph(2).Width() - 1));
    // The fixed-width type keeps one width for every glyph, joined or not.
    widths.FontType = ftTwoColorFixed;
    widths.MinWidth = 16;
    generator = Generate(widths, u"\uFE92\uFE91\uFE90", *Engine.OpenFont(PrimaryFontRequest(widths)));
    for (int code = 0; code < 3; ++code)
        EXPECT_EQ(Glyph(code).Width(), 16) << code;
}

TEST_F(GeneratorTest, ControlCharactersAreNeverDrawn)
{
    // Unifont, the secondary font, maps the controls to pictures of their names.
    const std::u16string text = u"\u0001\u001F\u007F\u0085\u009FA";
    TGenerationOptions options;
    TGlyphGenerator generator = Generate(options, text, *DejaVu);
    for (int code = 0; code < 5; ++code) {
        EXPECT_EQ(generator.Sources()[static_cast<size_t>(code)], TGlyphSource::NotCovered) << code;
        EXPECT_EQ(Glyph(code).Width(), 0) << code;
    }
    EXPECT_GT(Glyph(5).Width(), 0);
    options.FontType = ftTwoColorFixed;
    options.MinWidth = 20;
    Generate(options, text, *DejaVu);
    EXPECT_EQ(Glyph(0).Width(), 20);
    EXPECT_EQ(CountValue(Glyph(0), 1), 0);
}

// A Windows-1252-like table of 256 codes, written here so the golden file depends on nothing else.
std::string Write1252Table()
{
    static const uint16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    const std::string path = (std::filesystem::temp_directory_path() / "generator_test_1252.ini").string();
    std::ofstream ini(path, std::ios::binary);
    ini << "[1]\nDescription=Western\nMAX=0xFF\n";
    for (int k = 0; k < 32; ++k)
        ini << "0x" << std::hex << (0x80 + k) << "=0x" << high[k] << "\n";
    return path;
}

// Regenerate with GLYPHFORGE_UPDATE_GOLDEN=1 (see tests/data/golden/regenerate.sh). The bytes
// depend on the FreeType version (Debian 12: 2.12.1) and the installed DejaVu and Unifont.
TEST_F(GeneratorTest, GoldenWestern256WithDejaVuSans)
{
    TConversionTable table;
    const std::string ini = Write1252Table();
    table.LoadTableFile(ini);
    table.LoadTableSection(1);
    std::filesystem::remove(ini);
    ASSERT_EQ(table.LastCharIndex(), 255);

    TGenerationOptions options;
    options.FontType = ftFourColorNew;
    TGlyphGenerator generator(options, table.CharUnicode(), table.LastCharIndex(), Fonts(*DejaVu));
    generator.GenerateFont(Store);
    const std::vector<uint8_t> bytes = FileBytes(Store, options);

    const std::string golden = GLYPHFORGE_TEST_DATA "/golden/dejavu_sans_16_western.mtf";
    if (std::getenv("GLYPHFORGE_UPDATE_GOLDEN"))
        WriteFileAtomically(golden, bytes);
    EXPECT_EQ(bytes, ReadWholeFile(golden));
}

// Every BMP character of DejaVu Sans, the work of the generation benchmark and of a typical
// run of the command line, so that no speed-up changes a byte of a real font. The hashes are
// those of the fonts the tool makes (FreeType 2.12.1, DejaVu 2.37); they changed last when the
// glyphs with ink beyond their advance, combining marks among them, kept it.
TEST_F(GeneratorTest, GoldenEveryBmpCharacterOfDejaVuSans)
{
    std::vector<uint16_t> table;
    for (const TUnicodeRange& range : DejaVu->Coverage())
        for (uint32_t code = range.First; code <= range.Last; ++code)
            table.push_back(static_cast<uint16_t>(code));
    ASSERT_EQ(table.size(), 5370u);

    TGenerationOptions plain;
    plain.TryFont2 = false;
    TGenerationOptions outlined = plain;
    outlined.FontType = ftFourColorNew;
    outlined.Outline = 2;
    outlined.TopCutOn = true;
    outlined.TopCut = 2;
    outlined.BottomCutOn = true;
    outlined.BottomCut = 1;
    outlined.WidthDivOn = true;
    outlined.WidthDiv = 4;
    const std::pair<TGenerationOptions, const char*> cases[] = {
        {plain, "ee1df6851b711f603cd462d625bfadbe9dc747aadf564f2817dd926c0618e111"},
        {outlined, "1a0ebf2ee397e033ef5ac2140d8307875bf88e6e82d16c5175c39a2ef678fe69"},
    };
    for (const auto& [options, hash] : cases) {
        TGlyphGenerator generator(options, table, static_cast<int32_t>(table.size()) - 1, Fonts(*DejaVu));
        generator.GenerateFont(Store);
        const std::vector<uint8_t> bytes = FileBytes(Store, options);
        const QByteArray digest = QCryptographicHash::hash(
            QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Sha256);
        EXPECT_EQ(digest.toHex().toStdString(), hash) << "type " << options.FontType;
    }
}

} // namespace

TEST_F(GeneratorTest, SmallerGlyphsDoNotKeepTheMemoryOfLargerOnes)
{
    // Each glyph is drawn in the memory of the one it replaces: after a large size, a small one
    // must not hold on to the large glyphs' memory.
    const std::shared_ptr<const TFontFace> large = Engine.OpenFont({"DejaVu Sans", 96, 0});
    Generate(PlainOptions(), u"ABCW", *large);
    Generate(PlainOptions(), u"ABCW", *DejaVu);
    for (int code = 0; code < 4; ++code)
        EXPECT_LE(Glyph(code).Bits().capacity(), 2 * Glyph(code).Bits().size() + 256) << code;
}
