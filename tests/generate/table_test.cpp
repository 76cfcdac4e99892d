#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdint>
#include <fstream>
#include <map>

#include "font/Errors.h"
#include "generate/ConversionTable.h"

namespace {

class TableFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& text, const std::string& name = "table.ini")
    {
        const std::string path = FDir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // Loads the file and its first preset.
    void Load(const std::string& text)
    {
        FTable.LoadTableFile(Write(text));
        FTable.LoadTableSection(FTable.PresetIds()[0]);
    }

    void ExpectIdentityFrom(int firstCode)
    {
        for (int c = firstCode; c < TConversionTable::CharCount; ++c)
            ASSERT_EQ(FTable.CharUnicode(c), c) << "code " << c;
    }

    std::vector<int> Ids() const
    {
        std::vector<int> ids;
        for (int i = 0; i < FTable.PresetIds().Count(); ++i)
            ids.push_back(FTable.PresetIds()[i]);
        return ids;
    }

    QTemporaryDir FDir;
    TConversionTable FTable;
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(TableFileTest, PresetsInFileOrderAndTheFirstSectionOfANameWins)
{
    const std::string path = Write("; comments before the first section are fine\r\n"
                                   "[3]\r\ndescription = Three \r\nMAX=1\r\n0=0x33\r\n"
                                   "[1]\r\nDescription=One\r\n"
                                   "[3]\r\nDescription=Other three\r\nMAX=5\r\n0=0x34\r\n"
                                   "[007]\r\nDescription=Seven\r\nMAX=9\r\n");
    FTable.LoadTableFile(path);
    EXPECT_EQ(FTable.TableFileName(), path);
    EXPECT_EQ(Ids(), (std::vector<int>{3, 1, 3, 7}));
    // "[007]" is listed as 7, but neither its description nor its table is found under "7".
    EXPECT_EQ(FTable.PresetDescriptions(), (Strings{"Three", "One", "Three", ""}));

    FTable.LoadTableSection(FTable.PresetIds()[2]);
    EXPECT_EQ(FTable.LastCharIndex(), 1);
    EXPECT_EQ(FTable.CharUnicode(0), 0x33);

    FTable.LoadTableSection(7);
    EXPECT_EQ(FTable.LastCharIndex(), 0);
    ExpectIdentityFrom(0);
}

TEST_F(TableFileTest, SectionWithoutDescriptionOrMaxStillLoads)
{
    Load("[5]\n0x41=0x42\n");
    EXPECT_EQ(FTable.PresetDescriptions(), (Strings{""}));
    EXPECT_EQ(FTable.LastCharIndex(), 0);
    EXPECT_EQ(FTable.CharUnicode(0x41), 0x42);
}

TEST_F(TableFileTest, EntriesKeysAndMax)
{
    Load("[1]\n"
         "max = 0x10\n"
         "0x41=0x0410\n"
         "65=1040\n"          // the same entry as the line above
         "0x10042=0x10431\n"  // low 16 bits of key and value
         "0x80=\n"
         "  $81  =  0XA0H  \n"
         "\n"
         "Description=0x99\n"
         "DEFAULT=1\n"
         "MODE=1\n"
         "D0=7\n"
         "MAX=-1\n"           // MAX may stand anywhere; the last one counts
         "[2]\n"
         "0x43=0x44\n");
    EXPECT_EQ(FTable.LastCharIndex(), -1);
    EXPECT_EQ(FTable.CharUnicode(0x41), 1040);
    EXPECT_EQ(FTable.CharUnicode(0x42), 0x0431);
    EXPECT_EQ(FTable.CharUnicode(0x80), 0);
    EXPECT_EQ(FTable.CharUnicode(0x81), 0xA0);
    EXPECT_EQ(FTable.CharUnicode(0xD0), 0xD0);
    EXPECT_EQ(FTable.CharUnicode(0x43), 0x43); // the next section is not read
    EXPECT_EQ(FTable.CharUnicode(0x40), 0x40);
    ExpectIdentityFrom(0x82);
}

TEST_F(TableFileTest, MaxIsClampedToTheLastCode)
{
    Load("[1]\nMAX=70000\n");
    EXPECT_EQ(FTable.LastCharIndex(), 65535);
}

TEST_F(TableFileTest, ReadingASectionResetsTheLastOneAndRereadsTheFile)
{
    Load("[1]\nMAX=0xFF\n0x41=0x0410\n[2]\n");
    const std::string path = Write("[1]\nMAX=3\n0x42=0x0411\n");
    ASSERT_EQ(path, FTable.TableFileName());
    FTable.LoadTableSection(1);
    EXPECT_EQ(FTable.LastCharIndex(), 3);
    EXPECT_EQ(FTable.CharUnicode(0x41), 0x41);
    EXPECT_EQ(FTable.CharUnicode(0x42), 0x0411);
}

TEST_F(TableFileTest, BadNumberInsideTheSectionKeepsWhatWasRead)
{
    FTable.LoadTableFile(Write("[1]\nMAX=0x20\n0x41=0x0410\n; comment\n0x42=0x0411\nMAX=0x30\n"));
    try {
        FTable.LoadTableSection(1);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'; comment' is not a valid integer value");
    }
    EXPECT_EQ(FTable.LastCharIndex(), 0x20);
    EXPECT_EQ(FTable.CharUnicode(0x41), 0x0410);
    EXPECT_EQ(FTable.CharUnicode(0x42), 0x42);
}

TEST_F(TableFileTest, InvalidNumbersInsideTheSection)
{
    for (const char* line : {"   ", "MAX=", "MAX=$", "0X=1", "0x41=0x", "A0=1", "0x41=A0H"}) {
        SCOPED_TRACE(line);
        FTable.LoadTableFile(Write(std::string("[1]\n") + line + "\n"));
        EXPECT_THROW(FTable.LoadTableSection(1), EConvertError);
    }
}

TEST_F(TableFileTest, SectionHeaderThatIsNoNumberStopsTheList)
{
    const std::string path = Write("[2]\nDescription=Two\n[General]\n[3]\n");
    try {
        FTable.LoadTableFile(path);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.what(), "\"" + path + "\" holds the section [General], which is no preset: a table file holds only "
                            "numbered sections such as [1].");
    }
    EXPECT_EQ(FTable.TableFileName(), path);
    EXPECT_EQ(Ids(), (std::vector<int>{2}));
    EXPECT_TRUE(FTable.PresetDescriptions().empty());
}

TEST_F(TableFileTest, MissingFile)
{
    Load("[1]\nMAX=0xFF\n0x41=0x0410\n");
    const std::string missing = FDir.filePath("missing.ini").toStdString();
    try {
        FTable.LoadTableFile(missing);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << e.what();
    }
    EXPECT_EQ(FTable.TableFileName(), missing);
    EXPECT_EQ(FTable.PresetIds().Count(), 0);
    EXPECT_TRUE(FTable.PresetDescriptions().empty());

    EXPECT_THROW(FTable.LoadTableSection(1), EFOpenError);
    EXPECT_EQ(FTable.LastCharIndex(), 0);
    ExpectIdentityFrom(0);
}

TEST_F(TableFileTest, ClearToZeroForALoadedFont)
{
    Load("[1]\nMAX=0xFF\n");
    FTable.ClearToZero(96);
    EXPECT_EQ(FTable.LastCharIndex(), 95);
    for (int c = 0; c < TConversionTable::CharCount; ++c)
        ASSERT_EQ(FTable.CharUnicode(c), 0);
}

TEST(TableNumber, PrefixedHexAndIntegers)
{
    for (const char* text : {"0x00A0", "$A0", "0XA0H", "160", "0XA0", "$A0H", "X00A0"})
        EXPECT_EQ(TConversionTable::ParseTableNumber(text), 160) << text;
    for (const char* text : {"A0", "0A0H", "A0H", "", "$", "0X", "$H", "1 2"})
        EXPECT_THROW(TConversionTable::ParseTableNumber(text), EConvertError) << text;
}

TEST(TableNumber, HexToIntNeverFails)
{
    EXPECT_EQ(TConversionTable::HexToInt(""), 0);
    EXPECT_EQ(TConversionTable::HexToInt("10041"), 0x10041);
    EXPECT_EQ(TConversionTable::HexToInt("G"), -1);
    EXPECT_EQ(TConversionTable::HexToInt("1G0"), -16); // every bit above the last digit set
    EXPECT_EQ(TConversionTable::HexToInt("FFFFFFFF"), -1);
}

TEST(TableNumber, StrToInt)
{
    EXPECT_EQ(TConversionTable::StrToInt("  12"), 12);
    EXPECT_EQ(TConversionTable::StrToInt("-5"), -5);
    EXPECT_EQ(TConversionTable::StrToInt("+7"), 7);
    EXPECT_EQ(TConversionTable::StrToInt("$ff"), 255);
    EXPECT_EQ(TConversionTable::StrToInt("x1F"), 31);
    EXPECT_EQ(TConversionTable::StrToInt("0x10"), 16);
    EXPECT_EQ(TConversionTable::StrToInt("-$10"), -16);
    EXPECT_EQ(TConversionTable::StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(TConversionTable::StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(TConversionTable::StrToInt("$FFFFFFFF"), -1);
    for (const char* text : {"", "  ", "-", "0x", "$", "12 ", "1.5", "2147483648", "-2147483649", "$100000000", "0xG"})
        EXPECT_THROW(TConversionTable::StrToInt(text), EConvertError) << text;
    try {
        TConversionTable::StrToInt("x y");
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'x y' is not a valid integer value");
    }
}

TEST(ShippedTables, EveryPresetLoadsAndKnownCodesMap)
{
    TConversionTable table;
    table.LoadTableFile(GLYPHFORGE_SOURCE_DIR "/data/glyphforgetool.ini");
    const TIntegerList& ids = table.PresetIds();
    ASSERT_EQ(ids.Count(), 32);
    ASSERT_EQ(table.PresetDescriptions().size(), 32u);

    std::map<std::string, int> idOf;
    for (int i = 0; i < ids.Count(); ++i) {
        const std::string& description = table.PresetDescriptions()[static_cast<size_t>(i)];
        EXPECT_FALSE(description.empty()) << "preset " << ids[i];
        EXPECT_TRUE(idOf.emplace(description.substr(0, description.find(" (")), ids[i]).second) << description;
        EXPECT_NO_THROW(table.LoadTableSection(ids[i])) << description;
    }
    EXPECT_EQ(table.PresetDescriptions()[0], "Windows-1252 (Western European)");

    const auto expect = [&](const std::string& name, int lastCode, std::vector<std::pair<int, int>> mappings) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(idOf.count(name));
        table.LoadTableSection(idOf[name]);
        EXPECT_EQ(table.LastCharIndex(), lastCode);
        for (const auto& [code, unicode] : mappings)
            EXPECT_EQ(table.CharUnicode(code), unicode) << "code " << code;
    };
    expect("Windows-1252", 0xFF, {{0x41, 0x41}, {0x80, 0x20AC}, {0x81, 0x0000}, {0xE9, 0xE9}});
    expect("Windows-1251", 0xFF, {{0xC0, 0x0410}, {0xFF, 0x044F}});
    expect("KOI8-R", 0xFF, {{0xC1, 0x0430}, {0x80, 0x2500}});
    expect("CP437", 0xFF, {{0x01, 0x0001}, {0x80, 0x00C7}, {0xDB, 0x2588}});
    expect("ISO-8859-11", 0xFF, {{0xA1, 0x0E01}, {0xDB, 0x0000}});
    expect("ASCII", 0x7F, {{0x41, 0x41}, {0x7F, 0x7F}});
    // One glyph fewer than 65536, so the full plane saves as type 2; the other fits a compressed font.
    expect("Unicode 0000-FFFE", 0xFFFE, {{0x0410, 0x0410}, {0xFFFE, 0xFFFE}});
    expect("Unicode 0000-32FF", 0x32FF, {{0x32FF, 0x32FF}});
}
