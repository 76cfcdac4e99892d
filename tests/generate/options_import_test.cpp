#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "font/Errors.h"
#include "generate/FontInfo.h"
#include "generate/OptionsImport.h"
#include "generate/OptionsText.h"

namespace {

const std::vector<std::string> Faces = {"DejaVu Sans", "Arial", "Arial Narrow", "Arial Unicode MS", "Tahoma"};

const std::string ExampleName = "Arial Bold 12 [16 pix] [Spc 8] [CutLR MinWidth 2] [MinHeight 16] [SameWidthNums] "
                                "[SameWidthMinus] [RightMargin 2] [4Color VarW].mtf";

TImportedOptions Parse(const std::string& fileName)
{
    TImportedOptions imported;
    EXPECT_TRUE(ParseOptionsFileName(fileName, Faces, imported)) << fileName;
    return imported;
}

TGenerationOptions Applied(const TImportedOptions& imported, TGenerationOptions options = {})
{
    ApplyImportedToOptions(imported, options);
    return options;
}

// A file in the test folder with the given name and content; removed at the end of the test.
class TTempFile {
public:
    TTempFile(const std::string& name, const std::vector<uint8_t>& content)
        : FPath(testing::TempDir() + "/" + name)
    {
        QFile file(QString::fromStdString(FPath));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(content.data()), static_cast<qint64>(content.size()));
    }
    ~TTempFile() { QFile::remove(QString::fromStdString(FPath)); }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

TEST(OptionsImportHelpersTest, DigitsAndCaseInsensitiveLookup)
{
    EXPECT_FALSE(IsDigits(""));
    EXPECT_TRUE(IsDigits("0123456789"));
    EXPECT_FALSE(IsDigits("12a"));
    EXPECT_FALSE(IsDigits("-1"));
    EXPECT_EQ(IndexOfText(Faces, "ARIAL narrow"), 2);
    EXPECT_EQ(IndexOfText(Faces, "arial"), 1);
    EXPECT_EQ(IndexOfText(Faces, "Arial "), -1);
    EXPECT_EQ(IndexOfText({"\xc3\xa9t\xc3\xa9"}, "\xc3\x89T\xc3\x89"), -1); // ASCII letters only
    EXPECT_EQ(IndexOfText({}, ""), -1);
}

TEST(OptionsImportHelpersTest, FindOptionValueSearchRules)
{
    const std::string tail = " [Spc 8x] [CutLR MinWidth 2] MinHeight 16 [SameWidthNums] [TopCut ] Width4 [Big 2147483648] ";
    EXPECT_EQ(FindOptionValue(tail, "Spc", true), 8);
    EXPECT_EQ(FindOptionValue(tail, "CutLR MinWidth", true), 2);
    EXPECT_EQ(FindOptionValue(tail, "MinHeight", true), 16); // without bracket
    EXPECT_EQ(FindOptionValue(tail, "TopCut", true), -1);    // no digit
    EXPECT_EQ(FindOptionValue(tail, "RightMargin", true), -1);
    EXPECT_EQ(FindOptionValue(tail, "spc", true), -1); // case-sensitive
    EXPECT_EQ(FindOptionValue(tail, "SameWidthNums", false), 0);
    EXPECT_EQ(FindOptionValue(tail, "Width4", false), 0);
    EXPECT_EQ(FindOptionValue(tail, "SameWidthMinus", false), -1);
    EXPECT_EQ(FindOptionValue(" [Spc 2147483647] ", "Spc", true), 2147483647);
    EXPECT_EQ(FindOptionValue(" [Spc 00000000000000000007] ", "Spc", true), 7);
    try {
        FindOptionValue(tail, "Big", true);
        FAIL() << "overflow not reported";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'2147483648' is not a valid integer value");
    }
}

TEST(OptionsImportFileNameTest, ExampleNameRestoresEveryOption)
{
    const TImportedOptions imported = Parse("/some/folder/" + ExampleName);
    EXPECT_EQ(imported.FontName, "Arial");
    EXPECT_EQ(imported.FontSize, 12);
    EXPECT_EQ(imported.FontStyle, fsBold);
    EXPECT_EQ(imported.Source, 0);

    TGenerationOptions before;
    before.FontName = "Tahoma";
    before.FontType = ftTwoColorFixed;
    before.WidthDivOn = true;
    before.WidthDiv = 7;
    before.TopCutOn = true;
    before.Outline = 5;
    before.Font2Name = "Arial Unicode MS";
    before.Font2Size = 9;
    const TGenerationOptions options = Applied(imported, before);
    EXPECT_EQ(options.FontName, "Arial");
    EXPECT_EQ(options.FontSize, 12);
    EXPECT_EQ(options.FontStyle, fsBold);
    EXPECT_EQ(options.SpaceWidth, 8);
    EXPECT_TRUE(options.CutLeftRight);
    EXPECT_EQ(options.MinWidth, 2);
    EXPECT_EQ(options.MinHeight, 16);
    EXPECT_TRUE(options.SameWidthNumbers);
    EXPECT_TRUE(options.MinusSameWidth);
    EXPECT_TRUE(options.RightMarginOn);
    EXPECT_EQ(options.RightMargin, 2);
    EXPECT_FALSE(options.TopCutOn);
    EXPECT_FALSE(options.BottomCutOn);
    EXPECT_FALSE(options.WidthDivOn);
    EXPECT_EQ(options.WidthDiv, 4);
    EXPECT_EQ(options.Outline, 0);
    EXPECT_EQ(options.FontType, ftFourColorOld);
    EXPECT_EQ(options.Font2Name, "Arial Unicode MS"); // a file name never names the secondary font
    EXPECT_EQ(options.Font2Size, 9);
}

TEST(OptionsImportFileNameTest, TextBuiltFromOptionsReadsBackToTheSameText)
{
    TGenerationOptions options;
    options.FontName = "Arial Narrow";
    options.FontSize = 9;
    options.FontStyle = fsItalic | fsStrikeOut;
    options.Outline = 3;
    options.CutLeftRight = false;
    options.MinWidth = 7;
    options.SpaceWidth = 0;
    options.MinusSameWidth = false;
    options.RightMarginOn = false;
    options.TopCutOn = true;
    options.TopCut = 0;
    options.BottomCutOn = true;
    options.BottomCut = 4;
    options.MinHeight = 100;
    options.WidthDivOn = true;
    options.WidthDiv = 32;
    options.FontType = ftFourColorNew;
    options.RenderMode = TRenderMode::Light;
    options.Ink = 77;
    options.Shift = -4;
    options.ShapeArabic = true;
    options.Shift2 = 7;
    options.Align2 = TSecondaryBaseline::Primary;
    const std::string text = BuildOptionsText(options, 13);
    EXPECT_NE(text.find("[Ink 77] [Shift -4] [ShapeArabic] [Shift2 7] [Align2 Baseline] [MinHeight"), std::string::npos)
        << text;
    const TGenerationOptions restored = Applied(Parse(ProposedFontFileName(options, 13)));
    EXPECT_EQ(BuildOptionsText(restored, 13), text);
    EXPECT_EQ(restored.FontName, "Arial Narrow");
    EXPECT_EQ(restored.Shift2, 7);
}

TEST(OptionsImportFileNameTest, RenderingOfThePrimaryFontOnlyAndDefaultWhenNotNamed)
{
    TGenerationOptions before;
    before.RenderMode = TRenderMode::Light;
    before.Ink = 60;
    before.RenderMode2 = TRenderMode::Mono;
    const TGenerationOptions plain = Applied(Parse(ExampleName), before);
    EXPECT_TRUE(plain.Rendering().IsDefault());
    EXPECT_EQ(plain.RenderMode2, TRenderMode::Mono); // a file name never names the secondary font

    EXPECT_EQ(Applied(Parse("Arial 12 [16 pix] [Render mono-auto] [Ink 90].mtf")).Rendering(),
              (TRendering{TRenderMode::MonoAuto, 90}));
    EXPECT_EQ(Applied(Parse("Arial 12 [16 pix] [Render Sharp] [Ink 0].mtf")).Rendering(),
              (TRendering{TRenderMode::Smooth, 1}));
    EXPECT_EQ(Applied(Parse("Arial 12 (16 pix) Render LIGHT Ink 999.mtf")).Rendering(),
              (TRendering{TRenderMode::Light, 255}));
}

TEST(OptionsImportFileNameTest, HeadFindsFacesOfSeveralWordsAndIgnoresWordsBeforeThem)
{
    TImportedOptions imported = Parse("Copy of arial narrow Bold ITALIC 16 [20 pix] [Spc 8].mtf");
    EXPECT_EQ(imported.FontName, "Arial Narrow"); // the installed spelling
    EXPECT_EQ(imported.FontSize, 16);
    EXPECT_EQ(imported.FontStyle, fsBold | fsItalic);

    imported = Parse("Arial Unicode MS 14 [18 pix] [Spc 8].mtf");
    EXPECT_EQ(imported.FontName, "Arial Unicode MS");
    EXPECT_EQ(imported.FontStyle, 0);

    // Only the rightmost number is the size; a number that overflows is no size.
    imported = Parse("Tahoma 3 99999999999 [18 pix].mtf");
    EXPECT_EQ(imported.FontName, std::nullopt); // the overflowing word blocks the face
    EXPECT_EQ(imported.FontSize, std::nullopt);
    imported = Parse("Tahoma 7 12 [18 pix].mtf");
    EXPECT_EQ(imported.FontSize, 12);
    EXPECT_EQ(imported.FontName, std::nullopt); // "7" is no face, and grows into "Tahoma 7"
}

TEST(OptionsImportFileNameTest, UnknownFaceKeepsTheCurrentOneButTakesStyleAndSize)
{
    TGenerationOptions options;
    options.FontName = "DejaVu Sans";
    options.FontStyle = fsBold | fsItalic | fsUnderline;
    options = Applied(Parse("Comic Mono 20 [24 pix] [Spc 4] [MinHeight 16] [4Color VarW].mtf"), options);
    EXPECT_EQ(options.FontName, "DejaVu Sans");
    EXPECT_EQ(options.FontSize, 20);
    EXPECT_EQ(options.FontStyle, 0); // no style word clears the style
}

TEST(OptionsImportFileNameTest, RoundBracketsAndGluedItems)
{
    TImportedOptions imported = Parse("Arial 11 (14 pix) [Spc 6] [MinHeight 12].bin");
    EXPECT_EQ(imported.FontName, "Arial");
    EXPECT_EQ(imported.FontSize, 11);
    EXPECT_EQ(imported.SpaceWidth, 6);
    EXPECT_EQ(imported.MinHeight, 12);

    imported = Parse("Arial 11 [14 pix][Spc 6].mtf");
    EXPECT_EQ(imported.FontName, "Arial");
    EXPECT_EQ(imported.FontSize, 11);
    EXPECT_EQ(imported.SpaceWidth, 6);
}

TEST(OptionsImportFileNameTest, PixInsideTheFaceNameIsNotTheHeightItem)
{
    const std::vector<std::string> faces = {"Superpixel"};
    TImportedOptions imported;
    ASSERT_TRUE(ParseOptionsFileName("Superpixel 10 [12 pix] [Spc 5].mtf", faces, imported));
    EXPECT_EQ(imported.FontName, "Superpixel");
    EXPECT_EQ(imported.FontSize, 10);
    EXPECT_EQ(imported.SpaceWidth, 5);
}

TEST(OptionsImportFileNameTest, WidthDivisorFromOldAndNewKeys)
{
    TGenerationOptions options = Applied(Parse("Arial 12 [16 pix] [Spc 8] [Width4].mtf"));
    EXPECT_TRUE(options.WidthDivOn);
    EXPECT_EQ(options.WidthDiv, 4);
    options = Applied(Parse("Arial 12 [16 pix] [Spc 8] [Width4] [WidthDiv 6].mtf"));
    EXPECT_EQ(options.WidthDiv, 4); // the old key wins
    options = Applied(Parse("Arial 12 [16 pix] [Spc 8] [WidthDiv 6].mtf"));
    EXPECT_TRUE(options.WidthDivOn);
    EXPECT_EQ(options.WidthDiv, 6);
    TGenerationOptions before;
    before.WidthDivOn = true;
    before.WidthDiv = 9;
    options = Applied(Parse("Arial 12 [16 pix] [Spc 8].mtf"), before);
    EXPECT_FALSE(options.WidthDivOn);
    EXPECT_EQ(options.WidthDiv, 4);
}

TEST(OptionsImportFileNameTest, MissingOrOddValuesAreClampedLikeTheBoxes)
{
    TGenerationOptions before;
    before.MinWidth = 9;
    before.RightMargin = 5;
    const TGenerationOptions options = Applied(Parse("Arial 12 [16 pix] [Spc ] [Outline 7x] [RightMargin 500].mtf"), before);
    EXPECT_EQ(options.SpaceWidth, 0);
    EXPECT_EQ(options.MinHeight, 0);
    EXPECT_EQ(options.Outline, 7);
    EXPECT_FALSE(options.CutLeftRight);
    EXPECT_EQ(options.MinWidth, 9); // the box keeps its number while the rule is off
    EXPECT_TRUE(options.RightMarginOn);
    EXPECT_EQ(options.RightMargin, 100);
    EXPECT_FALSE(options.SameWidthNumbers);
    EXPECT_FALSE(options.MinusSameWidth);
}

TEST(OptionsImportFileNameTest, NamesWithoutOptionsTextAreLeftAlone)
{
    for (const std::string& name : std::vector<std::string>{"Arial.mtf", "pix [16].mtf", "Arial 12 16 pix].mtf", "", "[[[(((]]])))",
                                   "/fonts/[16 pix]/Arial.mtf"}) {
        TImportedOptions imported;
        imported.SpaceWidth = 42;
        EXPECT_FALSE(ParseOptionsFileName(name, Faces, imported)) << name;
        EXPECT_EQ(imported.SpaceWidth, 42);
    }
}

TEST(OptionsImportFileNameTest, HostileNamesNeverCrash)
{
    const std::string longHead(100000, 'a');
    std::string spaced;
    for (int i = 0; i < 20000; ++i)
        spaced += "Bo ";
    for (const std::string& name : std::vector<std::string>
         {"[pix", "(pix)", "[pix]", "pix[", "[[[[pix]]]]", "]pix[", longHead + " 12 [16 pix]", spaced + "[16 pix] [Spc 3]",
          "Arial 12 [16 pix] " + std::string(50000, '['), "\xe5\xad\x97\xe4\xbd\x93 Bold 12 [16 pix] [Spc \xe2\x91\xa0]",
          "Arial 12 [16 pix] [Spc " + std::string(5000, '9')}) {
        TImportedOptions imported;
        try {
            ParseOptionsFileName(name, Faces, imported);
        } catch (const EConvertError&) {
        }
    }
    TImportedOptions imported = Parse("\xe5\xad\x97\xe4\xbd\x93 Bold 12 [16 pix] [Spc \xe2\x91\xa0]");
    EXPECT_EQ(imported.FontSize, 12);
    EXPECT_EQ(imported.SpaceWidth, -1);
}

TImportedOptions FromBlock(std::vector<uint8_t> optionBlock, const std::string& face = "Arial",
                           const std::string& face2 = "Tahoma")
{
    std::vector<uint8_t> data{'[', 'F', 'O', 'N', 'T', '_', 'I', 'N', 'F', 'O'};
    data.insert(data.end(), optionBlock.begin(), optionBlock.end());
    data.push_back(static_cast<uint8_t>(face.size()));
    data.insert(data.end(), face.begin(), face.end());
    if (optionBlock[0] != 1) {
        data.push_back(static_cast<uint8_t>(face2.size()));
        data.insert(data.end(), face2.begin(), face2.end());
    }
    data.push_back(']');
    return ImportedFromFontInfo(ReadFontInfo(data));
}

TEST(OptionsImportBlockTest, FlagsDecideTheRulesWhileTheBoxesGetEveryNumber)
{
    // TopCut stored as 3 with its flag off; WidthDiv on; invalid characters shown.
    const TImportedOptions imported = FromBlock({3, 12, 0x01, 2, 0x01 | 0x04 | 0x40 | 0x80, 5, 7, 9, 3, 4, 18, 14, 0x02, 1, 6});
    EXPECT_EQ(imported.Source, 3);
    EXPECT_EQ(imported.TopCut, -1);
    EXPECT_EQ(imported.RightMargin, -1);
    TGenerationOptions before;
    before.FontType = ftTwoColorFixed;
    const TGenerationOptions options = Applied(imported, before);
    EXPECT_FALSE(options.TopCutOn);
    EXPECT_EQ(options.TopCut, 3);
    EXPECT_FALSE(options.RightMarginOn);
    EXPECT_EQ(options.RightMargin, 9);
    EXPECT_FALSE(options.BottomCutOn);
    EXPECT_EQ(options.BottomCut, 4);
    EXPECT_TRUE(options.CutLeftRight);
    EXPECT_EQ(options.MinWidth, 5);
    EXPECT_TRUE(options.SameWidthNumbers);
    EXPECT_FALSE(options.MinusSameWidth);
    EXPECT_TRUE(options.WidthDivOn);
    EXPECT_EQ(options.WidthDiv, 6);
    EXPECT_TRUE(options.DisplayInvalidChars);
    EXPECT_EQ(options.FontName, "Arial");
    EXPECT_EQ(options.FontSize, 12);
    EXPECT_EQ(options.FontStyle, fsBold);
    EXPECT_EQ(options.Outline, 2);
    EXPECT_EQ(options.SpaceWidth, 7);
    EXPECT_EQ(options.MinHeight, 18);
    EXPECT_EQ(options.Font2Name, "Tahoma");
    EXPECT_EQ(options.Font2Size, 14);
    EXPECT_EQ(options.Font2Style, fsItalic);
    EXPECT_EQ(options.Outline2, 1);
    EXPECT_EQ(options.FontType, ftFourColorOld);
}

TEST(OptionsImportBlockTest, VersionOneCopiesThePrimaryFont)
{
    const TGenerationOptions options = Applied(FromBlock({1, 20, 0x03, 2, 0x00, 4, 6, 3, 2, 1}, "Arial Narrow"));
    EXPECT_EQ(options.MinHeight, 16);
    EXPECT_EQ(options.WidthDiv, 4);
    EXPECT_EQ(options.Font2Name, "Arial Narrow");
    EXPECT_EQ(options.Font2Size, 20);
    EXPECT_EQ(options.Font2Style, fsBold | fsItalic);
    EXPECT_EQ(options.Outline2, 2);
    EXPECT_FALSE(options.CutLeftRight);
    EXPECT_EQ(options.MinWidth, 4);
    EXPECT_FALSE(options.DisplayInvalidChars);
}

TEST(OptionsImportBlockTest, OutOfRangeBytesAndEmptyNamesAreSafe)
{
    TGenerationOptions before;
    before.FontName = "DejaVu Sans";
    before.Font2Name = "Tahoma";
    const TGenerationOptions options =
        Applied(FromBlock({7, 0, 0xFF, 255, 0xFF, 255, 255, 255, 255, 255, 255, 200, 0, 255, 0}, "", ""), before);
    EXPECT_EQ(options.FontName, "DejaVu Sans");
    EXPECT_EQ(options.Font2Name, "Tahoma");
    EXPECT_EQ(options.FontSize, 1);
    EXPECT_EQ(options.Font2Size, 100);
    EXPECT_EQ(options.FontStyle, fsBold | fsItalic | fsUnderline | fsStrikeOut);
    EXPECT_EQ(options.Outline, 100);
    EXPECT_EQ(options.MinWidth, 100);
    EXPECT_EQ(options.WidthDiv, 1);
}

TEST(OptionsImportFromFileTest, BlockWinsOverTheFileName)
{
    TGenerationOptions saved;
    saved.FontName = "Tahoma";
    saved.FontSize = 30;
    saved.Font2Name = "DejaVu Sans";
    saved.RenderMode = TRenderMode::MonoAuto;
    saved.RenderMode2 = TRenderMode::Light;
    saved.Ink2 = 200;
    std::vector<uint8_t> content(64, 0);
    const TByteArray block = BuildFontInfo(saved);
    content.insert(content.end(), block.begin(), block.end());
    const TTempFile file(ExampleName, content);

    TGenerationOptions options;
    const TImportOutcome outcome = ImportOptionsFromFile(file.Path(), Faces, options);
    EXPECT_EQ(outcome.Origin, TImportOrigin::Block);
    EXPECT_EQ(outcome.BlockVersion, 3);
    EXPECT_EQ(options.FontName, "Tahoma");
    EXPECT_EQ(options.FontSize, 30);
    EXPECT_EQ(options.Font2Name, "DejaVu Sans");
    EXPECT_EQ(options.Rendering(), saved.Rendering());
    EXPECT_EQ(options.Rendering2(), saved.Rendering2());
}

TEST(OptionsImportFromFileTest, FileNameWhenNoBlockAndNothingForPlainNames)
{
    const TTempFile named(ExampleName, std::vector<uint8_t>(100, 0));
    TGenerationOptions options;
    options.FontType = ftTwoColorFixed;
    EXPECT_EQ(ImportOptionsFromFile(named.Path(), Faces, options).Origin, TImportOrigin::FileName);
    EXPECT_EQ(options.FontName, "Arial");
    EXPECT_EQ(options.FontType, ftFourColorOld);

    const TTempFile plain("options_plain.mtf", {});
    TGenerationOptions untouched;
    untouched.FontType = ftTwoColorFixed;
    EXPECT_EQ(ImportOptionsFromFile(plain.Path(), Faces, untouched).Origin, TImportOrigin::Nothing);
    EXPECT_EQ(untouched.FontType, ftTwoColorFixed);

    EXPECT_THROW(ImportOptionsFromFile(testing::TempDir() + "/options_missing [16 pix].mtf", Faces, options),
                 EFOpenError);
}

TEST(OptionsImportFromFileTest, OverflowInTheTailKeepsTheHeadOnly)
{
    const TTempFile file("Arial Italic 12 [16 pix] [Spc 99999999999] [MinHeight 3].mtf", {});
    TGenerationOptions options;
    options.FontName = "Tahoma";
    options.FontStyle = fsBold;
    options.FontType = ftTwoColorFixed;
    EXPECT_THROW(ImportOptionsFromFile(file.Path(), Faces, options), EConvertError);
    EXPECT_EQ(options.FontName, "Arial");
    EXPECT_EQ(options.FontSize, 12);
    EXPECT_EQ(options.FontStyle, fsItalic);
    EXPECT_EQ(options.SpaceWidth, 8);
    EXPECT_EQ(options.MinHeight, 16);
    EXPECT_EQ(options.FontType, ftTwoColorFixed);
}

} // namespace
