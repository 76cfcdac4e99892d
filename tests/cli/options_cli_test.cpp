#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

namespace {

struct TRun {
    int ExitCode;
    std::string Out;
    std::string Err;
};

TRun RunOptions(const QStringList& args)
{
    QProcess process;
    process.start(GLYPHFORGE_CLI, QStringList{"options"} + args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

bool HasLine(const std::string& out, const std::string& line)
{
    return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
}

TEST(OptionsCliTest, PrintsWhatAFileNameParsesTo)
{
    const TRun run = RunOptions({"--faces", "Tahoma,Arial Narrow",
                                 "/no/such/folder/x arial narrow Italic 9 (11 pix) [Spc 3] [Render Mono] [TopCut 2] "
                                 "[Width4].mtf"});
    EXPECT_EQ(run.ExitCode, 0);
    for (const char* line : {"Source: file name", "FontName: \"Arial Narrow\"", "FontSize: 9", "FontStyle: Italic",
                             "SpaceWidth: 3", "CutLeftRight: off", "MinHeight: absent", "TopCutOn: on", "TopCut: 2",
                             "WidthDivOn: on", "WidthDiv: 4", "Render: mono", "Ink: 128"})
        EXPECT_TRUE(HasLine(run.Out, line)) << line << "\n" << run.Out;

    const TRun unknownFace = RunOptions({"Nowhere Sans 9 [11 pix].mtf"});
    EXPECT_TRUE(HasLine(unknownFace.Out, "FontName: no installed face named, current face kept")) << unknownFace.Out;

    // Without --faces the installed families count; the test machines carry DejaVu.
    const TRun installed = RunOptions({"dejavu sans Bold 12 [15 pix] [Spc 4].mtf"});
    EXPECT_TRUE(HasLine(installed.Out, "FontName: \"DejaVu Sans\"")) << installed.Out;
}

TEST(OptionsCliTest, NamesWithoutOptionsTextFail)
{
    const TRun run = RunOptions({"plain font.mtf"});
    EXPECT_EQ(run.ExitCode, 1);
    // A line of its own: sanitizer builds may print their summaries after it.
    EXPECT_TRUE(HasLine(run.Err, "glyphforge options: the name \"plain font.mtf\" holds no options text")) << run.Err;
    EXPECT_TRUE(run.Out.empty()) << run.Out;
    EXPECT_EQ(RunOptions({}).ExitCode, 2);
}

TEST(OptionsCliTest, AnEmbeddedBlockWinsAndIsDecoded)
{
    // A version 1 block behind some glyph bytes; the face name holds a control byte.
    QByteArray data(32, '\x55');
    data += "[GlyphForgeTool 0.6.4][FONT_INFO";
    data += QByteArray("\x01\x14\x03\x02\x25\x04\x06\x03\x02\x01", 10);
    data += QByteArray("\x04" "Ab\x07" "c]", 6);
    const QString name = QString::fromStdString(testing::TempDir()) + "/Arial 12 [16 pix] [Spc 8].mtf";
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
    file.close();

    const TRun run = RunOptions({name});
    QFile::remove(name);
    EXPECT_EQ(run.ExitCode, 0);
    for (const char* line : {"Source: font-information block", "Version: 1", "FontName: \"Ab?c\"", "FontSize: 20",
                             "FontStyle: Bold Italic", "Font2Name: \"Ab?c\"", "Font2Size: 20", "MinHeight: 16",
                             "WidthDiv: 4", "CutLeftRight: on", "MinusSameWidth: off", "SameWidthNumbers: on",
                             "RightMarginOn: on", "TopCut: 2", "DisplayInvalidChars: off"})
        EXPECT_TRUE(HasLine(run.Out, line)) << line << "\n" << run.Out;
}

} // namespace
