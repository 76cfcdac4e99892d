#include <gtest/gtest.h>

#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

#include "UiTestSupport.h"
#include "font/MtkFont.h"

namespace {

class FileDrop : public ::testing::Test {
protected:
    TWindowFixture F;

    int Glyphs() const { return F.Window->MtkFont().GlyphCount(); }
    int Page() const { return F.Find<QTabWidget>("pcMain")->currentIndex(); }

    // As file managers drag files: the addresses, and the same as text.
    void Drop(const QList<QUrl>& urls, QWidget* target = nullptr)
    {
        target = target ? target : F.Window.get();
        QMimeData data;
        data.setUrls(urls);
        data.setText(urls.isEmpty() ? QString() : urls[0].toString());
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QApplication::processEvents(); // the file opens from the event loop
    }
    void DropFile(const QString& name, QWidget* target = nullptr) { Drop({QUrl::fromLocalFile(F.Path(name))}, target); }
    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(F.Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The three-glyph preset saved through the command that writes Name.
    void SaveThreeGlyphs(const char* button, const QString& name)
    {
        auto* presets = F.Find<QComboBox>("cmbPresets");
        presets->setCurrentIndex(1);
        emit presets->activated(1);
        F.Dialogs->Answers = {F.Path(name)};
        F.Find<QToolButton>(button)->click();
        presets->setCurrentIndex(0);
        emit presets->activated(0);
        ASSERT_EQ(Glyphs(), 128);
    }
};

} // namespace

TEST_F(FileDrop, ADroppedFontOpensAsItsCommandOpensIt)
{
    const struct {
        const char* Save;
        const char* File;
    } formats[] = {{"btnSaveMTF", "font.mtf"}, {"btnSaveBMP", "strip.bmp"}, {"btnSaveTXT", "font.TXT"}};
    for (const auto& format : formats) {
        SaveThreeGlyphs(format.Save, QString::fromLatin1(format.File));
        F.Find<QTabWidget>("pcMain")->setCurrentIndex(0);
        DropFile(QString::fromLatin1(format.File));
        EXPECT_EQ(Glyphs(), 3) << format.File;
        EXPECT_EQ(F.Window->Table().CharUnicode(1), 0) << format.File; // loaded: no table
        EXPECT_EQ(Page(), 1) << format.File;                           // "Font Tools"
    }
    // Also on the sample text, which takes dropped text but not files.
    auto* sample = F.Find<QLineEdit>("edSampleText");
    const QString text = sample->text();
    SaveThreeGlyphs("btnSaveMTF", QStringLiteral("font.mtf"));
    DropFile(QStringLiteral("font.mtf"), sample);
    EXPECT_EQ(Glyphs(), 3);
    EXPECT_EQ(sample->text(), text);
    EXPECT_TRUE(F.Dialogs->Messages.empty());
}

TEST_F(FileDrop, ADroppedTableLoadsItsPresets)
{
    WriteFile(QStringLiteral("other.ini"), "[7]\nDescription=Seven\nMAX=6\n");
    F.Find<QTabWidget>("pcMain")->setCurrentIndex(1);
    const int generations = F.Window->GenerationCount();
    DropFile(QStringLiteral("other.ini"));
    auto* presets = F.Find<QComboBox>("cmbPresets");
    ASSERT_EQ(presets->count(), 1);
    EXPECT_EQ(presets->itemText(0), QStringLiteral("Seven"));
    EXPECT_EQ(Glyphs(), 7);
    EXPECT_EQ(F.Window->GenerationCount(), generations + 1);
    EXPECT_EQ(Page(), 0);
    EXPECT_TRUE(F.Dialogs->Messages.empty());
}

TEST_F(FileDrop, AnythingElseIsExplainedAndChangesNothing)
{
    WriteFile(QStringLiteral("bad.mtf"), "not a font");
    const struct {
        QList<QUrl> Urls;
        QString Message;
    } drops[] = {
        {{QUrl::fromLocalFile(F.Path(QStringLiteral("notes.doc")))},
         QStringLiteral("\"notes.doc\" cannot be opened here. Drop a Mediatek font (.mtf, .bin), a glyph strip BMP "
                        "(.bmp), a FonTool text (.txt), a BDF font (.bdf) or a conversion table (.ini).")},
        {{QUrl::fromLocalFile(F.Path(QStringLiteral("a.mtf"))), QUrl::fromLocalFile(F.Path(QStringLiteral("b.mtf")))},
         QStringLiteral("Drop one file at a time.")},
        {{QUrl(QStringLiteral("https://example.org/font.mtf"))},
         QStringLiteral("\"https://example.org/font.mtf\" is not a file on this computer.")},
        {{QUrl::fromLocalFile(F.Path(QStringLiteral("bad.mtf")))}, QStringLiteral("Not a Mediatek FON file.")},
        {{QUrl::fromLocalFile(F.Path(QStringLiteral("missing.bmp")))}, QStringLiteral("Cannot open file")},
    };
    for (const auto& drop : drops) {
        F.Dialogs->Messages.clear();
        Drop(drop.Urls);
        ASSERT_EQ(F.Dialogs->Messages.size(), 1u) << drop.Message.toStdString();
        EXPECT_TRUE(F.Dialogs->Messages[0].startsWith(drop.Message)) << F.Dialogs->Messages[0].toStdString();
        EXPECT_EQ(Glyphs(), 128);
        EXPECT_EQ(Page(), 0);
    }
}
