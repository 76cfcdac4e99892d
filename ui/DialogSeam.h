#pragma once
// Every dialog the main window shows goes through this seam, so each command can run
// without a modal dialog in tests.

#include <optional>

#include <QString>
#include <QStringList>

#include "generate/GenerationOptions.h"

class QWidget;
class TGlyphEditor;

// The state of one shared file dialog: what the command sets before showing it,
// and the file name last chosen, which the next showing proposes.
struct TFileDialogSpec {
    QString Title;
    QString Filter; // "Description|pattern;pattern|Description|pattern"
    QString DefaultExt;
    QString FileName;

    // A command's own settings. The name carried over from the last command keeps its folder
    // and stem; an extension the filter does not offer becomes DefaultExt.
    void SetUp(const QString& title, const QString& filter, const QString& defaultExt);
};

enum class TMessageKind { Information, Error };

// A font as the font dialog shows and returns it.
struct TFontChoice {
    QString Family;
    int SizePoints = 0;
    TFontStyles Style = 0;
};

// What the font save dialog returns: the file and whether the options go into it.
struct TFontSaveChoice {
    QString FileName;
    bool SaveOptions = false;
};

class TDialogSeam {
public:
    virtual ~TDialogSeam() = default;

    // An existing file, or nothing when cancelled.
    virtual std::optional<QString> OpenFile(QWidget* parent, const TFileDialogSpec& spec) = 0;
    // Asks before replacing an existing file; nothing when cancelled.
    virtual std::optional<QString> SaveFile(QWidget* parent, const TFileDialogSpec& spec) = 0;
    virtual std::optional<QString> BrowseFolder(QWidget* parent, const QString& caption) = 0;
    // The font dialog opened on Current; nothing when cancelled.
    virtual std::optional<TFontChoice> ChooseFont(QWidget* parent, const TFontChoice& current) = 0;
    // The save dialog with the box "Save Font Options Into Font", ticked as SaveOptions says.
    virtual std::optional<TFontSaveChoice> SaveFont(QWidget* parent, const TFileDialogSpec& spec, bool saveOptions) = 0;
    // A modal box with an OK button, captioned with the application title.
    virtual void ShowMessage(QWidget* parent, const QString& text, TMessageKind kind) = 0;
    // A modal box with the buttons Discard and Cancel; true for Discard.
    virtual bool ConfirmDiscard(QWidget* parent, const QString& question) = 0;
    // A modal box asking Question with one button per choice and Cancel; the index of the
    // choice, the first being the default, or nothing when cancelled.
    virtual std::optional<int> ChooseOne(QWidget* parent, const QString& question, const QStringList& choices) = 0;
    // Runs the glyph editor; true when the user applies its edits.
    virtual bool EditGlyphs(TGlyphEditor& editor) = 0;
};
