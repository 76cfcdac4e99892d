#include "ui/FontSaveDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolTip>

#include "ui/DialogFilter.h"

TFontSaveDialog::TFontSaveDialog(QWidget* parent) : QFileDialog(parent)
{
    // Qt's own dialog: a platform dialog cannot take an extra control.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);

    FBottomPanel = new QFrame(this);
    FBottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    FBottomPanel->setFrameShape(QFrame::NoFrame);
    auto* panelLayout = new QHBoxLayout(FBottomPanel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    FSaveFontInfo = new QCheckBox(tr("Save Font Options Into Font"), FBottomPanel);
    FSaveFontInfo->setObjectName(QStringLiteral("SaveFontInfo"));
    FSaveFontInfo->setChecked(true);
    FSaveFontInfo->setFocusPolicy(Qt::StrongFocus);
    panelLayout->addWidget(FSaveFontInfo);
    panelLayout->addStretch(1);
    PlaceBottomPanel();
}

void TFontSaveDialog::PlaceBottomPanel()
{
    // A new row below the file name and type rows, under their edit column.
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid) {
        const int editColumn = grid->columnCount() > 1 ? 1 : 0;
        grid->addWidget(FBottomPanel, grid->rowCount(), editColumn, 1, grid->columnCount() - editColumn);
    }
    // Tab from the type box to the check box, then on to the buttons.
    if (auto* typeBox = findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        setTabOrder(typeBox, FSaveFontInfo);
}

bool TFontSaveDialog::SaveOptions() const
{
    return FSaveFontInfo->isChecked();
}

void TFontSaveDialog::SetSaveOptions(bool save)
{
    FSaveFontInfo->setChecked(save);
}

void TFontSaveDialog::SetFilter(const QString& filter)
{
    SetFileDialogFilter(*this, filter);
}

void TFontSaveDialog::SetOldStyle(bool oldStyle)
{
    FBottomPanel->setVisible(!oldStyle);
}

bool TFontSaveDialog::Execute()
{
    return exec() == QDialog::Accepted && !FileName().isEmpty();
}

QString TFontSaveDialog::FileName() const
{
    const QStringList files = selectedFiles();
    return result() == QDialog::Accepted && !files.isEmpty() ? files.first() : QString();
}

void TFontSaveDialog::done(int result)
{
    QFileDialog::done(result);
    // A hint shown over the dialog would otherwise outlive it.
    QToolTip::hideText();
}
