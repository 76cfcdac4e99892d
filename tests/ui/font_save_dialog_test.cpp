#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "controls_test_app.h"
#include "ui/FontSaveDialog.h"

namespace {

class FontSaveDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    QCheckBox* SaveFontInfo() { return Dialog.findChild<QCheckBox*>(QStringLiteral("SaveFontInfo")); }
    QLineEdit* FileNameEdit() { return Dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }
    // As the Save button does; the slot is not public.
    void Accept() { QMetaObject::invokeMethod(&Dialog, "accept"); }

    // Confirms Name typed into the file name box as soon as the dialog runs.
    void ConfirmOnShow(const QString& name)
    {
        QTimer::singleShot(0, &Dialog, [this, name] {
            FileNameEdit()->setText(name);
            Accept();
        });
    }

    QTemporaryDir Folder;
    TFontSaveDialog Dialog;
};

TEST_F(FontSaveDialogTest, CheckBoxSitsInItsPanelBelowTheFileNameControls)
{
    QCheckBox* box = SaveFontInfo();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("Save Font Options Into Font"));
    ASSERT_NE(box->parentWidget(), nullptr);
    EXPECT_EQ(box->parentWidget()->objectName(), QStringLiteral("BottomPanel"));

    Dialog.open();
    ASSERT_TRUE(box->isVisible());
    QLineEdit* fileName = FileNameEdit();
    ASSERT_NE(fileName, nullptr);
    const int fileNameBottom = fileName->mapTo(&Dialog, QPoint(0, fileName->height())).y();
    EXPECT_GE(box->mapTo(&Dialog, QPoint(0, 0)).y(), fileNameBottom);
    Dialog.reject();
}

TEST_F(FontSaveDialogTest, TabReachesTheCheckBox)
{
    Dialog.open();
    QCheckBox* box = SaveFontInfo();
    EXPECT_TRUE(box->focusPolicy() & Qt::TabFocus);
    bool reached = false;
    QWidget* widget = FileNameEdit();
    for (int step = 0; step < 200 && !reached; ++step) {
        widget = widget->nextInFocusChain();
        reached = widget == box;
    }
    EXPECT_TRUE(reached);
    Dialog.reject();
}

TEST_F(FontSaveDialogTest, SaveOptionsKeepsItsValueAroundExecute)
{
    EXPECT_TRUE(Dialog.SaveOptions()); // as created, before any caller sets it
    for (bool save : {false, true}) {
        Dialog.SetSaveOptions(save);
        EXPECT_EQ(Dialog.SaveOptions(), save);
        ConfirmOnShow(Folder.filePath(QStringLiteral("font%1.mtf").arg(save)));
        ASSERT_TRUE(Dialog.Execute());
        EXPECT_EQ(Dialog.SaveOptions(), save);
        EXPECT_EQ(SaveFontInfo()->isChecked(), save);
    }
    // The user's tick is what the caller reads afterwards.
    Dialog.SetSaveOptions(false);
    QTimer::singleShot(0, &Dialog, [this] {
        SaveFontInfo()->click();
        FileNameEdit()->setText(Folder.filePath(QStringLiteral("ticked.mtf")));
        Accept();
    });
    ASSERT_TRUE(Dialog.Execute());
    EXPECT_TRUE(Dialog.SaveOptions());
}

TEST_F(FontSaveDialogTest, ConfirmedNameGetsTheDefaultExtensionAndCancelGivesNone)
{
    Dialog.SetTitle(QStringLiteral("Save As Mediatek Font..."));
    Dialog.SetFilter(QStringLiteral("Mediatek Font File (*.mtf)|*.mtf|All Files (*.*)|*.*"));
    Dialog.SetDefaultExt(QStringLiteral("mtf"));
    Dialog.SetFileName(Folder.filePath(QStringLiteral("Arial 12 [16 pix].mtf")));
    EXPECT_EQ(Dialog.windowTitle(), QStringLiteral("Save As Mediatek Font..."));
    EXPECT_EQ(Dialog.nameFilters().size(), 2);

    ConfirmOnShow(Folder.filePath(QStringLiteral("typed")));
    ASSERT_TRUE(Dialog.Execute());
    EXPECT_EQ(QDir::cleanPath(Dialog.FileName()), QDir::cleanPath(Folder.filePath(QStringLiteral("typed.mtf"))));

    QTimer::singleShot(0, &Dialog, [this] { Dialog.reject(); });
    EXPECT_FALSE(Dialog.Execute());
    EXPECT_TRUE(Dialog.FileName().isEmpty());
}

TEST_F(FontSaveDialogTest, OldStyleShowsNoCheckBoxAndKeepsTheCallersValue)
{
    Dialog.SetOldStyle(true);
    Dialog.SetSaveOptions(false);
    QTimer::singleShot(0, &Dialog, [this] {
        EXPECT_FALSE(SaveFontInfo()->isVisible());
        FileNameEdit()->setText(Folder.filePath(QStringLiteral("plain.mtf")));
        Accept();
    });
    ASSERT_TRUE(Dialog.Execute());
    EXPECT_FALSE(Dialog.SaveOptions());
}

} // namespace
