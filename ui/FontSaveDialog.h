#pragma once
// The save-file dialog with one addition below the standard controls: the check box
// "Save Font Options Into Font", whose state the caller sets before and reads after Execute.

#include <QFileDialog>
#include <QString>

class QCheckBox;
class QFrame;

class TFontSaveDialog : public QFileDialog {
    Q_OBJECT
    Q_PROPERTY(bool SaveOptions READ SaveOptions WRITE SetSaveOptions)

public:
    explicit TFontSaveDialog(QWidget* parent = nullptr);

    bool SaveOptions() const;
    void SetSaveOptions(bool save);

    void SetTitle(const QString& title) { setWindowTitle(title); }
    // "Description|pattern;pattern|..." pairs.
    void SetFilter(const QString& filter);
    // Added to a typed name that has no extension.
    void SetDefaultExt(const QString& extension) { setDefaultSuffix(extension); }
    // The proposed name; a name with a folder also opens that folder.
    void SetFileName(const QString& fileName) { selectFile(fileName); }
    // Without the check box the dialog is the plain save dialog, and SaveOptions keeps what
    // the caller set.
    void SetOldStyle(bool oldStyle);

    // Runs the dialog modally; true when a file name was confirmed.
    bool Execute();
    QString FileName() const;

    void done(int result) override;

private:
    void PlaceBottomPanel();

    QFrame* FBottomPanel = nullptr;
    QCheckBox* FSaveFontInfo = nullptr;
};
