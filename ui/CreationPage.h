#pragma once
// The "Font Creation" page: the preset and type boxes in the left column, the two font pages
// and the generation options. The window connects its controls.

#include <QWidget>

class QComboBox;
class QGroupBox;
class QProgressBar;
class QTabWidget;
class QToolButton;
class TFontPage;
class TGenerationOptionsPanel;

class TCreationPage : public QWidget {
    Q_OBJECT

public:
    explicit TCreationPage(QWidget* parent = nullptr);

    QGroupBox* gbPreset = nullptr;
    QComboBox* cmbPresets = nullptr; // both drop-down lists elide the chosen item in the middle
    QToolButton* btnOpenTable = nullptr;
    QProgressBar* pbFontCreate = nullptr;
    QGroupBox* gbSaveFon = nullptr;
    QComboBox* cmbFonType = nullptr; // the types in the order of TFontType
    QToolButton* btnSaveFon = nullptr;
    QTabWidget* pcFonts = nullptr;
    TFontPage* tsFont01 = nullptr;
    TFontPage* tsFont02 = nullptr;
    TGenerationOptionsPanel* gbFontOptions = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
