#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "document/FontDocument.h"
#include "font/FileIo.h"
#include "generate/ProgramStamp.h"

namespace {

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        const std::string table = Path("table.ini");
        const std::string text = "[1]\nDescription=Three\nMAX=2\n0=0x41\n1=0x42\n2=0x43\n";
        WriteFileAtomically(table, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        TGenerationOptions options;
        options.FontName = "DejaVu Sans";
        options.Font2Name = "DejaVu Sans";
        Document.SetOptions(options);
        Document.LoadTableFile(table);
        Document.SelectPreset(0);
        Document.Generate();
        ASSERT_EQ(Document.Font().GlyphCount(), 3);
    }

    std::string Path(const char* name) const { return Folder.filePath(QString::fromLatin1(name)).toStdString(); }

    // The bytes a save of the store in hand must write, encoded afresh.
    std::vector<uint8_t> Expected(bool newMode) const
    {
        std::vector<uint8_t> bytes;
        Document.Font().SaveToStream(bytes, newMode, ProgramStamp, {});
        return bytes;
    }

    QTemporaryDir Folder;
    TFontDocument Document{TDocumentUse::Batch};
};

// The save reuses the size gauge's encoding: it must follow the type and the edits made since.
TEST_F(DocumentTest, ASaveWritesTheStoreInHandInTheTypeChosenNow)
{
    Document.SaveFont(Path("old.mtf"), false);
    EXPECT_EQ(ReadWholeFile(Path("old.mtf")), Expected(false));

    Document.ChooseFontType(ftFourColorNew);
    EXPECT_FALSE(Document.GenerationPending());
    Document.SaveFont(Path("new.mtf"), false);
    EXPECT_EQ(ReadWholeFile(Path("new.mtf")), Expected(true));
    EXPECT_NE(Expected(true), Expected(false));

    std::unique_ptr<TMtkFont> edited = Document.Draft();
    TGlyphBitmap* glyph = edited->EditGlyph(0);
    glyph->SetPixel(0, 0, glyph->Pixel(0, 0) == 3 ? 1 : 3);
    Document.ApplyEdits(std::move(edited));
    EXPECT_TRUE(Document.HasUnsavedEdits());
    Document.SaveFont(Path("edited.mtf"), false);
    EXPECT_EQ(ReadWholeFile(Path("edited.mtf")), Expected(true));
    EXPECT_FALSE(Document.HasUnsavedEdits());
}

// A change the user declines goes back to the options that made the font in hand, edits and all.
TEST_F(DocumentTest, RevertingGivesTheOptionsOfTheFontInHand)
{
    Document.ApplyEdits(Document.Draft());
    const TGenerationOptions inHand = Document.Options();
    TGenerationOptions changed = inHand;
    changed.MinWidth = inHand.MinWidth + 3;
    Document.SetOptions(changed);
    Document.RequestGeneration();
    Document.RevertOptions();
    EXPECT_TRUE(Document.Options() == inHand);
    EXPECT_FALSE(Document.GenerationPending());
}

} // namespace
