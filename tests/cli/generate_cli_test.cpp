#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "font/FileIo.h"

namespace {

struct TGenerateRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

class GenerateCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        QFile table(Path("table.ini"));
        ASSERT_TRUE(table.open(QIODevice::WriteOnly));
        table.write("[1]\nDescription=Basic Latin\nMAX=0x7F\n0x7F=0x20AC\n");
    }

    QString Path(const QString& name) const { return QDir(FDir.path()).filePath(name); }

    // With the small table unless WithTable is false: then the tool finds the shipped one.
    TGenerateRun Run(QStringList args, bool withTable = true) const
    {
        if (withTable)
            args = QStringList{"--table", Path("table.ini")} + args;
        args.prepend("generate");
        QProcess process;
        process.setWorkingDirectory(FDir.path());
        process.start(GLYPHFORGE_CLI, args);
        process.waitForFinished(60000);
        return {process.exitCode(), process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }

    std::vector<uint8_t> Bytes(const QString& name) const { return ReadWholeFile(Path(name).toStdString()); }

    QTemporaryDir FDir;
};

const QStringList Options = {"--font", "DejaVu Sans", "--size", "11", "--bold", "--outline", "1",
                             "--min-width", "3", "--top-cut", "2", "--no-minus-same-width", "--width-div", "4"};

} // namespace

TEST_F(GenerateCli, SavedOptionsRegenerateTheSameFontAfterARename)
{
    const TGenerateRun first =
        Run(QStringList(Options) << "--render" << "mono" << "--render2" << "light" << "--ink2" << "90" << "--shift"
                                 << "1" << "--shift2" << "-2" << "--align2" << "baseline" << "--shape-arabic"
                                 << "--save-options" << "-o" << Path("first.mtf"));
    ASSERT_EQ(first.ExitCode, 0) << first.Err;
    ASSERT_TRUE(QFile::rename(Path("first.mtf"), Path("renamed.mtf")));

    const TGenerateRun second =
        Run({"--options-from", Path("renamed.mtf"), "--save-options", "-o", Path("second.mtf")});
    ASSERT_EQ(second.ExitCode, 0) << second.Err;
    EXPECT_EQ(Bytes("renamed.mtf"), Bytes("second.mtf"));
    EXPECT_EQ(first.Out, second.Out);

    // A flag given as well overrides the restored value.
    const TGenerateRun wider = Run({"--options-from", Path("renamed.mtf"), "--min-width", "9", "-o", Path("w.mtf")});
    ASSERT_EQ(wider.ExitCode, 0) << wider.Err;
    EXPECT_NE(wider.Out, first.Out);
}

TEST_F(GenerateCli, ProposedNameAloneRestoresTheOptions)
{
    const TGenerateRun first = Run(QStringList(Options) << "--render" << "light" << "--ink" << "90" << "--shift2" << "-2"
                                                        << "--align2" << "baseline");
    ASSERT_EQ(first.ExitCode, 0) << first.Err;
    const QStringList saved = QDir(FDir.path()).entryList({"*.mtf"});
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved.front().toStdString(),
              "DejaVu Sans Bold 11 [18 pix] [Spc 8] [Outline 1] [Render Light] [Ink 90] [Shift2 -2] [Align2 Baseline] "
              "[CutLR MinWidth 3] [MinHeight 16] [SameWidthNums] [RightMargin 2] [TopCut 2] [WidthDiv 4] "
              "[4Color VarW].mtf")
        << first.Out;

    const TGenerateRun second = Run({"--options-from", Path(saved.front()), "-o", Path("again.mtf")});
    ASSERT_EQ(second.ExitCode, 0) << second.Err;
    EXPECT_EQ(Bytes(saved.front()), Bytes("again.mtf"));
}

TEST_F(GenerateCli, ReportNamesTheGlyphsWhoseInkTheCellCuts)
{
    QFile table(Path("vietnamese.ini"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("[1]\nDescription=Capitals\nMAX=0x42\n0x41=0x1EA8\n0x42=0x1EA0\n");
    table.close();
    const TGenerateRun run = Run({"--table", Path("vietnamese.ini"), "--font", "DejaVu Sans", "--size", "9",
                                  "--report", "-o", Path("out.mtf")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Out.find("\nclipped 0x0041 U+1EA8 top 1\n"), std::string::npos) << run.Out;
    EXPECT_EQ(run.Out.find("clipped 0x0042"), std::string::npos) << run.Out;
}

TEST_F(GenerateCli, UnknownRenderingIsRefused)
{
    const TGenerateRun run = Run({"--render2", "sharp", "-o", Path("out.mtf")});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_NE(run.Err.find("--render2 must be one of smooth, mono, mono-auto, light, not \"sharp\""), std::string::npos)
        << run.Err;
    EXPECT_FALSE(QFile::exists(Path("out.mtf")));
}

TEST_F(GenerateCli, OptionsFromAFileWithoutOptionsFails)
{
    QFile plain(Path("plain.mtf"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("FON");
    plain.close();
    const TGenerateRun run = Run({"--options-from", Path("plain.mtf"), "-o", Path("out.mtf")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("holds no font-information block"), std::string::npos) << run.Err;
    EXPECT_FALSE(QFile::exists(Path("out.mtf")));
}

TEST_F(GenerateCli, FindsTheShippedTableBesideTheProgram)
{
    const TGenerateRun run = Run({"--preset", "ASCII (7-bit)", "-o", Path("ascii.mtf")}, false);
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    // 128 glyphs: the glyph count in the header.
    const std::vector<uint8_t> font = Bytes("ascii.mtf");
    ASSERT_GT(font.size(), 9u);
    EXPECT_EQ(font[7] | (font[8] << 8), 128);
}

TEST_F(GenerateCli, AFontTheFormatCannotHoldIsRefusedBeforeAnythingIsWritten)
{
    QFile table(Path("big.ini"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("[1]\nMAX=13104\n"); // one glyph more than a compressed font holds
    table.close();
    const TGenerateRun run = Run({"--table", Path("big.ini"), "-o", Path("big.mtf")}, false);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("a compressed Mediatek font holds at most 13104. Nothing written."), std::string::npos)
        << run.Err;
    EXPECT_FALSE(QFile::exists(Path("big.mtf")));
}
