#pragma once
// The group "Font Character Generation Options": the width and cut rule controls, which keep
// their enable rules themselves and report which option the user changed.

#include <QGroupBox>

#include "generate/GenerationOptions.h"

class QCheckBox;
class QSpinBox;

// The options of the group, as its change signal names them.
enum class TPanelOption {
    CutLeftRight,
    MinWidth,
    SpaceWidth,
    SameWidthNumbers,
    MinusSameWidth,
    RightMarginOn,
    RightMargin,
    TopCutOn,
    TopCut,
    BottomCutOn,
    BottomCut,
    MinHeight,
    WidthDivOn,
    WidthDiv,
    DisplayInvalidChars,
    BackColor2,
};

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
    // After the enable rules; the window takes the change and regenerates.
    void OptionChanged(TPanelOption option);

private:
    void BuildControls();
    void ConnectHandlers();
    // Enables Target exactly while Box is ticked.
    void ConnectEnableRule(QCheckBox* box, QWidget* target, TPanelOption option);
    void ConnectHandler(QCheckBox* box, TPanelOption option);
    void ConnectHandler(QSpinBox* spin, TPanelOption option);
};
