#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "font/Errors.h"
#include "generate/FontCatalog.h"
#include "generate/FontCoverage.h"
#include "generate/FontEngine.h"

namespace {

constexpr uint16_t ThaiKoKai = 0x0E01; // in Unifont, not in DejaVu Sans

class EngineFontTest : public ::testing::Test {
protected:
    TFontEngine Engine;
    std::shared_ptr<const TFontFace> DejaVu = Engine.OpenFont({"DejaVu Sans", 16, 0});
    std::shared_ptr<const TFontFace> Unifont = Engine.OpenFont({"Unifont", 12, 0});
};

int CountValue(const TGlyphBitmap& bitmap, uint8_t value)
{
    return static_cast<int>(std::count(bitmap.Bits().begin(), bitmap.Bits().end(), value));
}

TGlyphBitmap Draw(const TFontFace& face, uint16_t character)
{
    TGlyphBitmap bitmap(face.TextWidthW(character), face.TextHeightW(character), TPaletteKind::FourColor, 0);
    face.TextOutW(bitmap, 0, 0, character, 3, 1);
    return bitmap;
}

TEST(EngineCatalogTest, FamiliesAreSortedUniqueAndHoldTheTestFonts)
{
    const std::vector<std::string> families = TFontEngine::Families();
    EXPECT_TRUE(std::is_sorted(families.begin(), families.end()));
    EXPECT_EQ(std::adjacent_find(families.begin(), families.end()), families.end());
    EXPECT_NE(std::find(families.begin(), families.end(), "DejaVu Sans"), families.end());
    EXPECT_NE(std::find(families.begin(), families.end(), "Unifont"), families.end());
}

// Without Arial Narrow the primary font is the desktop's own sans-serif, which depends on the
// fonts installed (DejaVu Sans, or Noto Sans once that is there): a Latin text face, not the
// fallback font.
TEST(EngineCatalogTest, DefaultsFallBackToTheInstalledFonts)
{
    const std::string primary = DefaultPrimaryFamily();
    EXPECT_TRUE(primary == "DejaVu Sans" || primary == "Noto Sans") << primary;
    EXPECT_EQ(primary, MatchedFamily("sans-serif"));
    const TDefaultFont secondary = DefaultSecondaryFont();
    EXPECT_EQ(secondary.Family, "Unifont");
    EXPECT_EQ(secondary.SizePoints, 12);
}

TEST(EngineCatalogTest, PointsBecomeWholePixelsAt96Dpi)
{
    EXPECT_EQ(PointsToPixels(12), 16);
    EXPECT_EQ(PointsToPixels(16), 21); // 21.33
    EXPECT_EQ(PointsToPixels(8), 11);  // 10.67
    EXPECT_EQ(PointsToPixels(1), 1);
}

TEST_F(EngineFontTest, UnknownFamilyAndUnreadableFileAreRefused)
{
    EXPECT_THROW(Engine.OpenFont({"No Such Family 1234", 12, 0}), EGlyphForgeError);
    EXPECT_THROW(Engine.OpenFont({GLYPHFORGE_SOURCE_DIR "/CMakeLists.txt", 12, 0}), EFOpenError);
}

TEST_F(EngineFontTest, AFamilyIsTakenAsAFileOnlyWhenItsNameLooksLikeOne)
{
    EXPECT_TRUE(IsFontFileName("fonts/Narrow"));
    EXPECT_TRUE(IsFontFileName("Narrow Bold.TTF"));
    EXPECT_FALSE(IsFontFileName("DejaVu Sans"));

    // An empty file named like the family in the current folder must not stand in for it.
    const std::filesystem::path home = std::filesystem::current_path();
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "family-named-file";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    std::ofstream("DejaVu Sans").close();
    EXPECT_NO_THROW(Engine.OpenFont({"DejaVu Sans", 11, 0}));
    std::filesystem::current_path(home);
    std::filesystem::remove_all(folder);
}

TEST_F(EngineFontTest, CellHeightIsAscentPlusDescentForEveryCharacter)
{
    // DejaVu Sans: usWinAscent 1901, usWinDescent 483 of 2048 units at 21 px, each rounded up.
    EXPECT_EQ(DejaVu->Ascent(), 20);
    EXPECT_EQ(DejaVu->Descent(), 5);
    for (const uint16_t c : std::initializer_list<uint16_t>{0x41, 0x67, 0x20, 0xC9, ThaiKoKai, 0xD800})
        EXPECT_EQ(DejaVu->TextHeightW(c), 25) << c;
    EXPECT_EQ(Unifont->TextHeightW(u'A'), 16);
    EXPECT_EQ(Unifont->TextHeightW(0x4E00), 16);
}

TEST_F(EngineFontTest, AdvanceIsTheHintedWholePixelWidth)
{
    EXPECT_EQ(Unifont->TextWidthW(u'A'), 8);
    EXPECT_EQ(Unifont->TextWidthW(0x4E00), 16);
    EXPECT_LT(DejaVu->TextWidthW(u'i'), DejaVu->TextWidthW(u'W'));
    // The cell drawn is exactly the advance wide: no brush outside it.
    TGlyphBitmap bitmap(40, 25, TPaletteKind::FourColor, 0);
    DejaVu->TextOutW(bitmap, 0, 0, u' ', 3, 1);
    EXPECT_EQ(CountValue(bitmap, 1), DejaVu->TextWidthW(u' ') * 25);
}

TEST_F(EngineFontTest, InkIsOnlyFullyDecidedPixels)
{
    const TGlyphBitmap glyph = Draw(*DejaVu, u'A');
    EXPECT_GT(CountValue(glyph, 3), 20);
    EXPECT_EQ(CountValue(glyph, 3) + CountValue(glyph, 1), glyph.Width() * glyph.Height());
}

TEST_F(EngineFontTest, DrawingIsClippedAndMayStartOutsideTheBitmap)
{
    const TGlyphBitmap whole = Draw(*Unifont, u'A');
    TGlyphBitmap shifted(whole.Width() - 2, whole.Height() - 5, TPaletteKind::FourColor, 0);
    Unifont->TextOutW(shifted, -2, -5, u'A', 3, 1);
    for (int y = 0; y < shifted.Height(); ++y)
        for (int x = 0; x < shifted.Width(); ++x)
            ASSERT_EQ(shifted.Pixel(x, y), whole.Pixel(x + 2, y + 5)) << x << "," << y;
    TGlyphBitmap tiny(1, 1, TPaletteKind::FourColor, 0);
    Unifont->TextOutW(tiny, 30, 30, u'A', 3, 1);
    EXPECT_EQ(tiny.Pixel(0, 0), 0);
}

TEST_F(EngineFontTest, StylesUseRealFacesOrAreAddedByTheEngine)
{
    const auto dejaVuBold = Engine.OpenFont({"DejaVu Sans", 16, fsBold});
    EXPECT_NE(dejaVuBold->Spec().File.find("DejaVuSans-Bold.ttf"), std::string::npos);
    EXPECT_FALSE(dejaVuBold->SyntheticBold());

    const auto unifontBold = Engine.OpenFont({"Unifont", 12, fsBold});
    EXPECT_TRUE(unifontBold->SyntheticBold());
    EXPECT_GT(CountValue(Draw(*unifontBold, u'l'), 3), CountValue(Draw(*Unifont, u'l'), 3));

    const auto unifontItalic = Engine.OpenFont({"Unifont", 12, fsItalic});
    EXPECT_TRUE(unifontItalic->SyntheticItalic());
    EXPECT_NE(Draw(*unifontItalic, u'l'), Draw(*Unifont, u'l'));
}

TEST_F(EngineFontTest, UnderlineAndStrikeOutCrossTheWholeCell)
{
    for (const TFontStyles style : {TFontStyles{fsUnderline}, TFontStyles{fsStrikeOut}}) {
        const auto face = Engine.OpenFont({"DejaVu Sans", 16, style});
        const TGlyphBitmap space = Draw(*face, u' ');
        int fullRows = 0;
        for (int y = 0; y < space.Height(); ++y)
            fullRows += std::all_of(space.Row(y), space.Row(y) + space.Width(), [](uint8_t p) { return p == 3; });
        EXPECT_GE(fullRows, 1) << int(style);
        EXPECT_EQ(CountValue(space, 3), fullRows * space.Width()) << int(style);
    }
}

TEST_F(EngineFontTest, SameRequestGivesTheSameOpenFace)
{
    EXPECT_EQ(Engine.OpenFont({"DejaVu Sans", 16, 0}), DejaVu);
    EXPECT_NE(Engine.OpenFont({"DejaVu Sans", 17, 0}), DejaVu);
    EXPECT_EQ(Engine.OpenFont({DejaVu->Spec().File, 16, 0})->Spec().Key(), DejaVu->Spec().Key());

    // Each rendering draws differently; trying them all and going back finds the first one kept.
    const auto crisp = Engine.OpenFont({"DejaVu Sans", 16, 0, {TRenderMode::Mono}});
    EXPECT_NE(crisp, DejaVu);
    EXPECT_EQ(Engine.OpenFont({"DejaVu Sans", 16, 0, {TRenderMode::Mono, 40}}), crisp); // no threshold in two levels
    for (const TRenderMode mode : {TRenderMode::MonoAuto, TRenderMode::Light})
        EXPECT_NE(Engine.OpenFont({"DejaVu Sans", 16, 0, {mode}}), DejaVu);
    EXPECT_NE(Engine.OpenFont({"DejaVu Sans", 16, 0, {TRenderMode::Smooth, 127}}), DejaVu);
    EXPECT_EQ(Engine.OpenFont({"DejaVu Sans", 16, 0}), DejaVu);
    EXPECT_EQ(Engine.OpenFont({"Unifont", 12, 0}), Unifont);
}

TEST_F(EngineFontTest, LowerInkThresholdMakesGlyphsBolderInBothCoverageModes)
{
    for (const TRenderMode mode : {TRenderMode::Smooth, TRenderMode::Light}) {
        int previous = -1;
        for (const int ink : {230, 128, 30}) {
            const auto face = Engine.OpenFont({"DejaVu Sans", 10, 0, {mode, ink}});
            int inked = 0;
            for (const char16_t c : std::u16string(u"Hamburgefonstiv"))
                inked += CountValue(Draw(*face, c), 3);
            EXPECT_GT(inked, previous) << int(mode) << " ink " << ink;
            previous = inked;
        }
    }
}

TEST_F(EngineFontTest, CoverageComesFromTheCharacterMap)
{
    EXPECT_TRUE(RangesCover(DejaVu->Coverage(), u'A'));
    EXPECT_FALSE(RangesCover(DejaVu->Coverage(), ThaiKoKai));
    EXPECT_TRUE(RangesCover(Unifont->Coverage(), ThaiKoKai));
    const TAUCMinMax& ranges = DejaVu->Coverage();
    for (size_t k = 1; k < ranges.size(); ++k)
        EXPECT_GT(ranges[k].First, ranges[k - 1].Last + 1) << "ranges are merged and in charmap order";
}

TEST(EngineCoverageTest, ReportedRangesBecomeInclusiveSixteenBitRanges)
{
    const TReportedRange reported[] = {{0x0041, 26}, {0xFFF0, 16}, {0xFFF8, 10}};
    EXPECT_EQ(CoverageFromReport(reported),
              (TAUCMinMax{{0x0041, 0x005A}, {0xFFF0, 0xFFFF}, {0xFFF8, 0x0001}})); // the last one wraps
    EXPECT_EQ(CoverageFromReport({}), FullCoverage());
    const TReportedRange noGlyphs[] = {{0x0041, 0}};
    EXPECT_EQ(CoverageFromReport(noGlyphs), FullCoverage());

    const uint16_t codes[] = {0x20, 0x21, 0x22, 0x41, 0x43, 0x44};
    const std::vector<TReportedRange> merged = MergeCodePoints(codes);
    ASSERT_EQ(merged.size(), 3u);
    EXPECT_EQ(merged[0].GlyphCount, 3u);
    EXPECT_EQ(merged[2].First, 0x43);

    EXPECT_FALSE(RangesCover({}, 0x41));
    EXPECT_TRUE(RangesCover(FullCoverage(), 0xFFFF));
}

} // namespace
