#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "font/FileIo.h"
#include "font/MtkFont.h"
#include "generate/FontInfo.h"

namespace {

const std::string Stamp = "[GlyphForgeTool 0.6.4]";

struct TRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

TRun RunCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(GLYPHFORGE_CLI), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

// Two 4-colour glyphs of height 4; widths 3 and 5 so OLD mode pads both rows.
void FillFourColor(TMtkFont& font)
{
    font.Clear();
    font.FCompression = 1;
    font.FBitsPerPixel = 2;
    font.FVariableWidth = true;
    font.FHeight = 4;
    for (int width : {3, 5}) {
        TGlyphBitmap glyph(width, 4, TPaletteKind::FourColor, 1);
        for (int y = 0; y < 4; ++y)
            glyph.SetPixel(y % width, y, static_cast<uint8_t>(y));
        font.AddGlyph(glyph, 1);
    }
}

class CliCommands : public ::testing::Test {
protected:
    QString Path(const char* name) const { return FDir.filePath(QString::fromUtf8(name)); }
    std::string StdPath(const char* name) const { return Path(name).toStdString(); }

    void WriteText(const char* name, const std::string& text) const
    {
        WriteFileAtomically(StdPath(name), std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    }
    std::string ReadText(const char* name) const
    {
        const std::vector<uint8_t> bytes = ReadWholeFile(StdPath(name));
        return std::string(bytes.begin(), bytes.end());
    }
    std::string SaveFourColor(const char* name, bool newMode = false, const std::string& block = "") const
    {
        TMtkFont font;
        FillFourColor(font);
        font.SaveToFile(StdPath(name), newMode, Stamp,
                        std::span(reinterpret_cast<const uint8_t*>(block.data()), block.size()));
        return StdPath(name);
    }

    QTemporaryDir FDir;
};

} // namespace

TEST_F(CliCommands, InfoDecodesTheHeaderAndTrailer)
{
    SaveFourColor("font.mtf");
    const TRun run = RunCli({"info", Path("font.mtf")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    // T = 16, data at 16 + 12 = 28, so the offset field holds 27.
    for (const char* line : {"Header bytes:  46 4F 4E 01 1B 00 02 02 00 00 04\n", "Signature:     \"FON\"\n",
                             "COMPR_ID:      1 (compressed)\n", "Data offset:   27 (glyph data at byte 28)\n",
                             "Bit/Pixel:     2 (4 colours)\n", "Glyph count:   2\n", "CharWidth:     0 (variable width)\n",
                             "Height:        4\n", "Variant:       B (compressed, 4 colours, variable width)\n",
                             "Width range:   3..5\n", "Stamp:         \"[GlyphForgeTool 0.6.4]\"\n",
                             "Font information block: none\n"})
        EXPECT_NE(run.Out.find(line), std::string::npos) << line << "in:\n" << run.Out;

    TGenerationOptions options;
    options.FontName = "DejaVu Sans";
    options.Font2Name = "Unifont";
    options.TopCut = 3;
    options.RenderMode2 = TRenderMode::Light;
    options.Ink2 = 70;
    const std::vector<uint8_t> info = BuildFontInfo(options);
    SaveFourColor("block.mtf", false, std::string(info.begin(), info.end()));
    const TRun withBlock = RunCli({"info", Path("block.mtf")});
    for (const char* line : {"Stamp:         \"[GlyphForgeTool 0.6.4]\"\n", "Font information block: present\n",
                             "Version: 3\n", "FontName: \"DejaVu Sans\"\n", "Font2Name: \"Unifont\"\n",
                             "TopCutOn: off\n", "TopCut: 3\n", "Render: smooth\n", "Ink: 128\n", "Render2: light\n",
                             "Ink2: 70\n"})
        EXPECT_NE(withBlock.Out.find(line), std::string::npos) << line << "in:\n" << withBlock.Out;
}

TEST_F(CliCommands, InfoFindsTheStampOfTwoColourFilesInBothRowLayouts)
{
    TMtkFont font;
    font.Clear();
    font.FBitsPerPixel = 1;
    font.FHeight = 3;
    for (int k = 0; k < 3; ++k)
        font.AddGlyph(TGlyphBitmap(5, 3, TPaletteKind::TwoColor, 1), 0);
    for (bool newMode : {false, true}) {
        font.SaveToFile(StdPath("two.bin"), newMode, Stamp, {});
        const TRun run = RunCli({"info", Path("two.bin")});
        ASSERT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_NE(run.Out.find("Variant:       A (uncompressed, 2 colours, fixed width)\n"), std::string::npos);
        EXPECT_NE(run.Out.find("CharWidth:     5 (fixed width)\n"), std::string::npos);
        EXPECT_NE(run.Out.find("Stamp:         \"[GlyphForgeTool 0.6.4]\"\n"), std::string::npos)
            << (newMode ? "NEW" : "OLD") << "\n" << run.Out;
    }
}

TEST_F(CliCommands, InfoOnABadFileShowsTheReadersMessage)
{
    WriteText("bad.mtf", "fon, but not a font");
    const TRun run = RunCli({"info", Path("bad.mtf")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("Not a Mediatek FON file."), std::string::npos) << run.Err;
    EXPECT_TRUE(run.Out.empty());
    EXPECT_EQ(RunCli({"info", Path("missing.mtf")}).ExitCode, 1);
}

TEST_F(CliCommands, ConvertRoundTripThroughEveryForm)
{
    SaveFourColor("font.mtf");
    ASSERT_EQ(RunCli({"convert", Path("font.mtf"), Path("font.TXT")}).ExitCode, 0);
    EXPECT_EQ(ReadText("font.TXT").substr(0, 3), "#F ");
    ASSERT_EQ(RunCli({"convert", Path("font.TXT"), Path("font.bmp")}).ExitCode, 0);
    ASSERT_EQ(RunCli({"convert", Path("font.bmp"), Path("back.mtf")}).ExitCode, 0);
    // OLD mode keeps pixels and pad colours, so the file comes back byte for byte.
    EXPECT_EQ(ReadText("back.mtf"), ReadText("font.mtf"));

    ASSERT_EQ(RunCli({"convert", Path("font.mtf"), Path("new.bin"), "--new-mode"}).ExitCode, 0);
    SaveFourColor("expected-new.bin", true);
    EXPECT_EQ(ReadText("new.bin"), ReadText("expected-new.bin"));

    const TRun folder = RunCli({"convert", Path("font.mtf"), Path("glyphs/deeper") + "/"});
    ASSERT_EQ(folder.ExitCode, 0) << folder.Err;
    EXPECT_EQ(QDir(Path("glyphs/deeper")).entryList(QDir::Files), QStringList({"00000.bmp", "00001.bmp"}));
}

TEST_F(CliCommands, ConvertNeverWritesOverTheOutputOnFailure)
{
    WriteText("bad.mtf", "FON\x05 broken");
    WriteText("garbage.bmp", "BM garbage");
    QImage rgb(8, 4, QImage::Format_RGB32);
    rgb.fill(Qt::white);
    ASSERT_TRUE(rgb.save(Path("rgb.bmp"), "BMP"));
    WriteText("ends-early.txt", "#F\r\n#C 1\r\n#H 3\r\n#G 0\r\n#W 2\r\n#l ..\r\n");
    WriteText("out.txt", "keep me");

    for (const char* input : {"bad.mtf", "garbage.bmp", "rgb.bmp", "ends-early.txt", "missing.mtf", "font.doc"}) {
        const TRun run = RunCli({"convert", Path(input), Path("out.txt")});
        EXPECT_EQ(run.ExitCode, 1) << input;
        EXPECT_FALSE(run.Err.empty()) << input;
        EXPECT_EQ(ReadText("out.txt"), "keep me") << input;
    }
    EXPECT_NE(RunCli({"convert", Path("bad.mtf"), Path("out.txt")}).Err.find("Unknown compression type. COMPR_ID=5"),
              std::string::npos);
    EXPECT_EQ(RunCli({"convert", Path("out.txt")}).ExitCode, 2);
    EXPECT_EQ(RunCli({"convert", Path("out.txt"), Path("x.mtf"), "--bogus"}).ExitCode, 2);
}

TEST_F(CliCommands, AnImportWithoutGlyphsIsRefusedAsTheWindowRefusesIt)
{
    QImage rgb(8, 4, QImage::Format_RGB888);
    rgb.fill(Qt::white);
    ASSERT_TRUE(rgb.save(Path("rgb.bmp"), "BMP"));
    const TRun run = RunCli({"convert", Path("rgb.bmp"), Path("out.mtf")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("rgb.bmp\" is not an 8-bit palette picture; nothing written"), std::string::npos) << run.Err;
    EXPECT_FALSE(QFile::exists(Path("out.mtf")));
}

TEST_F(CliCommands, ADamagedFontIsReportedAndConvertedOnlyWhenAccepted)
{
    // Glyph 0's data is bytes 28..31: cut inside it, glyph 1's data is missing altogether.
    SaveFourColor("font.mtf");
    WriteText("cut.mtf", ReadText("font.mtf").substr(0, 30));
    const std::string warning = "The glyph data ends early: 2 of 2 glyphs are cut short";

    const TRun info = RunCli({"info", Path("cut.mtf")});
    EXPECT_EQ(info.ExitCode, 1);
    EXPECT_NE(info.Out.find("Cut short:     2 (the glyph data ends early)\n"), std::string::npos) << info.Out;
    EXPECT_NE(info.Err.find(warning), std::string::npos) << info.Err;

    const TRun refused = RunCli({"convert", Path("cut.mtf"), Path("out.bmp")});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_NE(refused.Err.find("--accept-damaged"), std::string::npos) << refused.Err;
    EXPECT_FALSE(QFile::exists(Path("out.bmp")));

    const TRun accepted = RunCli({"convert", Path("cut.mtf"), Path("out.bmp"), "--accept-damaged"});
    EXPECT_EQ(accepted.ExitCode, 0) << accepted.Err;
    EXPECT_NE(accepted.Err.find(warning), std::string::npos) << accepted.Err;
    EXPECT_TRUE(QFile::exists(Path("out.bmp")));
}

TEST_F(CliCommands, PreviewDrawsTheLayoutScaled)
{
    SaveFourColor("font.mtf");
    const TRun run = RunCli({"preview", Path("font.mtf"), "-o", Path("sheet.png"), "--scale", "2", "--width", "100"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const QImage sheet(Path("sheet.png"), "PNG");
    // One row at y = 8, 4 high: frames end at row 12, then 7 rows of margin.
    ASSERT_EQ(sheet.size(), QSize(200, 2 * 20));
    EXPECT_EQ(sheet.pixel(0, 0), qRgb(128, 128, 128));
    EXPECT_EQ(sheet.pixel(2 * 7, 2 * 7 + 1), qRgb(255, 0, 255));   // frame of glyph 0
    EXPECT_EQ(sheet.pixel(2 * 8 + 1, 2 * 8), qRgb(255, 0, 0));     // its pixel (0, 0), index 0
    EXPECT_EQ(sheet.pixel(2 * 10 + 1, 2 * 10 + 1), qRgb(0, 0, 0)); // pixel (2, 2), index 2

    EXPECT_EQ(RunCli({"preview", Path("font.mtf")}).ExitCode, 2);
    EXPECT_EQ(RunCli({"preview", Path("font.mtf"), "-o", Path("s.png"), "--scale", "x"}).ExitCode, 2);
}

TEST(CliProgram, HelpAndVersion)
{
    for (const char* command : {"info", "convert", "preview"}) {
        const TRun run = RunCli({command, "--help"});
        EXPECT_EQ(run.ExitCode, 0) << command;
        EXPECT_EQ(run.Out.rfind(std::string("Usage: glyphforge ") + command, 0), 0u) << run.Out;
    }
    const TRun version = RunCli({"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out, "glyphforge 0.6.4\n");
}
