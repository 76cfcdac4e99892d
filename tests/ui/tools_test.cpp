#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTabWidget>
#include <QToolButton>

#include "UiTestSupport.h"

namespace {

class UiToolsCommands : public ::testing::Test {
protected:
    TWindowFixture F;

    void Click(const char* button) { F.Find<QToolButton>(button)->click(); }
    int Glyphs() const { return F.Window->MtkFont().GlyphCount(); }
    // Runs a command whose dialog answers Answer.
    void Run(const char* button, const QString& answer)
    {
        F.Dialogs->Answers = {answer};
        Click(button);
    }
    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(F.Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A bad file: the message is shown, the font in hand and the read-out state stay, the cursor is back.
    void ExpectRefused(const char* button, const QString& file, const QString& message)
    {
        const int glyphs = Glyphs();
        const int last = F.Window->Table().LastCharIndex();
        F.Dialogs->Messages.clear();
        Run(button, F.Path(file));
        ASSERT_EQ(F.Dialogs->Messages.size(), 1u) << button;
        EXPECT_TRUE(F.Dialogs->Messages[0].startsWith(message)) << F.Dialogs->Messages[0].toStdString();
        EXPECT_EQ(Glyphs(), glyphs);
        EXPECT_EQ(F.Window->Table().LastCharIndex(), last);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    void SelectThreeGlyphPreset()
    {
        auto* presets = F.Find<QComboBox>("cmbPresets");
        presets->setCurrentIndex(1);
        presets->activated(1);
        F.Find<QTabWidget>("pcMain")->setCurrentIndex(1);
    }
};

} // namespace

TEST_F(UiToolsCommands, EachFormatRoundTripsThroughItsSaveAndOpenCommands)
{
    SelectThreeGlyphPreset();
    ASSERT_EQ(Glyphs(), 3);
    const int width = F.Window->MtkFont().GetGlyph(1)->Width();
    const struct {
        const char* Save;
        const char* Open;
        const char* File;
    } formats[] = {{"btnSaveMTF", "btnOpenMTF", "font.mtf"},
                   {"btnSaveBMP", "btnOpenBMP", "strip.bmp"},
                   {"btnSaveTXT", "btnOpenTXT", "font.txt"}};
    for (const auto& format : formats) {
        Run(format.Save, F.Path(QString::fromLatin1(format.File)));
        ASSERT_TRUE(QFileInfo::exists(F.Path(QString::fromLatin1(format.File)))) << format.File;
        Run(format.Open, F.Path(QString::fromLatin1(format.File)));
        EXPECT_EQ(Glyphs(), 3) << format.File;
        EXPECT_EQ(F.Window->MtkFont().GetGlyph(1)->Width(), width) << format.File;
        EXPECT_EQ(F.Window->Table().LastCharIndex(), 2) << format.File;
        EXPECT_EQ(F.Window->Table().CharUnicode(1), 0) << format.File;
        EXPECT_EQ(F.Window->GlyphRects().GlyphRects().size(), 3u) << format.File;
    }
    EXPECT_TRUE(F.Dialogs->Messages.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(UiToolsCommands, DialogsAreSetUpByEachCommandAndKeepTheLastFileName)
{
    Click("btnOpenMTF"); // cancelled
    ASSERT_EQ(F.Dialogs->OpenRequests.size(), 1u);
    EXPECT_EQ(F.Dialogs->OpenRequests[0].Title, QStringLiteral("Select Mediatek Font File..."));
    EXPECT_EQ(F.Dialogs->OpenRequests[0].DefaultExt, QStringLiteral("mtf"));
    EXPECT_TRUE(F.Dialogs->OpenRequests[0].Filter.startsWith(QStringLiteral("Font or Binary File (*.mtf,*.bin)|")));
    EXPECT_EQ(Glyphs(), 128);

    Run("btnSaveBMP", F.Path(QStringLiteral("a.bmp")));
    Click("btnSaveTXT");
    ASSERT_EQ(F.Dialogs->SaveRequests.size(), 2u);
    EXPECT_EQ(F.Dialogs->SaveRequests[0].Title, QStringLiteral("Save As GlyphForgeTool Compatible BMP File..."));
    EXPECT_EQ(F.Dialogs->SaveRequests[1].Title, QStringLiteral("Save As FonTool Format TXT File..."));
    EXPECT_EQ(F.Dialogs->SaveRequests[1].Filter, QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"));
    // The carried-over name, in the command's own kind.
    EXPECT_EQ(F.Dialogs->SaveRequests[1].FileName, F.Path(QStringLiteral("a.txt")));

    Click("btnExportSeparateBMP");
    ASSERT_EQ(F.Dialogs->FolderCaptions.size(), 1u);
    EXPECT_EQ(F.Dialogs->FolderCaptions[0], QStringLiteral("Select output folder for separeate bmp files:"));

    Click("btnOpenTable");
    EXPECT_EQ(F.Dialogs->OpenRequests.back().Title, QStringLiteral("Select Unicode Conversion Table..."));
    EXPECT_EQ(F.Dialogs->OpenRequests.back().DefaultExt, QStringLiteral("ini"));
    EXPECT_EQ(F.Find<QComboBox>("cmbPresets")->count(), 2); // cancelled: the presets stay
    EXPECT_TRUE(F.Dialogs->Messages.empty());
}

TEST_F(UiToolsCommands, SeparateGlyphExportWritesOneFilePerGlyphIntoTheChosenFolder)
{
    SelectThreeGlyphPreset();
    const QString folder = F.Path(QStringLiteral("glyphs"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Run("btnExportSeparateBMP", folder);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (QStringList{QStringLiteral("00000.bmp"), QStringLiteral("00001.bmp"), QStringLiteral("00002.bmp")}));
    Run("btnExportSeparateBMP", folder + QLatin1Char('/'));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);
    EXPECT_TRUE(F.Dialogs->Messages.empty());
}

TEST_F(UiToolsCommands, BmpExportsAreTheBytesTheCommandLineWrites)
{
    // Widths 3, 5 and 6 leave row padding in every picture.
    TMtkFont font;
    font.Clear();
    font.FCompression = 1;
    font.FBitsPerPixel = 2;
    font.FVariableWidth = true;
    font.FHeight = 7;
    for (const int width : {3, 0, 5, 6}) {
        TGlyphBitmap glyph(width, 7, TPaletteKind::FourColor);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < width; ++x)
                glyph.SetPixel(x, y, static_cast<uint8_t>((x * y + width) % 4));
        font.AddGlyph(glyph, static_cast<uint8_t>(width % 4));
    }
    const QString source = F.Path(QStringLiteral("font.mtf"));
    font.SaveToFile(source.toStdString(), false, "", {});
    Run("btnOpenMTF", source);
    ASSERT_EQ(Glyphs(), 4);
    Run("btnSaveBMP", F.Path(QStringLiteral("window.bmp")));
    ASSERT_TRUE(QDir().mkpath(F.Path(QStringLiteral("window"))));
    Run("btnExportSeparateBMP", F.Path(QStringLiteral("window")));
    ASSERT_TRUE(F.Dialogs->Messages.empty());

    for (const QString& output : {F.Path(QStringLiteral("cli.bmp")), F.Path(QStringLiteral("cli/"))}) {
        QProcess cli;
        cli.start(QStringLiteral(GLYPHFORGE_CLI), {QStringLiteral("convert"), source, output});
        ASSERT_TRUE(cli.waitForFinished(30000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    }
    const auto bytes = [this](const QString& name) {
        QFile file(F.Path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    };
    EXPECT_EQ(bytes(QStringLiteral("window.bmp")), bytes(QStringLiteral("cli.bmp")));
    for (const char* glyph : {"00000.bmp", "00001.bmp", "00002.bmp", "00003.bmp"})
        EXPECT_EQ(bytes(QStringLiteral("window/") + QLatin1String(glyph)), bytes(QStringLiteral("cli/") + QLatin1String(glyph)))
            << glyph;
}

TEST_F(UiToolsCommands, ABadFileIsReportedAndTheFontInHandStays)
{
    WriteFile(QStringLiteral("bad.mtf"), "XYZ not a font");
    WriteFile(QStringLiteral("bad.bmp"), "BM but not a picture");
    // A text that ends inside its second glyph, after the first one was read.
    WriteFile(QStringLiteral("cut.txt"), "#F 70,79,78\r\n#C 2\r\n#H 2\r\n#G 0\r\n#W 1\r\n#l *\r\n#l *\r\n#A\r\n#G 1\r\n#W 1\r\n#l *\r\n");
    WriteFile(QStringLiteral("tall.txt"), "#F 70,79,78\r\n#C 1\r\n#H 300\r\n");

    ExpectRefused("btnOpenMTF", QStringLiteral("bad.mtf"), QStringLiteral("Not a Mediatek FON file."));
    ExpectRefused("btnOpenBMP", QStringLiteral("bad.bmp"), QStringLiteral("Bitmap image is not valid"));
    ExpectRefused("btnOpenTXT", QStringLiteral("cut.txt"), QStringLiteral("List index out of bounds"));
    ExpectRefused("btnOpenTXT", QStringLiteral("tall.txt"), QStringLiteral("The text's glyph height 300"));
    ExpectRefused("btnOpenMTF", QStringLiteral("missing.mtf"), QStringLiteral("Cannot open file"));
    EXPECT_EQ(F.Window->Table().CharUnicode(65), 65); // the table is untouched too
}

TEST_F(UiToolsCommands, AFailedSaveIsReportedAndRestoresTheCursor)
{
    Run("btnSaveMTF", F.Path(QStringLiteral("no/such/folder/font.mtf")));
    ASSERT_EQ(F.Dialogs->Messages.size(), 1u);
    EXPECT_TRUE(F.Dialogs->Messages[0].startsWith(QStringLiteral("Cannot create file"))) << F.Dialogs->Messages[0].toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Glyphs(), 128);
}

TEST_F(UiToolsCommands, OpeningATableListsItsPresetsAndGenerates)
{
    const QString table = F.Path(QStringLiteral("other.ini"));
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[7]\nDescription = Seven \nMAX=9\n");
    file.close();
    Run("btnOpenTable", table);
    auto* presets = F.Find<QComboBox>("cmbPresets");
    ASSERT_EQ(presets->count(), 1);
    EXPECT_EQ(presets->itemText(0), QStringLiteral("Seven"));
    EXPECT_EQ(Glyphs(), 10);
    EXPECT_EQ(F.Dialogs->OpenRequests.back().FileName, QString());
    Click("btnOpenTable");
    EXPECT_EQ(F.Dialogs->OpenRequests.back().FileName, table);
}
