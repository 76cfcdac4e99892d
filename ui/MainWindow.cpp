#include "ui/MainWindow.h"

#include <algorithm>

#include <QComboBox>
#include <QFontDatabase>
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

#include "font/FileFormats.h"
#include "ui/ApplicationTitle.h"
#include "ui/ElidingComboBox.h"
#include "ui/FontFamilyCombo.h"
#include "ui/FontPage.h"
#include "ui/GenerationOptionsPanel.h"
#include "ui/Icons.h"
#include "ui/PreviewArea.h"
#include "ui/SplitterBar.h"
#include "ui/ZoomBox.h"

namespace {

constexpr int PictureButtonSize = 28;
// The left column of "Font Creation" at the window's first width.
constexpr int LeftGroupWidth = 186;
constexpr int LeftComboWidth = 136;
constexpr int LeftButtonLeft = 150;
constexpr int FontPagesLeft = 194;

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

// The design sizes suit an 8 pt Tahoma; a wider font gets the room its captions need.
void GrowToContents(QWidget* widget)
{
    const QSize needed = widget->sizeHint();
    widget->resize(std::max(widget->width(), needed.width()), std::max(widget->height(), needed.height()));
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

} // namespace

TfrmMain::TfrmMain(QString defaultTableFile, std::unique_ptr<TDialogSeam> dialogs, QWidget* parent)
    : QWidget(parent)
    , FDefaultTableFile(std::move(defaultTableFile))
    , FDialogs(std::move(dialogs))
{
    setObjectName(QStringLiteral("frmMain"));
    FCaption = ApplicationTitle();
    setWindowTitle(FCaption);
    setFont(WindowFont());
    FDocument.SetMessageSink([this](const std::string& message) { ShowMessage(message, TMessageKind::Error); });
    connect(&FDocument, &TFontDocument::Changed, this, &TfrmMain::DocumentChanged);
    BuildControls();
    AcceptFileDrops();
    resize(std::max(DesignClientWidth, gbFontOptions->geometry().right() + 5), DesignClientHeight);
    FCreationWidth = width();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    LayoutControls();

    // Nothing is generated here: no table is loaded yet.
    SelectDefaultFonts();
    ConnectOptionControls();
    ShowOptions();
    DrawSampleText(edSampleText->text());
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::BuildControls()
{
    pcMain = Named(new QTabWidget(this), "pcMain");
    tsCreation = BuildCreationPage();
    tsTools = BuildToolsPage();
    pcMain->addTab(tsCreation, QStringLiteral("Font Creation"));
    pcMain->addTab(tsTools, QStringLiteral("Font Tools"));
    pcMain->resize(DesignClientWidth, DesignPageControlHeight);
    connect(pcMain, &QTabWidget::currentChanged, this, &TfrmMain::pcMainChange);

    FPreviewArea = Named(new TPreviewArea(this), "PreviewArea");
    connect(FPreviewArea, &TPreviewArea::Hovered, this, [this](QPoint p) { FormMouseMove(p.x(), p.y()); });
    connect(FPreviewArea, &TPreviewArea::GlyphActivated, this,
            [this](int index) { RunHandler([this, index] { EditGlyph(index); }); });
    connect(FPreviewArea, &TPreviewArea::ZoomChanged, this, [this] { DrawSampleText(edSampleText->text()); });
    Splitter = Named(new TSplitterBar(this,
                                      [this](int top) {
                                          pcMain->resize(width(), TSplitterBar::ClampedHeight(
                                                                      top, height(), StatusBar->height()));
                                          LayoutControls();
                                          // The preview's top edge moves with the bar; laying out again
                                          // keeps the frames the read-out uses where the glyphs are drawn.
                                          RunHandler([this] { ResizeRefresh(true); });
                                      }),
                     "Splitter");
    BuildStatusBar();
}

QWidget* TfrmMain::BuildCreationPage()
{
    auto* page = Named(new QWidget, "tsCreation");

    gbPreset = Named(new QGroupBox(QStringLiteral("Preset"), page), "gbPreset");
    gbPreset->setGeometry(4, 2, LeftGroupWidth, 56);
    cmbPresets = Named(new TElidingComboBox(gbPreset), "cmbPresets");
    cmbPresets->setGeometry(8, 22, LeftComboWidth, 22);
    connect(cmbPresets, &QComboBox::activated, this, [this] { RunHandler([this] { cmbPresetsChange(); }); });
    btnOpenTable = PictureButton(gbPreset, "btnOpenTable", TIcon::OpenTable,
                                 QStringLiteral("Select Unicode Conversion Table..."));
    btnOpenTable->move(LeftButtonLeft, 19);
    connect(btnOpenTable, &QToolButton::clicked, this, [this] { RunHandler([this] { btnOpenTableClick(); }); });
    pbFontCreate = Named(new QProgressBar(gbPreset), "pbFontCreate");
    pbFontCreate->setGeometry(cmbPresets->geometry());
    pbFontCreate->setTextVisible(false);
    pbFontCreate->hide();

    gbSaveFon = Named(new QGroupBox(QStringLiteral("Save Mediatek Font"), page), "gbSaveFon");
    gbSaveFon->setGeometry(4, 62, LeftGroupWidth, 56);
    cmbFonType = Named(new TElidingComboBox(gbSaveFon), "cmbFonType");
    cmbFonType->setGeometry(8, 22, LeftComboWidth, 22);
    cmbFonType->addItems({QStringLiteral("4 color compr., variable width (OLD compatibility mode)"),
                          QStringLiteral("4 color compr., variable width (NEW mode)"),
                          QStringLiteral("2 color uncompr., fix width")});
    btnSaveFon = PictureButton(gbSaveFon, "btnSaveFon", TIcon::SaveFont, QStringLiteral("Save As Mediatek Font..."));
    btnSaveFon->move(LeftButtonLeft, 19);

    pcFonts = Named(new QTabWidget(page), "pcFonts");
    pcFonts->setGeometry(FontPagesLeft, 2, 230, 198);
    tsFont01 = new TFontPage(TFontPageKind::Primary);
    tsFont02 = new TFontPage(TFontPageKind::Secondary);
    pcFonts->addTab(tsFont01, QStringLiteral("Primary Font"));
    pcFonts->addTab(tsFont02, QStringLiteral("Secondary Font"));
    for (QToolButton* button : {tsFont01->btnFont, tsFont02->btnFont, tsFont01->btnImportOptions}) {
        button->setFixedSize(PictureButtonSize, PictureButtonSize);
        button->setIcon(MakeIcon(button == tsFont01->btnImportOptions ? TIcon::ImportOptions : TIcon::FontDialog));
        button->setIconSize(QSize(IconSize, IconSize));
    }

    gbFontOptions = new TGenerationOptionsPanel(page);
    gbFontOptions->setGeometry(428, 2, 308, 198);
    GrowToContents(pcFonts);
    GrowToContents(gbFontOptions);
    const int rowHeight = std::max(pcFonts->height(), gbFontOptions->height());
    pcFonts->resize(pcFonts->width(), rowHeight);
    gbFontOptions->setGeometry(pcFonts->geometry().right() + 5, 2, gbFontOptions->width(), rowHeight);
    return page;
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
        const char* Name;
        TIcon Icon;
        const char* Hint;
        TFontFormatId Format;
        bool Save;
        const char* Title;
    };
    const TCommand commands[] = {
        {"btnOpenMTF", TIcon::OpenFont, "Open Mediatek Font...", TFontFormatId::Mediatek, false,
         "Select Mediatek Font File..."},
        {"btnSaveMTF", TIcon::SaveFont, "Save Mediatek Font...", TFontFormatId::Mediatek, true,
         "Save As Mediatek Font..."},
        {"btnOpenBMP", TIcon::ImportBmp, "Import from BMP...", TFontFormatId::StripBmp, false,
         "Select GlyphForgeTool Compatible BMP File..."},
        {"btnSaveBMP", TIcon::ExportBmp, "Export to BMP...", TFontFormatId::StripBmp, true,
         "Save As GlyphForgeTool Compatible BMP File..."},
        {"btnExportSeparateBMP", TIcon::ExportSeparateBmps, "Export Characters to Separate BMPs...",
         TFontFormatId::GlyphBmps, true, "Select output folder for separeate bmp files:"},
        {"btnOpenTXT", TIcon::ImportText, "Import from FonTool Text format...", TFontFormatId::FonToolText, false,
         "Select FonTool Format TXT File..."},
        {"btnSaveTXT", TIcon::ExportText, "Export to FonTool Text format...", TFontFormatId::FonToolText, true,
         "Save As FonTool Format TXT File..."},
    };
    for (const TCommand& command : commands) {
        QToolButton* button = PictureButton(gbImportExport, command.Name, command.Icon, QString::fromLatin1(command.Hint));
        row->addWidget(button);
        const TFontFormat& format = FontFormat(command.Format);
        const QString title = QString::fromLatin1(command.Title);
        const bool save = command.Save;
        connect(button, &QToolButton::clicked, this, [this, &format, title, save] {
            RunHandler([&] { save ? SaveFontCommand(title, format) : OpenFontCommand(title, format); });
        });
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
    // Room for the longest statistics line in the window's own font.
    const QString widestStatus = QStringLiteral("Font: Max Width = 255 (Char 65535), Height = 255, FileSize = 99999999 bytes");
    FStatusPanels[0]->setFixedWidth(
        std::max(350, FStatusPanels[0]->fontMetrics().horizontalAdvance(widestStatus) + 2 * FStatusPanels[0]->frameWidth() + 4));
    FStatusPanels[1]->setMinimumWidth(50);
    FSizeLimitPanel = Named(new QLabel(StatusBar), "SizeLimitPanel");
    FSizeLimitPanel->setFrameShape(QFrame::Panel);
    FSizeLimitPanel->setFrameShadow(QFrame::Sunken);
    FSizeLimitPanel->setMinimumWidth(50);
    FSizeLimitPanel->hide();
    StatusBar->addWidget(FStatusPanels[0]);
    StatusBar->addWidget(FSizeLimitPanel);
    StatusBar->addWidget(FStatusPanels[1], 1);
    StatusBar->addPermanentWidget(NewZoomBox(FPreviewArea, StatusBar));
}

void TfrmMain::ConnectOptionControls()
{
    for (TFontPage* page : {tsFont01, tsFont02}) {
        const auto changes = [this, page](auto signal) {
            connect(page, signal, this, [this, page] {
                RunHandler([this, page] {
                    TakePageChange(*page);
                    OptionChanged();
                });
            });
        };
        changes(&TFontPage::cmbFontChange);
        changes(&TFontPage::cbFont02TryClick);
        for (auto signal : {&TFontPage::cbBoldClick, &TFontPage::cbItalicClick})
            changes(signal);
        for (auto signal : {&TFontPage::seFontSizeChange, &TFontPage::cmbRenderingChange, &TFontPage::seInkChange})
            changes(signal);
        connect(page, &TFontPage::btnFontClick, this, [this, page] { RunHandler([this, page] { btnFontClick(*page); }); });
        connect(page, &TFontPage::seOutlineChange, this, [this, page](int outline) {
            RunHandler([this, page, outline] {
                TakePageChange(*page);
                seOutlineChange(outline);
            });
        });
    }
    connect(tsFont01, &TFontPage::btnImportOptionsClick, this,
            [this] { RunHandler([this] { btnImportOptionsClick(); }); });
    connect(gbFontOptions, &TGenerationOptionsPanel::OptionChanged, this, &TfrmMain::GenerationOptionChanged);
    // A pick by the user only: the program's own selections leave the other options alone.
    connect(cmbFonType, &QComboBox::activated, this, [this](int index) { RunHandler([this, index] { cmbFonTypeChange(index); }); });
    connect(btnSaveFon, &QToolButton::clicked, this, [this] { RunHandler([this] { btnSaveFonClick(); }); });
}

void TfrmMain::SelectDefaultFonts()
{
    // "Arial Narrow" when installed, else the window's own family, else the desktop's sans serif.
    QString primary = QString::fromStdString(DefaultPrimaryFamily());
    if (primary != QStringLiteral("Arial Narrow") && tsFont01->cmbFont->findText(font().family()) >= 0)
        primary = font().family();
    const TDefaultFont secondary = DefaultSecondaryFont();
    tsFont01->cmbFont->SelectFamily(primary);
    tsFont02->cmbFont->SelectFamily(QString::fromStdString(secondary.Family));
    tsFont01->seFontSize->setValue(16);
    tsFont02->seFontSize->setValue(secondary.SizePoints);
    // The pages' other fields are the record's defaults; the document starts from what they show.
    TGenerationOptions options = FDocument.Options();
    tsFont01->ReadOptions(options);
    tsFont02->ReadOptions(options);
    FDocument.SetOptions(options);
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
    LayoutCreationPage();
    // The sample image grows with the page: 720 x 96 at the design size.
    imgSampleText->resize(std::max(width() - (DesignClientWidth - 720), 0),
                          std::max(pageHeight - (DesignPageControlHeight - 96), 0));
}

void TfrmMain::LayoutCreationPage()
{
    // The preset and type boxes take the width the window gains; the font pages and the
    // options move along.
    const int extra = std::max(width() - FCreationWidth, 0);
    for (QGroupBox* group : {gbPreset, gbSaveFon})
        group->resize(LeftGroupWidth + extra, group->height());
    for (QComboBox* box : {cmbPresets, cmbFonType})
        box->resize(LeftComboWidth + extra, box->height());
    pbFontCreate->setGeometry(cmbPresets->geometry());
    for (QToolButton* button : {btnOpenTable, btnSaveFon})
        button->move(LeftButtonLeft + extra, button->y());
    const int optionsGap = gbFontOptions->x() - pcFonts->geometry().right();
    pcFonts->move(FontPagesLeft + extra, pcFonts->y());
    gbFontOptions->move(pcFonts->geometry().right() + optionsGap, gbFontOptions->y());
}

QString TfrmMain::StatusPanelText(int panel) const
{
    return FStatusPanels[panel]->text();
}
