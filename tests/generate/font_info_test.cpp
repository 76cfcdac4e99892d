#include <gtest/gtest.h>
#include <tuple>

#include <QFile>

#include "font/Errors.h"
#include "generate/FontInfo.h"

namespace {

using TBytes = std::vector<uint8_t>;

TGenerationOptions ArialOptions()
{
    TGenerationOptions options;
    options.FontName = "Arial";
    options.FontSize = 12;
    options.FontStyle = fsBold;
    options.Font2Name = "Arial Unicode MS";
    return options;
}

TBytes Bytes(const std::string& text)
{
    return TBytes(text.begin(), text.end());
}

TBytes Concat(std::initializer_list<TBytes> parts)
{
    TBytes all;
    for (const TBytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(FontInfoTest, CurrentBlockLayout)
{
    TGenerationOptions options = ArialOptions();
    options.Outline = 1;
    options.TopCut = 3; // off, but stored
    options.Font2Size = 14;
    options.Font2Style = fsItalic | fsUnderline;
    options.Outline2 = 2;
    options.WidthDiv = 5;
    const TByteArray block = BuildFontInfo(options);

    ASSERT_EQ(block.size(), 28u + 5 + 16);
    EXPECT_EQ(std::string(block.begin(), block.begin() + 10), "[FONT_INFO");
    const TBytes optionBlock(block.begin() + 10, block.begin() + 25);
    EXPECT_EQ(optionBlock, (TBytes{3, 12, 0x01, 1, 0x01 | 0x02 | 0x04 | 0x20, 2, 8, 2, 3, 1, 16, 14, 0x06, 2, 5}));
    EXPECT_EQ(block[25], 5);
    EXPECT_EQ(std::string(block.begin() + 26, block.begin() + 31), "Arial");
    EXPECT_EQ(block[31], 16);
    EXPECT_EQ(std::string(block.begin() + 32, block.begin() + 48), "Arial Unicode MS");
    EXPECT_EQ(block.back(), ']');
}

TEST(FontInfoTest, FlagsFollowTheRulesAndTheEffectiveMinusRule)
{
    TGenerationOptions options = ArialOptions();
    options.SameWidthNumbers = false;
    options.MinusSameWidth = true;
    EXPECT_EQ(BuildFontInfo(options)[14], 0x01 | 0x20);

    options.CutLeftRight = false;
    options.RightMarginOn = false;
    options.TopCutOn = true;
    options.BottomCutOn = true;
    options.WidthDivOn = true;
    options.DisplayInvalidChars = true;
    EXPECT_EQ(BuildFontInfo(options)[14], 0x08 | 0x10 | 0x40 | 0x80);
}

TEST(FontInfoTest, OutOfByteRangeIsRefused)
{
    TGenerationOptions options = ArialOptions();
    options.FontSize = 255;
    EXPECT_EQ(BuildFontInfo(options)[11], 255);
    options.FontSize = 256;
    EXPECT_THROW(BuildFontInfo(options), ERangeError);
    options.FontSize = 12;
    options.Font2Size = -1;
    EXPECT_THROW(BuildFontInfo(options), ERangeError);
    options.Font2Size = 14;
    options.Font2Name = std::string(255, 'x');
    EXPECT_EQ(BuildFontInfo(options).size(), 28u + 5 + 255);
    options.Font2Name = std::string(256, 'x');
    try {
        BuildFontInfo(options);
        FAIL() << "a 256-byte name was stored";
    } catch (const ERangeError& error) {
        EXPECT_STREQ(error.what(), "Range check error");
    }
}

TEST(FontInfoTest, StyleBitsRoundTripAndIgnoreUnknownBits)
{
    for (TFontStyles styles = 0; styles < 16; ++styles)
        EXPECT_EQ(BitsToStyle(StyleToBits(styles)), styles);
    EXPECT_EQ(BitsToStyle(0xF3), fsBold | fsItalic);
}

TEST(FontInfoTest, ReadsBackWhatWasBuiltFromTheMiddleOfAFile)
{
    const TGenerationOptions options = ArialOptions();
    const TByteArray block = BuildFontInfo(options);
    const TBytes file = Concat({TBytes(300, 0xAA), Bytes("[GlyphForgeTool 0.6.4]"), block, TBytes(3, 0)});
    const TFontInfoBlock info = ReadFontInfo(file);
    ASSERT_TRUE(info.Found);
    EXPECT_EQ(info.Version(), 3);
    EXPECT_TRUE(std::equal(info.Block.begin(), info.Block.end(), block.begin() + 10));
    EXPECT_EQ(info.FontName, "Arial");
    EXPECT_EQ(info.Font2Name, "Arial Unicode MS");
}

TEST(FontInfoTest, FirstMarkerWinsAndNoMarkerIsNotFound)
{
    TGenerationOptions second = ArialOptions();
    second.FontName = "Second";
    const TBytes file = Concat({BuildFontInfo(ArialOptions()), BuildFontInfo(second)});
    EXPECT_EQ(ReadFontInfo(file).FontName, "Arial");
    EXPECT_FALSE(ReadFontInfo(Bytes("[FONT_INF0 no marker here")).Found);
    EXPECT_FALSE(ReadFontInfo(TBytes{}).Found);
}

TEST(FontInfoTest, VersionOneIsCompletedFromThePrimaryFont)
{
    const TBytes file = Concat({Bytes("[FONT_INFO"), TBytes{1, 20, 0x03, 2, 0x25, 4, 6, 3, 2, 1}, TBytes{5},
                                Bytes("Arial"), Bytes("]")});
    const TFontInfoBlock info = ReadFontInfo(file);
    ASSERT_TRUE(info.Found);
    EXPECT_EQ(info.Version(), 1);
    const TBytes expected{1, 20, 0x03, 2, 0x25, 4, 6, 3, 2, 1, 16, 20, 0x03, 2, 4};
    EXPECT_TRUE(std::equal(info.Block.begin(), info.Block.end(), expected.begin()));
    EXPECT_EQ(info.FontName, "Arial");
    EXPECT_EQ(info.Font2Name, "Arial");
}

TEST(FontInfoTest, VersionTwoGetsTheDefaultDivisor)
{
    const TBytes file = Concat({Bytes("[FONT_INFO"), TBytes{2, 12, 0, 0, 0x01, 2, 8, 2, 1, 1, 18, 9, 0x02, 1},
                                TBytes{1}, Bytes("A"), TBytes{2}, Bytes("BC"), Bytes("]")});
    const TFontInfoBlock info = ReadFontInfo(file);
    EXPECT_EQ(info.Version(), 2);
    EXPECT_EQ(info.Block[fiMinHeight], 18);
    EXPECT_EQ(info.Block[fiFont2Size], 9);
    EXPECT_EQ(info.Block[fiOutline2], 1);
    EXPECT_EQ(info.Block[fiWidthDiv], 4);
    EXPECT_EQ(info.FontName, "A");
    EXPECT_EQ(info.Font2Name, "BC");
}

TEST(FontInfoTest, UnknownVersionsReadAsTheCurrentLayout)
{
    for (uint8_t version : {0, 4, 255}) {
        TByteArray block = BuildFontInfo(ArialOptions());
        block[10] = version;
        const TFontInfoBlock info = ReadFontInfo(block);
        EXPECT_EQ(info.Version(), 3);
        EXPECT_EQ(info.Block[fiVersion], version);
        EXPECT_EQ(info.Block[fiWidthDiv], 4);
        EXPECT_EQ(info.Font2Name, "Arial Unicode MS");
    }
}

TEST(FontInfoTest, TruncatedBlocksReadMissingBytesAsZeroAndCutNames)
{
    const TByteArray block = BuildFontInfo(ArialOptions());
    for (size_t length = 10; length < block.size(); ++length) {
        // A copy of exactly the truncated size, so reading past it shows up under sanitizers.
        const TBytes truncated(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(length));
        const TFontInfoBlock info = ReadFontInfo(truncated);
        ASSERT_TRUE(info.Found) << length;
        for (size_t i = 0; i < FontInfoOptionBlockSize; ++i)
            EXPECT_EQ(info.Block[i], 10 + i < length ? block[10 + i] : 0) << length << " byte " << i;
        EXPECT_LE(info.FontName.size(), 5u);
        EXPECT_EQ(info.FontName, std::string("Arial").substr(0, length > 26 ? length - 26 : 0));
        EXPECT_LE(info.Font2Name.size(), 16u);
    }
}

TEST(FontInfoTest, NamesRunningPastTheEndAreCut)
{
    const TBytes file = Concat({Bytes("[FONT_INFO"), TBytes(15, 3), TBytes{200}, Bytes("Short")});
    const TFontInfoBlock info = ReadFontInfo(file);
    EXPECT_EQ(info.FontName, "Short");
    EXPECT_EQ(info.Font2Name, "");
}

TEST(FontInfoTest, RenderingRecordFollowsTheUnchangedBlock)
{
    TGenerationOptions options = ArialOptions();
    options.Ink = 90;
    options.RenderMode2 = TRenderMode::MonoAuto;
    const TByteArray plain = BuildFontInfo(ArialOptions());
    const TByteArray block = BuildFontInfo(options);
    // A reader that stops at the block's "]" sees the same bytes as for default rendering.
    ASSERT_EQ(block.size(), plain.size() + 15);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), block.begin()));
    EXPECT_EQ(TBytes(block.begin() + static_cast<std::ptrdiff_t>(plain.size()), block.end()),
              Concat({Bytes("[RENDERING"), TBytes{0, 90, 2, 128}, Bytes("]")}));

    const TFontInfoBlock info = ReadFontInfo(Concat({Bytes("[GlyphForgeTool 0.6.4]"), block, TBytes(2, 0)}));
    EXPECT_TRUE(info.HasRendering);
    EXPECT_EQ(info.Rendering, options.Rendering());
    EXPECT_EQ(info.Rendering2, options.Rendering2());
    EXPECT_EQ(info.Font2Name, "Arial Unicode MS");
}

TEST(FontInfoTest, RenderingRecordCountsOnlyWholeAndRightAfterTheBlock)
{
    // A block as saved before rendering could be chosen, with the writer's zero padding.
    const TFontInfoBlock old = ReadFontInfo(Concat({BuildFontInfo(ArialOptions()), TBytes(3, 0)}));
    EXPECT_TRUE(old.Found);
    EXPECT_FALSE(old.HasRendering);
    EXPECT_TRUE(old.Rendering.IsDefault() && old.Rendering2.IsDefault());

    TGenerationOptions options = ArialOptions();
    options.RenderMode = TRenderMode::Light;
    const TByteArray block = BuildFontInfo(options);
    const size_t recordAt = block.size() - 15;
    for (size_t length = recordAt; length < block.size(); ++length)
        EXPECT_FALSE(ReadFontInfo(TBytes(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(length))).HasRendering)
            << length;
    TBytes gap = block;
    gap.insert(gap.begin() + static_cast<std::ptrdiff_t>(recordAt), 0);
    EXPECT_FALSE(ReadFontInfo(gap).HasRendering);

    // Values no control can hold come back as the nearest ones the controls take.
    TBytes odd = block;
    odd[recordAt + 10] = 9; // no such mode
    odd[recordAt + 11] = 0;
    const TFontInfoBlock read = ReadFontInfo(odd);
    ASSERT_TRUE(read.HasRendering);
    EXPECT_EQ(read.Rendering, (TRendering{TRenderMode::Smooth, 1}));
}

TEST(FontInfoTest, LayoutRecordFollowsTheRenderingRecordOrTheBlockAlone)
{
    TGenerationOptions options = ArialOptions();
    options.Shift = -3;
    options.Shift2 = 50;
    options.Align2 = TSecondaryBaseline::Primary;
    options.ShapeArabic = true;
    const TByteArray plain = BuildFontInfo(ArialOptions());
    const TByteArray block = BuildFontInfo(options);
    EXPECT_EQ(TBytes(block.begin() + static_cast<std::ptrdiff_t>(plain.size()), block.end()),
              Concat({Bytes("[LAYOUT"), TBytes{0xFD, 50, 1, 1}, Bytes("]")}));
    TFontInfoBlock info = ReadFontInfo(Concat({block, TBytes(1, 0)}));
    EXPECT_TRUE(info.HasLayout);
    EXPECT_EQ(std::tuple(info.Shift, info.Shift2, info.Align2, info.ShapeArabic),
              std::tuple(-3, 50, TSecondaryBaseline::Primary, true));

    options.RenderMode = TRenderMode::Mono;
    info = ReadFontInfo(BuildFontInfo(options));
    EXPECT_TRUE(info.HasRendering && info.HasLayout);
    EXPECT_EQ(info.Shift, -3);
    EXPECT_FALSE(ReadFontInfo(plain).HasLayout);
}

TEST(FontInfoTest, ReadsFilesAndReportsMissingOnes)
{
    const std::string name = testing::TempDir() + "/options_font_info.mtf";
    const TBytes data = Concat({TBytes(40, 0), BuildFontInfo(ArialOptions())});
    QFile file(QString::fromStdString(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(data.data()), static_cast<qint64>(data.size()));
    file.close();
    EXPECT_EQ(ReadFontInfo(name).Font2Name, "Arial Unicode MS");
    QFile::remove(QString::fromStdString(name));
    EXPECT_THROW(ReadFontInfo(name), EFOpenError);
}

} // namespace
