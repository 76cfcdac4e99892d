#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "ui/ApplicationTitle.h"
#include "ui/Icons.h"
#include "ui/PreviewArea.h"
#include "ui/SplitterBar.h"

namespace {

constexpr int PictureButtonSize = 28;

// The window's own font: "Tahoma" 8 pt where installed, else the desktop's family at the
// same 8 points, for which the fixed layout is made.
QFont WindowFont()
{
    QFont font = QFontDatabase::hasFamily(QStringLiteral("Tahoma")) ? QFont(QStringLiteral("Tahoma"))
                                                                     : QGuiApplication::font();
    font.setPointSize(8);
    return font;
}

template <class T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QToolButton* PictureButton(QWidget* parent, const char* name, TIcon icon, const QString& hint)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setFixedSize(PictureButtonSize, PictureButtonSize);
    button->setIcon(MakeIcon(icon));
    button->setIconSize(QSize(IconSize, IconSize));
    button->setToolTip(hint);
    return button;
}

QSpinBox* SpinEdit(QWidget* parent, const char* name, TSpinRange range, int value)
{
    auto* spin = Named(new QSpinBox(parent), name);
    spin->setRange(range.Min, range.Max);
    spin->setValue(value);
    return spin;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption, bool checked)
{
    auto* box = Named(new QCheckBox(caption, parent), name);
    box->setChecked(checked);
    return box;
}

QGridLayout* CompactGrid(QWidget* owner)
{
    auto* grid = new QGridLayout(owner);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    return grid;
}

} // namespace

TfrmMain::TfrmMain(QString defaultTableFile, std::unique_ptr<TDialogSeam> dialogs, QWidget* parent)
    : QWidget(parent)
    , FDefaultTableFile(std::move(defaultTableFile))
    , FDialogs(std::move(dialogs))
{
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ApplicationTitle());
    setFont(WindowFont());
    FMtkFont = NewStore();
    BuildControls();
    resize(DesignClientWidth, DesignClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    LayoutControls();

    // Nothing is generated here: no table is loaded yet, so each refresh returns at once.
    SelectDefaultFonts();
    ConnectOptionControls();
    UpdateFontCoverage();
    cmbFonType->setCurrentIndex(ftFourColorOld);
    seMinWidth->setSingleStep(1);
    seSpaceWidth->setSingleStep(1);
    DrawSampleText(edSampleText->text());
}

void TfrmMain::BuildControls()
{
    pcMain = Named(new QTabWidget(this), "pcMain");
    tsCreation = BuildCreationPage();
    tsTools = BuildToolsPage();
    pcMain->addTab(tsCreation, QStringLiteral("Font Creation"));
    pcMain->addTab(tsTools, QStringLiteral("Font Tools"));
    pcMain->resize(DesignClientWidth, DesignPageControlHeight);
    connect(pcMain, &QTabWidget::currentChanged, this, &TfrmMain::pcMainChange);

    FPreviewArea = Named(new TPreviewArea(this, [this](QPoint p) { FormMouseMove(p.x(), p.y() + FPreviewArea->y()); }),
                         "PreviewArea");
    Splitter = Named(new TSplitterBar(this,
                                      [this](int top) {
                                          pcMain->resize(width(), TSplitterBar::ClampedHeight(
                                                                      top, height(), StatusBar->height()));
                                          LayoutControls();
                                          SplitterMoved();
                                      }),
                     "Splitter");
    BuildStatusBar();
}

QWidget* TfrmMain::BuildCreationPage()
{
    auto* page = Named(new QWidget, "tsCreation");

    auto* gbPreset = Named(new QGroupBox(QStringLiteral("Preset"), page), "gbPreset");
    gbPreset->setGeometry(4, 2, 186, 56);
    cmbPresets = Named(new QComboBox(gbPreset), "cmbPresets");
    cmbPresets->setGeometry(8, 22, 136, 22);
    connect(cmbPresets, &QComboBox::activated, this, [this] { RunHandler([this] { cmbPresetsChange(); }); });
    btnOpenTable = PictureButton(gbPreset, "btnOpenTable", TIcon::OpenTable,
                                 QStringLiteral("Select Unicode Conversion Table..."));
    btnOpenTable->move(150, 19);
    connect(btnOpenTable, &QToolButton::clicked, this, [this] { RunHandler([this] { btnOpenTableClick(); }); });
    pbFontCreate = Named(new QProgressBar(gbPreset), "pbFontCreate");
    pbFontCreate->setGeometry(8, 22, 136, 22);
    pbFontCreate->setTextVisible(false);
    pbFontCreate->hide();

    auto* gbSaveFon = Named(new QGroupBox(QStringLiteral("Save Mediatek Font"), page), "gbSaveFon");
    gbSaveFon->setGeometry(4, 62, 186, 56);
    cmbFonType = Named(new QComboBox(gbSaveFon), "cmbFonType");
    cmbFonType->setGeometry(8, 22, 136, 22);
    cmbFonType->addItems({QStringLiteral("4 color compr., variable width (OLD compatibility mode)"),
                          QStringLiteral("4 color compr., variable width (NEW mode)"),
                          QStringLiteral("2 color uncompr., fix width")});
    btnSaveFon = PictureButton(gbSaveFon, "btnSaveFon", TIcon::SaveFont, QStringLiteral("Save As Mediatek Font..."));
    btnSaveFon->move(150, 19);

    pcFonts = Named(new QTabWidget(page), "pcFonts");
    pcFonts->setGeometry(194, 2, 230, 198);
    pcFonts->addTab(BuildFontPage(false), QStringLiteral("Primary Font"));
    pcFonts->addTab(BuildFontPage(true), QStringLiteral("Secondary Font"));

    QWidget* options = BuildOptionsGroup();
    options->setParent(page);
    options->setGeometry(428, 2, 308, 198);
    return page;
}

QWidget* TfrmMain::BuildFontPage(bool secondary)
{
    auto* page = Named(new QWidget, secondary ? "tsFont02" : "tsFont01");
    auto* grid = CompactGrid(page);
    int row = 0;
    if (secondary) {
        cbFont02Try = CheckBox(page, "cbFont02Try",
                               QStringLiteral("Try to display Primary Font's invalid chars with this font:"), true);
        grid->addWidget(cbFont02Try, row++, 0, 1, 5);
    }
    QComboBox*& family = secondary ? cmbFont2 : cmbFont;
    family = Named(new QComboBox(page), secondary ? "cmbFont2" : "cmbFont");
    family->setMaxVisibleItems(20);
    grid->addWidget(family, row, 0, 1, 4);
    QToolButton*& dialog = secondary ? btnFont2 : btnFont;
    dialog = PictureButton(page, secondary ? "btnFont2" : "btnFont", TIcon::FontDialog, QStringLiteral("Font dialog..."));
    grid->addWidget(dialog, row++, 4);

    QSpinBox*& size = secondary ? seFontSize2 : seFontSize;
    size = SpinEdit(page, secondary ? "seFontSize2" : "seFontSize", FontSizeRange, secondary ? 14 : 16);
    grid->addWidget(new QLabel(QStringLiteral("Size:"), page), row, 0);
    grid->addWidget(size, row++, 1);
    QCheckBox*& bold = secondary ? cbBold2 : cbBold;
    bold = CheckBox(page, secondary ? "cbBold2" : "cbBold", QStringLiteral("Bold"), false);
    grid->addWidget(bold, row, 0, 1, 2);
    QCheckBox*& italic = secondary ? cbItalic2 : cbItalic;
    italic = CheckBox(page, secondary ? "cbItalic2" : "cbItalic", QStringLiteral("Italic"), false);
    grid->addWidget(italic, row++, 2, 1, 2);

    QSpinBox*& outline = secondary ? seOutline2 : seOutline;
    outline = SpinEdit(page, secondary ? "seOutline2" : "seOutline", PixelRange, 0);
    grid->addWidget(new QLabel(QStringLiteral("Outline:"), page), row, 0);
    grid->addWidget(outline, row++, 1);

    if (!secondary) {
        auto* label = new QLabel(QStringLiteral("Import options from file or filename:"), page);
        grid->addWidget(label, row, 0, 1, 4);
        btnImportOptions = PictureButton(page, "btnImportOptions", TIcon::ImportOptions,
                                         QStringLiteral("Import options from filename..."));
        grid->addWidget(btnImportOptions, row++, 4);
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget* TfrmMain::BuildOptionsGroup()
{
    const TGenerationOptions defaults;
    auto* group = Named(new QGroupBox(QStringLiteral("Font Character Generation Options")), "gbFontOptions");
    auto* grid = CompactGrid(group);
    auto span = [grid](QWidget* widget, int row) { grid->addWidget(widget, row, 0, 1, 4); };
    auto pair = [grid](QWidget* left, QWidget* right, int row, int column) {
        grid->addWidget(left, row, column);
        grid->addWidget(right, row, column + 1);
    };
    auto label = [group](const char* text) { return new QLabel(QString::fromLatin1(text), group); };

    cbExtraNarrow = CheckBox(group, "cbExtraNarrow", QStringLiteral("Cut left-right background columns"),
                             defaults.CutLeftRight);
    span(cbExtraNarrow, 0);
    seMinWidth = SpinEdit(group, "seMinWidth", PixelRange, defaults.MinWidth);
    pair(label("Min width:"), seMinWidth, 1, 0);
    seSpaceWidth = SpinEdit(group, "seSpaceWidth", PixelRange, defaults.SpaceWidth);
    grid->addWidget(label("Space chars min width:"), 2, 0, 1, 3);
    grid->addWidget(seSpaceWidth, 2, 3);
    cbSameWidthNumbers = CheckBox(group, "cbSameWidthNumbers", QStringLiteral("Numbers have same width"),
                                  defaults.SameWidthNumbers);
    span(cbSameWidthNumbers, 3);
    cbMinusSameWidth = CheckBox(group, "cbMinusSameWidth", QStringLiteral("'-' has same width as numbers"),
                                defaults.MinusSameWidth);
    span(cbMinusSameWidth, 4);
    cbRightMargin = CheckBox(group, "cbRightMargin", QStringLiteral("Right margin:"), defaults.RightMarginOn);
    seRightMargin = SpinEdit(group, "seRightMargin", PixelRange, defaults.RightMargin);
    pair(cbRightMargin, seRightMargin, 5, 0);
    seMinHeight = SpinEdit(group, "seMinHeight", PixelRange, defaults.MinHeight);
    pair(label("Min height:"), seMinHeight, 1, 2);
    cbTopCut = CheckBox(group, "cbTopCut", QStringLiteral("Top cut:"), defaults.TopCutOn);
    seTopCut = SpinEdit(group, "seTopCut", PixelRange, defaults.TopCut);
    pair(cbTopCut, seTopCut, 6, 0);
    cbBottomCut = CheckBox(group, "cbBottomCut", QStringLiteral("Bottom cut:"), defaults.BottomCutOn);
    seBottomCut = SpinEdit(group, "seBottomCut", PixelRange, defaults.BottomCut);
    pair(cbBottomCut, seBottomCut, 5, 2);
    cbWidth4 = CheckBox(group, "cbWidth4", QStringLiteral("Widths are div. by"), defaults.WidthDivOn);
    seWidthDiv = SpinEdit(group, "seWidthDiv", WidthDivRange, defaults.WidthDiv);
    pair(cbWidth4, seWidthDiv, 6, 2);
    cbDispInvalidUnicodeChars = CheckBox(group, "cbDispInvalidUnicodeChars",
                                         QStringLiteral("Display Invalid Unicode Chars"), defaults.DisplayInvalidChars);
    span(cbDispInvalidUnicodeChars, 7);
    // Kept for the font-information block; no user can change it.
    cbBackColor2 = CheckBox(group, "cbBackColor2", QStringLiteral("Background color2 for 0xA0"), defaults.BackColor2);
    cbBackColor2->setEnabled(false);
    cbBackColor2->hide();

    seMinWidth->setEnabled(cbExtraNarrow->isChecked());
    cbMinusSameWidth->setEnabled(cbSameWidthNumbers->isChecked());
    seRightMargin->setEnabled(cbRightMargin->isChecked());
    seTopCut->setEnabled(cbTopCut->isChecked());
    seBottomCut->setEnabled(cbBottomCut->isChecked());
    seWidthDiv->setEnabled(cbWidth4->isChecked());
    for (QSpinBox* spin : group->findChildren<QSpinBox*>())
        spin->setMaximumWidth(46);
    grid->setVerticalSpacing(0);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(8, 1);
    return group;
}

QWidget* TfrmMain::BuildToolsPage()
{
    auto* page = Named(new QWidget, "tsTools");
    auto* gbImportExport = Named(new QGroupBox(QStringLiteral("Import && Export"), page),
                                 "gbImportExport");
    gbImportExport->setGeometry(4, 2, 7 * (PictureButtonSize + 2) + 14, 56);
    auto* row = new QHBoxLayout(gbImportExport);
    row->setContentsMargins(6, 2, 6, 4);
    row->setSpacing(2);
    struct TCommand {
        QToolButton*& Button;
        const char* Name;
        TIcon Icon;
        const char* Hint;
        void (TfrmMain::*Handler)();
    };
    const TCommand commands[] = {
        {btnOpenMTF, "btnOpenMTF", TIcon::OpenFont, "Open Mediatek Font...", &TfrmMain::btnOpenMTFClick},
        {btnSaveMTF, "btnSaveMTF", TIcon::SaveFont, "Save Mediatek Font...", &TfrmMain::btnSaveMTFClick},
        {btnOpenBMP, "btnOpenBMP", TIcon::ImportBmp, "Import from BMP...", &TfrmMain::btnOpenBMPClick},
        {btnSaveBMP, "btnSaveBMP", TIcon::ExportBmp, "Export to BMP...", &TfrmMain::btnSaveBMPClick},
        {btnExportSeparateBMP, "btnExportSeparateBMP", TIcon::ExportSeparateBmps,
         "Export Characters to Separate BMPs...", &TfrmMain::btnExportSeparateBMPClick},
        {btnOpenTXT, "btnOpenTXT", TIcon::ImportText, "Import from FonTool Text format...",
         &TfrmMain::btnOpenTXTClick},
        {btnSaveTXT, "btnSaveTXT", TIcon::ExportText, "Export to FonTool Text format...", &TfrmMain::btnSaveTXTClick},
    };
    for (const TCommand& command : commands) {
        command.Button = PictureButton(gbImportExport, command.Name, command.Icon, QString::fromLatin1(command.Hint));
        row->addWidget(command.Button);
        const auto handler = command.Handler;
        connect(command.Button, &QToolButton::clicked, this, [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
    }

    edSampleText = Named(new QLineEdit(QStringLiteral("Sample Text"), page), "edSampleText");
    edSampleText->setGeometry(4, 64, 220, 21);
    connect(edSampleText, &QLineEdit::textChanged, this, [this](const QString& text) { DrawSampleText(text); });
    lblSampleTextWinInfo = Named(new QLabel(page), "lblSampleTextWinInfo");
    lblSampleTextWinInfo->setGeometry(232, 66, 400, 17);
    imgSampleText = Named(new QLabel(page), "imgSampleText");
    imgSampleText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgSampleText->move(4, 90);
    return page;
}

void TfrmMain::BuildStatusBar()
{
    StatusBar = Named(new QStatusBar(this), "StatusBar");
    StatusBar->setSizeGripEnabled(false);
    for (int panel = 0; panel < 2; ++panel) {
        FStatusPanels[panel] = new QLabel(StatusBar);
        FStatusPanels[panel]->setFrameShape(QFrame::Panel);
        FStatusPanels[panel]->setFrameShadow(QFrame::Sunken);
    }
    FStatusPanels[0]->setFixedWidth(350);
    FStatusPanels[1]->setMinimumWidth(50);
    StatusBar->addWidget(FStatusPanels[0]);
    StatusBar->addWidget(FStatusPanels[1], 1);
}

void TfrmMain::ConnectOptionControls()
{
    for (QSpinBox* spin : {seFontSize, seFontSize2, seOutline, seOutline2, seMinWidth, seSpaceWidth, seRightMargin,
                           seTopCut, seBottomCut, seMinHeight, seWidthDiv})
        connect(spin, &QSpinBox::valueChanged, this, [this] { RunHandler([this] { OptionChanged(); }); });
    for (QCheckBox* box : {cbBold, cbItalic, cbBold2, cbItalic2, cbExtraNarrow, cbSameWidthNumbers, cbMinusSameWidth,
                           cbRightMargin, cbTopCut, cbBottomCut, cbWidth4, cbDispInvalidUnicodeChars})
        connect(box, &QCheckBox::toggled, this, [this] { RunHandler([this] { OptionChanged(); }); });
    for (QComboBox* family : {cmbFont, cmbFont2})
        connect(family, &QComboBox::currentIndexChanged, this, [this] { RunHandler([this] { FontChanged(); }); });
    connect(cbFont02Try, &QCheckBox::toggled, this, [this] { RunHandler([this] { FontChanged(); }); });
}

void TfrmMain::SelectDefaultFonts()
{
    QStringList families;
    for (const std::string& family : TFontEngine::Families())
        families << QString::fromStdString(family);
    cmbFont->addItems(families);
    cmbFont2->addItems(families);

    // "Arial Narrow" when installed, else the window's own family, else the desktop's sans serif.
    QString primary = QString::fromStdString(DefaultPrimaryFamily());
    if (primary != QStringLiteral("Arial Narrow") && families.contains(font().family()))
        primary = font().family();
    cmbFont->setCurrentIndex(static_cast<int>(families.indexOf(primary)));
    const TDefaultFont secondary = DefaultSecondaryFont();
    cmbFont2->setCurrentIndex(static_cast<int>(families.indexOf(QString::fromStdString(secondary.Family))));
    seFontSize->setValue(16);
    seFontSize2->setValue(secondary.SizePoints);
}

void TfrmMain::LayoutControls()
{
    const int pageHeight = pcMain->height();
    pcMain->setGeometry(0, 0, width(), pageHeight);
    Splitter->setGeometry(0, pageHeight, width(), SplitterHeight);
    const int statusHeight = StatusBar->sizeHint().height();
    StatusBar->setGeometry(0, height() - statusHeight, width(), statusHeight);
    FPreviewArea->setGeometry(0, pageHeight, width(), std::max(height() - statusHeight - pageHeight, 0));
    Splitter->raise();
    StatusBar->raise();
    // The sample image grows with the page: 720 x 96 at the design size.
    imgSampleText->resize(std::max(width() - (DesignClientWidth - 720), 0),
                          std::max(pageHeight - (DesignPageControlHeight - 96), 0));
}

QString TfrmMain::StatusPanelText(int panel) const
{
    return FStatusPanels[panel]->text();
}

TGenerationOptions TfrmMain::ReadOptions() const
{
    TGenerationOptions options;
    auto style = [](const QCheckBox* bold, const QCheckBox* italic) {
        return static_cast<TFontStyles>((bold->isChecked() ? fsBold : 0) | (italic->isChecked() ? fsItalic : 0));
    };
    options.FontName = cmbFont->currentText().toStdString();
    options.FontSize = seFontSize->value();
    options.FontStyle = style(cbBold, cbItalic);
    options.Outline = seOutline->value();
    options.Font2Name = cmbFont2->currentText().toStdString();
    options.Font2Size = seFontSize2->value();
    options.Font2Style = style(cbBold2, cbItalic2);
    options.Outline2 = seOutline2->value();
    options.TryFont2 = cbFont02Try->isChecked();
    options.CutLeftRight = cbExtraNarrow->isChecked();
    options.MinWidth = seMinWidth->value();
    options.SpaceWidth = seSpaceWidth->value();
    options.SameWidthNumbers = cbSameWidthNumbers->isChecked();
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
    options.FontType = cmbFonType->currentIndex();
    options.BackColor2 = cbBackColor2->isChecked();
    return options;
}
