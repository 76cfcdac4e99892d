#include <gtest/gtest.h>

#include <QFile>
#include <QToolButton>

#include "UiTestSupport.h"

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

} // namespace

// The export asks for the depth of a 4-colour font; the import asks for the type only of a
// 1-bit font whose glyphs have one width. Cancelling either question changes nothing.
TEST(UiBdfCommands, TheExportOffersOneBitAndTheImportTheFixedWidthType)
{
    TWindowFixture F;
    const auto run = [&](const char* button, const QString& file, std::deque<int> choices) {
        F.Dialogs->Answers = {F.Path(file)};
        F.Dialogs->ChoiceAnswers = std::move(choices);
        F.Dialogs->ChoiceQuestions.clear();
        F.Find<QToolButton>(button)->click();
        return F.Dialogs->ChoiceQuestions.size();
    };
    // An import replaces the store: look it up each time.
    const auto font = [&]() -> const TMtkFont& { return F.Window->MtkFont(); };

    EXPECT_EQ(run("btnSaveBDF", QStringLiteral("cancelled.bdf"), {}), 1u);
    EXPECT_FALSE(QFile::exists(F.Path(QStringLiteral("cancelled.bdf"))));
    EXPECT_EQ(run("btnSaveBDF", QStringLiteral("drawn.bdf"), {1}), 1u);
    EXPECT_EQ(F.Dialogs->SaveRequests.back().Title, QStringLiteral("Save As BDF Font File..."));
    EXPECT_EQ(F.Dialogs->SaveRequests.back().Filter, QStringLiteral("BDF Font (*.bdf)|*.bdf|All Files (*.*)|*.*"));
    const QByteArray drawn = ReadFile(F.Path(QStringLiteral("drawn.bdf")));
    EXPECT_TRUE(drawn.startsWith("STARTFONT 2.1\nCOMMENT The baseline is the one the glyphs were drawn on.\n"));
    const std::string family = F.Window->ReadOptions().FontName;
    ASSERT_FALSE(family.empty());
    EXPECT_TRUE(drawn.contains(QByteArray::fromStdString("\nFAMILY_NAME \"" + family + "\"\n")));

    // Glyphs of many widths: a 4-colour font without a question.
    const int height = font().FHeight;
    EXPECT_EQ(run("btnOpenBDF", QStringLiteral("drawn.bdf"), {}), 0u);
    EXPECT_EQ(font().GlyphCount(), 128);
    EXPECT_EQ(font().FHeight, height);
    EXPECT_EQ(font().FBitsPerPixel, 2);

    QFile fixed(F.Path(QStringLiteral("fixed.bdf")));
    ASSERT_TRUE(fixed.open(QIODevice::WriteOnly));
    fixed.write("STARTFONT 2.1\nSTARTPROPERTIES 2\nFONT_ASCENT 2\nFONT_DESCENT 0\nENDPROPERTIES\nCHARS 1\n"
                "STARTCHAR B\nENCODING 2\nDWIDTH 3 0\nBBX 2 2 1 0\nBITMAP\n80\n40\nENDCHAR\nENDFONT\n");
    fixed.close();
    EXPECT_EQ(run("btnOpenBDF", QStringLiteral("fixed.bdf"), {}), 1u);
    EXPECT_EQ(font().GlyphCount(), 128) << "cancelled: the font in hand stays";
    EXPECT_EQ(run("btnOpenBDF", QStringLiteral("fixed.bdf"), {0}), 1u);
    ASSERT_EQ(font().GlyphCount(), 3);
    EXPECT_EQ(font().FBitsPerPixel, 1);
    EXPECT_FALSE(font().FVariableWidth);
    EXPECT_EQ(font().GetGlyph(0)->Bits(), std::vector<uint8_t>(6, 0)) << "a missing code is a blank cell";
    EXPECT_EQ(font().GetGlyph(2)->Bits(), (std::vector<uint8_t>{0, 1, 0, 0, 0, 1}));
    EXPECT_TRUE(F.Dialogs->Messages.empty());
}
