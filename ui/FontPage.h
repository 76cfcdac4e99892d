#pragma once
// One font page: "Primary Font" or "Secondary Font". The page edits its controls only; each
// change is reported by its handler's signal, and the window edits the font and regenerates.

#include <QWidget>

#include "generate/GenerationOptions.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QToolButton;
class TFontFamilyCombo;

enum class TFontPageKind { Primary, Secondary };

class TFontPage : public QWidget {
    Q_OBJECT

public:
    explicit TFontPage(TFontPageKind kind, QWidget* parent = nullptr);

    TFontPageKind Kind() const { return FKind; }

    // The page's font fields of the record (FontName... or Font2Name..., TryFont2 and Align2 on
    // the secondary page, ShapeArabic on the primary one).
    // Underline and strike-out come only from the font dialog and are left as they are.
    void ReadOptions(TGenerationOptions& options) const;
    // Values are clamped into the boxes' ranges; the handlers of changed controls report. A
    // family the list lacks is kept by the font while the list selects its first entry.
    void WriteOptions(const TGenerationOptions& options);

    // The secondary page's controls carry the suffix 2.
    TFontFamilyCombo* cmbFont = nullptr;
    QToolButton* btnFont = nullptr;
    QSpinBox* seFontSize = nullptr;
    QCheckBox* cbBold = nullptr;
    QCheckBox* cbItalic = nullptr;
    QSpinBox* seOutline = nullptr;
    QSpinBox* seShift = nullptr;       // rows up
    QComboBox* cmbRendering = nullptr; // the modes in the order of TRenderMode
    QSpinBox* seInk = nullptr;         // enabled for the modes that render coverage
    QCheckBox* cbFont02Try = nullptr; // secondary page only
    QToolButton* btnImportOptions = nullptr; // primary page only
    QCheckBox* cbShapeArabic = nullptr;      // primary page only; for both fonts
    QComboBox* cmbBaseline2 = nullptr;       // secondary page only: "centred", "primary's"

signals:
    void cmbFontChange(const QString& family);
    void btnFontClick();
    void seFontSizeChange(int size);
    void cbBoldClick(bool bold);
    void cbItalicClick(bool italic);
    void seOutlineChange(int outline);
    void seShiftChange(int shift);
    void cbShapeArabicClick(bool shape);
    void cmbBaselineChange(int baseline);
    void cmbRenderingChange(int mode);
    void seInkChange(int ink);
    void cbFont02TryClick(bool tryFont2);
    void btnImportOptionsClick();

private:
    void BuildControls();
    void ConnectHandlers();
    TRenderMode ChosenRenderMode() const;
    void EnableInk();
    QString Named(const char* name) const;

    TFontPageKind FKind;
};
