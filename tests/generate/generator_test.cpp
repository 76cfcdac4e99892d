#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include <QCryptographicHash>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "font/FileIo.h"
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
    }
    ~TBareBilevelGlyph()
    {
        FT_Done_Face(FFace);
        FT_Done_FreeType(FLibrary);
    }

    int Advance() const { return static_cast<int>((FFace->glyph->advance.x + 32) >> 6); }
    bool IsSet(int x, int y) const
    {
        const FT_GlyphSlot slot = FFace->glyph;
        const int column = x - slot->bitmap_left;
        const int row = y - (FAscent - slot->bitmap_top);
        if (column < 0 || row < 0 || column >= int(slot->bitmap.width) || row >= int(slot->bitmap.rows))
            return false;
        return (slot->bitmap.buffer[row * slot->bitmap.pitch + (column >> 3)] & (0x80 >> (column & 7))) != 0;
    }

private:
    int FAscent;
    FT_Library FLibrary = nullptr;
    FT_Face FFace = nullptr;
};

TEST_F(GeneratorTest, CrispGlyphsHoldExactlyFreeTypesBilevelRendering)
{
    const std::u16string characters = u"AMWgijmw@&%0158\u00C5\u00E9\u0416";
    const std::pair<TRenderMode, FT_Int32> modes[] = {
        {TRenderMode::Mono, FT_LOAD_TARGET_MONO},
        {TRenderMode::MonoAuto, FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT},
    };
    for (const auto& [mode, loadFlags] : modes) {
        for (const int points : {8, 10, 16}) {
            TGenerationOptions options = PlainOptions();
            options.FontName = "DejaVu Sans";
            options.FontSize = points;
            options.RenderMode = mode;
            const auto face = Engine.OpenFont(PrimaryFontRequest(options));
            Generate(options, characters, *face);
            for (size_t k = 0; k < characters.size(); ++k) {
                const TBareBilevelGlyph bare(*face, loadFlags, characters[k]);
                const TGlyphBitmap& glyph = Glyph(static_cast<int>(k));
                ASSERT_EQ(glyph.Width(), bare.Advance()) << int(mode) << " " << points << "pt #" << k;
                ASSERT_EQ(glyph.Height(), face->Ascent() + face->Descent());
                for (int y = 0; y < glyph.Height(); ++y)
                    for (int x = 0; x < glyph.Width(); ++x)
                        ASSERT_EQ(glyph.Pixel(x, y) == 3, bare.IsSet(x, y))
                            << int(mode) << " " << points << "pt #" << k << " at " << x << "," << y;
            }
        }
    }
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
// those of the fonts the tool made before (FreeType 2.12.1, DejaVu 2.37).
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
        {plain, "b0d8bc26ebcb1e6e5e50db79e4b5095b3a295d85f98416a0fe699c3b52453672"},
        {outlined, "149aaf05aa082e1dbb75e6d36b3df382d31c499b0513f9f86e7051c27d44dfc5"},
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
