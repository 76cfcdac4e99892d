#pragma once
// The group "Font Character Generation Options": the width and cut rule controls, which keep
// their enable rules themselves and report every change by the name of its handler.

#include <QGroupBox>
#include <QString>

#include "generate/GenerationOptions.h"

class QCheckBox;
class QSpinBox;

class TGenerationOptionsPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit TGenerationOptionsPanel(QWidget* parent = nullptr);

    // Fills the panel's fields of the record; the others stay as they are.
    void ReadOptions(TGenerationOptions& options) const;
    // Values are clamped into the boxes' ranges; the handlers of changed controls run, so the
    // enable rules follow as after a user's change.
    void WriteOptions(const TGenerationOptions& options);

    // Spin step of the minimum and space width boxes: 4 while the fixed-width type holds.
    void SetWidthSteps(int step);

    QCheckBox* cbExtraNarrow = nullptr;
    QSpinBox* seMinWidth = nullptr;
    QSpinBox* seSpaceWidth = nullptr;
    QCheckBox* cbSameWidthNumbers = nullptr;
    QCheckBox* cbMinusSameWidth = nullptr;
    QCheckBox* cbRightMargin = nullptr;
    QSpinBox* seRightMargin = nullptr;
    QSpinBox* seMinHeight = nullptr;
    QCheckBox* cbTopCut = nullptr;
    QSpinBox* seTopCut = nullptr;
    QCheckBox* cbBottomCut = nullptr;
    QSpinBox* seBottomCut = nullptr;
    QCheckBox* cbWidth4 = nullptr;
    QSpinBox* seWidthDiv = nullptr;
    QCheckBox* cbDispInvalidUnicodeChars = nullptr;
    QCheckBox* cbBackColor2 = nullptr;

signals:
    // After the handler's own work; the window requests a regeneration and refreshes.
    void OptionChanged(const QString& handlerName);

private:
    void BuildControls();
    void ConnectHandlers();
    // Enables Target exactly while Box is ticked.
    void ConnectEnableRule(QCheckBox* box, QWidget* target, const char* handlerName);
    void ConnectHandler(QCheckBox* box, const char* handlerName);
    void ConnectHandler(QSpinBox* spin, const char* handlerName);
};
