#pragma once
// The dialogs of the running program: Qt's file dialogs and message boxes.

#include "ui/DialogSeam.h"

class TQtDialogSeam : public TDialogSeam {
public:
    std::optional<QString> OpenFile(QWidget* parent, const TFileDialogSpec& spec) override;
    std::optional<QString> SaveFile(QWidget* parent, const TFileDialogSpec& spec) override;
    std::optional<QString> BrowseFolder(QWidget* parent, const QString& caption) override;
    std::optional<TFontChoice> ChooseFont(QWidget* parent, const TFontChoice& current) override;
    std::optional<TFontSaveChoice> SaveFont(QWidget* parent, const TFileDialogSpec& spec, bool saveOptions) override;
    void ShowMessage(QWidget* parent, const QString& text, TMessageKind kind) override;
    bool ConfirmDiscard(QWidget* parent, const QString& question) override;
    std::optional<int> ChooseOne(QWidget* parent, const QString& question, const QStringList& choices) override;
    bool EditGlyphs(TGlyphEditor& editor) override;

private:
    // The folder of the last file or folder chosen, as the desktop's own dialogs remember it.
    QString FLastFolder;
};
