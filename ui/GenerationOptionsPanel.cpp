#include "ui/GenerationOptionsPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

QCheckBox* NewCheckBox(QWidget* parent, const char* name, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

QSpinBox* NewSpinBox(QWidget* parent, const char* name, TSpinRange range, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(range.Min, range.Max);
    spin->setValue(value);
    return spin;
}

} // namespace

TGenerationOptionsPanel::TGenerationOptionsPanel(QWidget* parent)
    : QGroupBox(tr("Font Character Generation Options"), parent)
{
    setObjectName(QStringLiteral("gbFontOptions"));
    BuildControls();
    ConnectHandlers();
}

void TGenerationOptionsPanel::BuildControls()
{
    const TGenerationOptions defaults;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 6);
    grid->setVerticalSpacing(0);
    auto span = [grid](QWidget* widget, int row) { grid->addWidget(widget, row, 0, 1, 4); };
    auto pair = [grid](QWidget* left, QWidget* right, int row, int column) {
        grid->addWidget(left, row, column);
        grid->addWidget(right, row, column + 1);
    };
    auto label = [this](const QString& text) { return new QLabel(text, this); };

    cbExtraNarrow = NewCheckBox(this, "cbExtraNarrow", tr("Cut left-right background columns"), defaults.CutLeftRight);
    span(cbExtraNarrow, 0);
    seMinWidth = NewSpinBox(this, "seMinWidth", PixelRange, defaults.MinWidth);
    pair(label(tr("Min width:")), seMinWidth, 1, 0);
    seSpaceWidth = NewSpinBox(this, "seSpaceWidth", PixelRange, defaults.SpaceWidth);
    pair(label(tr("Space chars min width:")), seSpaceWidth, 1, 2);
    cbSameWidthNumbers =
        NewCheckBox(this, "cbSameWidthNumbers", tr("Numbers have same width"), defaults.SameWidthNumbers);
    span(cbSameWidthNumbers, 2);
    cbMinusSameWidth =
        NewCheckBox(this, "cbMinusSameWidth", tr("'-' has same width as numbers"), defaults.MinusSameWidth);
    span(cbMinusSameWidth, 3);
    cbRightMargin = NewCheckBox(this, "cbRightMargin", tr("Right margin:"), defaults.RightMarginOn);
    seRightMargin = NewSpinBox(this, "seRightMargin", PixelRange, defaults.RightMargin);
    pair(cbRightMargin, seRightMargin, 4, 0);
    seMinHeight = NewSpinBox(this, "seMinHeight", PixelRange, defaults.MinHeight);
    pair(label(tr("Min height:")), seMinHeight, 4, 2);
    cbTopCut = NewCheckBox(this, "cbTopCut", tr("Top cut:"), defaults.TopCutOn);
    seTopCut = NewSpinBox(this, "seTopCut", PixelRange, defaults.TopCut);
    pair(cbTopCut, seTopCut, 5, 0);
    cbBottomCut = NewCheckBox(this, "cbBottomCut", tr("Bottom cut:"), defaults.BottomCutOn);
    seBottomCut = NewSpinBox(this, "seBottomCut", PixelRange, defaults.BottomCut);
    pair(cbBottomCut, seBottomCut, 5, 2);
    cbWidth4 = NewCheckBox(this, "cbWidth4", tr("Widths are div. by"), defaults.WidthDivOn);
    seWidthDiv = NewSpinBox(this, "seWidthDiv", WidthDivRange, defaults.WidthDiv);
    pair(cbWidth4, seWidthDiv, 6, 0);
    cbDispInvalidUnicodeChars = NewCheckBox(this, "cbDispInvalidUnicodeChars", tr("Display Invalid Unicode Chars"),
                                            defaults.DisplayInvalidChars);
    // Beside the divisor: one row less keeps the group within the page's design height.
    grid->addWidget(cbDispInvalidUnicodeChars, 6, 2, 1, 2);
    // Kept for the font-information block; no user can change it.
    cbBackColor2 = NewCheckBox(this, "cbBackColor2", tr("Background color2 for 0xA0"), defaults.BackColor2);
    cbBackColor2->setEnabled(false);
    cbBackColor2->hide();
    grid->setRowStretch(7, 1);
}

void TGenerationOptionsPanel::ConnectHandlers()
{
    ConnectEnableRule(cbExtraNarrow, seMinWidth, TPanelOption::CutLeftRight);
    ConnectEnableRule(cbSameWidthNumbers, cbMinusSameWidth, TPanelOption::SameWidthNumbers);
    ConnectEnableRule(cbRightMargin, seRightMargin, TPanelOption::RightMarginOn);
    ConnectEnableRule(cbTopCut, seTopCut, TPanelOption::TopCutOn);
    ConnectEnableRule(cbBottomCut, seBottomCut, TPanelOption::BottomCutOn);
    ConnectEnableRule(cbWidth4, seWidthDiv, TPanelOption::WidthDivOn);
    ConnectHandler(cbMinusSameWidth, TPanelOption::MinusSameWidth);
    ConnectHandler(cbBackColor2, TPanelOption::BackColor2);
    ConnectHandler(cbDispInvalidUnicodeChars, TPanelOption::DisplayInvalidChars);
    ConnectHandler(seMinWidth, TPanelOption::MinWidth);
    ConnectHandler(seSpaceWidth, TPanelOption::SpaceWidth);
    ConnectHandler(seMinHeight, TPanelOption::MinHeight);
    ConnectHandler(seRightMargin, TPanelOption::RightMargin);
    ConnectHandler(seTopCut, TPanelOption::TopCut);
    ConnectHandler(seBottomCut, TPanelOption::BottomCut);
    ConnectHandler(seWidthDiv, TPanelOption::WidthDiv);
}

void TGenerationOptionsPanel::ConnectEnableRule(QCheckBox* box, QWidget* target, TPanelOption option)
{
    target->setEnabled(box->isChecked());
    connect(box, &QCheckBox::toggled, this, [this, target, option](bool checked) {
        target->setEnabled(checked);
        emit OptionChanged(option);
    });
}

void TGenerationOptionsPanel::ConnectHandler(QCheckBox* box, TPanelOption option)
{
    connect(box, &QCheckBox::toggled, this, [this, option] { emit OptionChanged(option); });
}

void TGenerationOptionsPanel::ConnectHandler(QSpinBox* spin, TPanelOption option)
{
    connect(spin, &QSpinBox::valueChanged, this, [this, option] { emit OptionChanged(option); });
}

void TGenerationOptionsPanel::ReadOptions(TGenerationOptions& options) const
{
    options.CutLeftRight = cbExtraNarrow->isChecked();
    options.MinWidth = seMinWidth->value();
    options.SpaceWidth = seSpaceWidth->value();
    options.SameWidthNumbers = cbSameWidthNumbers->isChecked();
    // The tick is kept as it is; EffectiveMinusSameWidth() honours the disabled box.
    options.MinusSameWidth = cbMinusSameWidth->isChecked();
    options.RightMarginOn = cbRightMargin->isChecked();
    options.RightMargin = seRightMargin->value();
    options.TopCutOn = cbTopCut->isChecked();
    options.TopCut = seTopCut->value();
    options.BottomCutOn = cbBottomCut->isChecked();
    options.BottomCut = seBottomCut->value();
    options.MinHeight = seMinHeight->value();
    options.WidthDivOn = cbWidth4->isChecked();
    options.WidthDiv = seWidthDiv->value();
    options.DisplayInvalidChars = cbDispInvalidUnicodeChars->isChecked();
    options.BackColor2 = cbBackColor2->isChecked();
}

void TGenerationOptionsPanel::WriteOptions(const TGenerationOptions& options)
{
    cbExtraNarrow->setChecked(options.CutLeftRight);
    seMinWidth->setValue(options.MinWidth);
    seSpaceWidth->setValue(options.SpaceWidth);
    cbSameWidthNumbers->setChecked(options.SameWidthNumbers);
    cbMinusSameWidth->setChecked(options.MinusSameWidth);
    cbRightMargin->setChecked(options.RightMarginOn);
    seRightMargin->setValue(options.RightMargin);
    cbTopCut->setChecked(options.TopCutOn);
    seTopCut->setValue(options.TopCut);
    cbBottomCut->setChecked(options.BottomCutOn);
    seBottomCut->setValue(options.BottomCut);
    seMinHeight->setValue(options.MinHeight);
    cbWidth4->setChecked(options.WidthDivOn);
    seWidthDiv->setValue(options.WidthDiv);
    cbDispInvalidUnicodeChars->setChecked(options.DisplayInvalidChars);
    cbBackColor2->setChecked(options.BackColor2);
}

void TGenerationOptionsPanel::SetWidthSteps(int step)
{
    seMinWidth->setSingleStep(step);
    seSpaceWidth->setSingleStep(step);
}
