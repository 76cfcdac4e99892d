// The window with Qt's own dialogs, answered while they run modally.

#include <gtest/gtest.h>

#include <string>

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include "UiTestSupport.h"
#include "generate/FontInfo.h"
#include "ui/QtDialogSeam.h"

namespace {

struct TRealDialogsWindow : TWindowFixture {
    TRealDialogsWindow() : TWindowFixture(std::make_unique<TQtDialogSeam>()) {}
    void Click(const char* name) { Find<QToolButton>(name)->click(); }
};

// Types the name, sets the check box and presses Save.
void SaveAs(TRealDialogsWindow& w, const QString& fileName, bool saveOptions)
{
    AnswerNextDialog([fileName, saveOptions](QWidget* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("SaveFontInfo"))->setChecked(saveOptions);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(fileName);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    w.Click("btnSaveFon");
}

} // namespace

TEST(RealDialogs, TheFontSaveDialogWritesTheBlockOnlyWhenTickedAndImportReadsItBack)
{
    TRealDialogsWindow w;
    const QString plain = w.Path(QStringLiteral("plain.mtf"));
    const QString withBlock = w.Path(QStringLiteral("block.mtf"));
    SaveAs(w, plain, false);
    SaveAs(w, withBlock, true);
    ASSERT_TRUE(QFile::exists(plain));
    EXPECT_FALSE(ReadFontInfo(plain.toStdString()).Found);
    const TFontInfoBlock info = ReadFontInfo(withBlock.toStdString());
    ASSERT_TRUE(info.Found);
    EXPECT_EQ(info.FontName, w.Window->ReadOptions().FontName);

    auto* size = w.Find<QSpinBox>("seFontSize");
    const int saved = size->value();
    size->setValue(saved + 3);
    AnswerNextDialog([withBlock](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(withBlock);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    w.Click("btnImportOptions");
    EXPECT_EQ(size->value(), saved);
}

TEST(RealDialogs, ADialogProposingABareNameStartsInTheFolderLastChosen)
{
    TRealDialogsWindow w;
    const QString saved = w.Path(QStringLiteral("first.mtf"));
    SaveAs(w, saved, false);
    ASSERT_TRUE(QFile::exists(saved));
    // The save proposes a name built from the options, without a folder.
    std::string startedIn;
    AnswerNextDialog([&startedIn](QWidget* dialog) {
        startedIn = static_cast<QFileDialog*>(dialog)->directory().canonicalPath().toStdString();
        QMetaObject::invokeMethod(dialog, "reject");
    });
    w.Click("btnSaveFon");
    EXPECT_EQ(startedIn, QFileInfo(saved).canonicalPath().toStdString());
}

TEST(RealDialogs, TheFontDialogCancelledChangesNothingAndConfirmedRegenerates)
{
    TRealDialogsWindow w;
    auto* size = w.Find<QSpinBox>("seFontSize");
    const int generations = w.Window->GenerationCount();
    AnswerNextDialog([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
    w.Click("btnFont");
    EXPECT_EQ(w.Window->GenerationCount(), generations);
    EXPECT_EQ(size->value(), 16);

    AnswerNextDialog([](QWidget* dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(dialog);
        QFont font = fonts->currentFont();
        font.setPointSize(20);
        fonts->setCurrentFont(font);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    w.Click("btnFont");
    EXPECT_EQ(size->value(), 20);
    EXPECT_EQ(w.Window->GenerationCount(), generations + 1);
}
