#pragma once
// Every dialog the main window shows goes through this seam, so each command can run
// without a modal dialog in tests.

#include <optional>

#include <QString>

class QWidget;

// The state of one shared file dialog: what the command sets before showing it,
// and the file name last chosen, which the next showing proposes.
struct TFileDialogSpec {
    QString Title;
    QString Filter; // "Description|pattern;pattern|Description|pattern"
    QString DefaultExt;
    QString FileName;
};

enum class TMessageKind { Information, Error };

class TDialogSeam {
public:
    virtual ~TDialogSeam() = default;

    // An existing file, or nothing when cancelled.
    virtual std::optional<QString> OpenFile(QWidget* parent, const TFileDialogSpec& spec) = 0;
    // Asks before replacing an existing file; nothing when cancelled.
    virtual std::optional<QString> SaveFile(QWidget* parent, const TFileDialogSpec& spec) = 0;
    virtual std::optional<QString> BrowseFolder(QWidget* parent, const QString& caption) = 0;
    // A modal box with an OK button, captioned with the application title.
    virtual void ShowMessage(QWidget* parent, const QString& text, TMessageKind kind) = 0;
};
