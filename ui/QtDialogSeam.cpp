#include "ui/QtDialogSeam.h"

#include <QFileDialog>
#include <QMessageBox>

#include "ui/ApplicationTitle.h"
#include "ui/DialogFilter.h"

namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const TFileDialogSpec& spec, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, spec.Title);
    dialog.setAcceptMode(mode);
    // Open: the file must exist. Save: the folder must exist, and Qt asks before overwriting.
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(ConvertFilter(spec.Filter));
    dialog.setDefaultSuffix(spec.DefaultExt);
    dialog.setSizeGripEnabled(true);
    if (!spec.FileName.isEmpty())
        dialog.selectFile(spec.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> TQtDialogSeam::OpenFile(QWidget* parent, const TFileDialogSpec& spec)
{
    return RunFileDialog(parent, spec, QFileDialog::AcceptOpen);
}

std::optional<QString> TQtDialogSeam::SaveFile(QWidget* parent, const TFileDialogSpec& spec)
{
    return RunFileDialog(parent, spec, QFileDialog::AcceptSave);
}

std::optional<QString> TQtDialogSeam::BrowseFolder(QWidget* parent, const QString& caption)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, caption);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

void TQtDialogSeam::ShowMessage(QWidget* parent, const QString& text, TMessageKind kind)
{
    const QMessageBox::Icon icon = kind == TMessageKind::Error ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}
