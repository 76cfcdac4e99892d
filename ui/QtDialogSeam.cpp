#include "ui/QtDialogSeam.h"

#include <algorithm>
#include <vector>

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "ui/ApplicationTitle.h"
#include "ui/DialogFilter.h"
#include "ui/FontSaveDialog.h"
#include "ui/GlyphEditor.h"

namespace {

// A proposed name without a folder of its own starts in the folder last chosen.
void StartInLastFolder(QFileDialog& dialog, const QString& proposedName, const QString& lastFolder)
{
    if (QFileInfo(proposedName).isRelative() && !lastFolder.isEmpty())
        dialog.setDirectory(lastFolder);
}

std::optional<QString> RunFileDialog(QWidget* parent, const TFileDialogSpec& spec, QFileDialog::AcceptMode mode,
                                     QString& lastFolder)
{
    QFileDialog dialog(parent, spec.Title);
    StartInLastFolder(dialog, spec.FileName, lastFolder);
    dialog.setAcceptMode(mode);
    // Open: the file must exist. Save: the folder must exist, and Qt asks before overwriting.
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    SetFileDialogFilter(dialog, spec.Filter);
    dialog.setDefaultSuffix(spec.DefaultExt);
    dialog.setSizeGripEnabled(true);
    if (!spec.FileName.isEmpty())
        dialog.selectFile(spec.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

// Qt tells families of several foundries apart as "C059 [urw]"; the family is "C059".
QString WithoutFoundry(const QString& family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    return QString(family).remove(foundry);
}

// The dialog lists some families under a name of its own ("C059 [urw]"); it opens on that entry.
QString ListedFamily(const QString& family)
{
    const QStringList listed = QFontDatabase::families();
    if (listed.contains(family))
        return family;
    const auto same = std::find_if(listed.begin(), listed.end(), [&family](const QString& name) {
        return WithoutFoundry(name).compare(family, Qt::CaseInsensitive) == 0;
    });
    return same == listed.end() ? family : *same;
}

} // namespace

std::optional<QString> TQtDialogSeam::OpenFile(QWidget* parent, const TFileDialogSpec& spec)
{
    return RunFileDialog(parent, spec, QFileDialog::AcceptOpen, FLastFolder);
}

std::optional<QString> TQtDialogSeam::SaveFile(QWidget* parent, const TFileDialogSpec& spec)
{
    return RunFileDialog(parent, spec, QFileDialog::AcceptSave, FLastFolder);
}

std::optional<QString> TQtDialogSeam::BrowseFolder(QWidget* parent, const QString& caption)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, caption, FLastFolder);
    if (folder.isEmpty())
        return std::nullopt;
    FLastFolder = folder;
    return folder;
}


std::optional<TFontChoice> TQtDialogSeam::ChooseFont(QWidget* parent, const TFontChoice& current)
{
    QFont font(ListedFamily(current.Family));
    font.setPointSize(std::max(current.SizePoints, 1));
    font.setBold(current.Style & fsBold);
    font.setItalic(current.Style & fsItalic);
    font.setUnderline(current.Style & fsUnderline);
    font.setStrikeOut(current.Style & fsStrikeOut);
    // The dialog selects the style the font names; left to guess from weight and slant it may
    // pick another ("Oblique" for a regular face), and OK would change the font.
    font.setStyleName(QFontInfo(font).styleName());
    QFontDialog dialog(font, parent);
    // A family the dialog does not list (not installed, or a face it files under another family)
    // opens on another entry; confirmed untouched, that entry must not replace the font.
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    if (chosen == shown)
        return current;
    const auto style = static_cast<TFontStyles>((chosen.bold() ? fsBold : 0) | (chosen.italic() ? fsItalic : 0) |
                                                (chosen.underline() ? fsUnderline : 0) |
                                                (chosen.strikeOut() ? fsStrikeOut : 0));
    return TFontChoice{WithoutFoundry(chosen.family()), chosen.pointSize(), style};
}

std::optional<TFontSaveChoice> TQtDialogSeam::SaveFont(QWidget* parent, const TFileDialogSpec& spec, bool saveOptions)
{
    TFontSaveDialog dialog(parent);
    dialog.SetTitle(spec.Title);
    dialog.SetFilter(spec.Filter);
    dialog.SetDefaultExt(spec.DefaultExt);
    StartInLastFolder(dialog, spec.FileName, FLastFolder);
    dialog.SetFileName(spec.FileName);
    dialog.SetSaveOptions(saveOptions);
    if (!dialog.Execute())
        return std::nullopt;
    FLastFolder = QFileInfo(dialog.FileName()).absolutePath();
    return TFontSaveChoice{dialog.FileName(), dialog.SaveOptions()};
}

void TQtDialogSeam::ShowMessage(QWidget* parent, const QString& text, TMessageKind kind)
{
    const QMessageBox::Icon icon = kind == TMessageKind::Error ? QMessageBox::Critical : QMessageBox::Information;
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool TQtDialogSeam::ConfirmDiscard(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), question, QMessageBox::Discard | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Discard;
}

std::optional<int> TQtDialogSeam::ChooseOne(QWidget* parent, const QString& question, const QStringList& choices)
{
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), question, QMessageBox::Cancel, parent);
    std::vector<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons.push_back(box.addButton(choice, QMessageBox::AcceptRole));
    if (!buttons.empty())
        box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    if (chosen == buttons.end())
        return std::nullopt;
    return static_cast<int>(chosen - buttons.begin());
}

bool TQtDialogSeam::EditGlyphs(TGlyphEditor& editor)
{
    return editor.exec() == QDialog::Accepted;
}
