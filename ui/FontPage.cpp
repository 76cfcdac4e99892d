#include "ui/FontPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "ui/CoreText.h"
#include "ui/FontFamilyCombo.h"

TFontPage::TFontPage(TFontPageKind kind, QWidget* parent) : QWidget(parent), FKind(kind)
{
    setObjectName(kind == TFontPageKind::Primary ? QStringLiteral("tsFont01") : QStringLiteral("tsFont02"));
    BuildControls();
    ConnectHandlers();
}

QString TFontPage::Named(const char* name) const
{
    const QString base = QString::fromLatin1(name);
    return FKind == TFontPageKind::Primary ? base : base + QLatin1Char('2');
}

void TFontPage::BuildControls()
{
    const TGenerationOptions defaults;
    const bool primary = FKind == TFontPageKind::Primary;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(0); // six rows fit the page's design height
    auto button = [this](const QString& name, const QString& hint) {
        auto* tool = new QToolButton(this);
        tool->setObjectName(name);
        tool->setText(QStringLiteral("..."));
        tool->setToolTip(hint);
        return tool;
    };
    auto checkBox = [this](const QString& name, const QString& caption, bool checked) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(name);
        box->setChecked(checked);
        return box;
    };
    auto spinBox = [this](const QString& name, TSpinRange range, int value) {
        auto* spin = new QSpinBox(this);
        spin->setObjectName(name);
        spin->setRange(range.Min, range.Max);
        spin->setValue(value);
        return spin;
    };

    int row = 0;
    if (!primary) {
        cbFont02Try = checkBox(QStringLiteral("cbFont02Try"),
                               tr("Try to display Primary Font's invalid chars with this font:"), defaults.TryFont2);
        grid->addWidget(cbFont02Try, row++, 0, 1, 5);
    }
    cmbFont = new TFontFamilyCombo(this);
    cmbFont->setObjectName(Named("cmbFont"));
    cmbFont->setMaxVisibleItems(20);
    // Sized for a usual family name, not the longest one installed.
    cmbFont->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbFont->setMinimumContentsLength(14);
    grid->addWidget(cmbFont, row, 0, 1, 4);
    btnFont = button(Named("btnFont"), tr("Font dialog..."));
    grid->addWidget(btnFont, row++, 4);

    seFontSize = spinBox(Named("seFontSize"), FontSizeRange, primary ? defaults.FontSize : defaults.Font2Size);
    grid->addWidget(new QLabel(tr("Size:"), this), row, 0);
    grid->addWidget(seFontSize, row, 1);
    cbBold = checkBox(Named("cbBold"), tr("Bold"), false);
    grid->addWidget(cbBold, row, 2);
    cbItalic = checkBox(Named("cbItalic"), tr("Italic"), false);
    grid->addWidget(cbItalic, row++, 3);

    // The minimum of 0 turns a negative entry into 0.
    seOutline = spinBox(Named("seOutline"), PixelRange, 0);
    grid->addWidget(new QLabel(tr("Outline:"), this), row, 0);
    grid->addWidget(seOutline, row, 1);
    seShift = spinBox(Named("seShift"), ShiftRange, 0);
    seShift->setToolTip(tr("Rows the glyphs move up (down when negative)"));
    grid->addWidget(new QLabel(tr("Shift:"), this), row, 2, Qt::AlignRight);
    grid->addWidget(seShift, row++, 3, Qt::AlignLeft);

    cmbRendering = new QComboBox(this);
    cmbRendering->setObjectName(Named("cmbRendering"));
    for (const TRenderModeName& name : RenderModeNames())
        cmbRendering->addItem(CoreText(name.Caption));
    seInk = spinBox(Named("seInk"), InkRange, DefaultInk);
    seInk->setToolTip(tr("Coverage from which a pixel is ink: lower is bolder"));
    auto* renderingRow = new QHBoxLayout;
    renderingRow->addWidget(cmbRendering);
    renderingRow->addWidget(new QLabel(tr("Ink:"), this));
    renderingRow->addWidget(seInk);
    renderingRow->addStretch(1);
    grid->addWidget(new QLabel(tr("Rendering:"), this), row, 0);
    grid->addLayout(renderingRow, row++, 1, 1, 4);

    if (primary) {
        cbShapeArabic = checkBox(QStringLiteral("cbShapeArabic"), tr("Shape Arabic forms"), defaults.ShapeArabic);
        cbShapeArabic->setToolTip(
            tr("Presentation forms the fonts lack are drawn by their shaping, and joining forms stay joined"));
        grid->addWidget(cbShapeArabic, row++, 0, 1, 5);
        grid->addWidget(new QLabel(tr("Import options from file or filename:"), this), row, 0, 1, 4);
        btnImportOptions = button(QStringLiteral("btnImportOptions"), tr("Import options from filename..."));
        grid->addWidget(btnImportOptions, row++, 4);
    } else {
        cmbBaseline2 = new QComboBox(this);
        cmbBaseline2->setObjectName(QStringLiteral("cmbBaseline2"));
        // In the order of TSecondaryBaseline.
        cmbBaseline2->addItems({tr("centred"), tr("primary's")});
        grid->addWidget(new QLabel(tr("Baseline:"), this), row, 0);
        grid->addWidget(cmbBaseline2, row++, 1, 1, 2);
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
}

void TFontPage::ConnectHandlers()
{
    connect(cmbFont, &TFontFamilyCombo::FamilyChanged, this, &TFontPage::cmbFontChange);
    connect(btnFont, &QToolButton::clicked, this, &TFontPage::btnFontClick);
    connect(seFontSize, &QSpinBox::valueChanged, this, &TFontPage::seFontSizeChange);
    connect(cbBold, &QCheckBox::toggled, this, &TFontPage::cbBoldClick);
    connect(cbItalic, &QCheckBox::toggled, this, &TFontPage::cbItalicClick);
    connect(seOutline, &QSpinBox::valueChanged, this, &TFontPage::seOutlineChange);
    connect(seShift, &QSpinBox::valueChanged, this, &TFontPage::seShiftChange);
    connect(cmbRendering, &QComboBox::currentIndexChanged, this, [this](int mode) {
        EnableInk();
        emit cmbRenderingChange(mode);
    });
    connect(seInk, &QSpinBox::valueChanged, this, &TFontPage::seInkChange);
    if (cbFont02Try)
        connect(cbFont02Try, &QCheckBox::toggled, this, &TFontPage::cbFont02TryClick);
    if (btnImportOptions)
        connect(btnImportOptions, &QToolButton::clicked, this, &TFontPage::btnImportOptionsClick);
    if (cbShapeArabic)
        connect(cbShapeArabic, &QCheckBox::toggled, this, &TFontPage::cbShapeArabicClick);
    if (cmbBaseline2)
        connect(cmbBaseline2, &QComboBox::currentIndexChanged, this, &TFontPage::cmbBaselineChange);
}

TRenderMode TFontPage::ChosenRenderMode() const
{
    return RenderModeFromValue(cmbRendering->currentIndex()).value_or(TRenderMode::Smooth);
}

void TFontPage::EnableInk()
{
    seInk->setEnabled(TRendering{ChosenRenderMode()}.UsesInk());
}

void TFontPage::ReadOptions(TGenerationOptions& options) const
{
    const bool primary = FKind == TFontPageKind::Primary;
    TFontStyles& style = primary ? options.FontStyle : options.Font2Style;
    style = static_cast<TFontStyles>((style & ~(fsBold | fsItalic)) | (cbBold->isChecked() ? fsBold : 0) |
                                     (cbItalic->isChecked() ? fsItalic : 0));
    (primary ? options.FontName : options.Font2Name) = cmbFont->Family().toStdString();
    (primary ? options.FontSize : options.Font2Size) = seFontSize->value();
    (primary ? options.Outline : options.Outline2) = seOutline->value();
    (primary ? options.Shift : options.Shift2) = seShift->value();
    if (cbShapeArabic)
        options.ShapeArabic = cbShapeArabic->isChecked();
    if (cmbBaseline2)
        options.Align2 = cmbBaseline2->currentIndex() == 1 ? TSecondaryBaseline::Primary : TSecondaryBaseline::Centred;
    (primary ? options.RenderMode : options.RenderMode2) = ChosenRenderMode();
    (primary ? options.Ink : options.Ink2) = seInk->value();
    if (cbFont02Try)
        options.TryFont2 = cbFont02Try->isChecked();
}

void TFontPage::WriteOptions(const TGenerationOptions& options)
{
    const bool primary = FKind == TFontPageKind::Primary;
    const TFontStyles style = primary ? options.FontStyle : options.Font2Style;
    cmbFont->SelectFamilyOrFirst(QString::fromStdString(primary ? options.FontName : options.Font2Name));
    seFontSize->setValue(primary ? options.FontSize : options.Font2Size);
    cbBold->setChecked(style & fsBold);
    cbItalic->setChecked(style & fsItalic);
    seOutline->setValue(primary ? options.Outline : options.Outline2);
    seShift->setValue(primary ? options.Shift : options.Shift2);
    if (cbShapeArabic)
        cbShapeArabic->setChecked(options.ShapeArabic);
    if (cmbBaseline2)
        cmbBaseline2->setCurrentIndex(options.Align2 == TSecondaryBaseline::Primary ? 1 : 0);
    cmbRendering->setCurrentIndex(static_cast<int>(primary ? options.RenderMode : options.RenderMode2));
    seInk->setValue(primary ? options.Ink : options.Ink2);
    if (cbFont02Try)
        cbFont02Try->setChecked(options.TryFont2);
}
