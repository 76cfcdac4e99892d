#include "ui/MainWindow.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "font/Errors.h"
#include "font/FileFormats.h"
#include "generate/FontEngine.h"
#include "generate/FontTypeChoice.h"
#include "generate/OptionsText.h"
#include "generate/SampleTextCodes.h"
#include "ui/ApplicationTitle.h"
#include "ui/BusyCursor.h"
#include "ui/ControlFactory.h"
#include "ui/CoreText.h"
#include "ui/CreationPage.h"
#include "ui/FileDropGate.h"
#include "ui/FontFamilyCombo.h"
#include "ui/FontPage.h"
#include "ui/FormatChoices.h"
#include "ui/GlyphEditor.h"
#include "ui/GlyphReadOut.h"
#include "ui/PreviewArea.h"
#include "ui/SampleText.h"
#include "ui/SplitterBar.h"
#include "ui/StatusLine.h"
#include "ui/ToolsPage.h"
#include "ui/WindowError.h"
#include "ui/WindowMessages.h"
#include "ui/ZoomBox.h"

namespace {

// The window's own font: "Tahoma" 8 pt where installed, else the desktop's family at the
// same 8 points, for which the fixed layout is made.
QFont WindowFont()
{
    QFont font = QFontDatabase::hasFamily(QStringLiteral("Tahoma")) ? QFont(QStringLiteral("Tahoma"))
                                                                     : QGuiApplication::font();
    font.setPointSize(8);
    return font;
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
    FDocument.SetMessageSink(
        [this](const std::string& message) { ShowMessage(CoreText(message), TMessageKind::Error); });
    connect(&FDocument, &TFontDocument::Changed, this, &TfrmMain::DocumentChanged);
    BuildControls();
    // The pages at least as large as their groups need, the preview as high as designed.
    const QSize pages = pcMain->minimumSizeHint();
    const int paneHeight = std::max(DesignPageControlHeight, pages.height());
    FTopPane->resize(std::max(DesignClientWidth, pages.width()), paneHeight);
    resize(FTopPane->width(), DesignClientHeight + paneHeight - DesignPageControlHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    LayoutControls();

    // Nothing is generated here: no table is loaded yet.
    SelectDefaultFonts();
    ConnectOptionControls();
    tsCreation->cmbFonType->setCurrentIndex(FDocument.Options().FontType);
    tsCreation->gbFontOptions->SetWidthSteps(FDocument.WidthStep());
    DrawSampleText(tsTools->edSampleText->text());
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::BuildControls()
{
    // Made smaller than the pages need, the pane above the splitter scrolls them.
    FTopPane = Named(new QScrollArea(this), "TopPane");
    FTopPane->setFrameShape(QFrame::NoFrame);
    FTopPane->setWidgetResizable(true);
    pcMain = Named(new QTabWidget, "pcMain");
    tsCreation = new TCreationPage;
    tsTools = new TToolsPage;
    pcMain->addTab(tsCreation, tr("Font Creation"));
    pcMain->addTab(tsTools, tr("Font Tools"));
    FTopPane->setWidget(pcMain);
    connect(pcMain, &QTabWidget::currentChanged, this, &TfrmMain::pcMainChange);

    FPreviewArea = Named(new TPreviewArea(this), "PreviewArea");
    connect(FPreviewArea, &TPreviewArea::Hovered, this, [this](QPoint p) { FormMouseMove(p.x(), p.y()); });
    connect(FPreviewArea, &TPreviewArea::HoverLeft, this, [this] { StatusBar->ShowReadOut(QString()); });
    connect(FPreviewArea, &TPreviewArea::GlyphActivated, this,
            [this](int index) { RunHandler([this, index] { EditGlyph(index); }); });
    connect(FPreviewArea, &TPreviewArea::ZoomChanged, this, [this] { DrawSampleText(tsTools->edSampleText->text()); });
    Splitter = Named(new TSplitterBar(this,
                                      [this](int top) {
                                          FTopPane->resize(width(), TSplitterBar::ClampedHeight(
                                                                        top, height(), StatusBar->height()));
                                          LayoutControls();
                                          // The preview's top edge moves with the bar; laying out again
                                          // keeps the frames the read-out uses where the glyphs are drawn.
                                          RunHandler([this] { ResizeRefresh(true); });
                                      }),
                     "Splitter");
    StatusBar = new TStatusLine(NewZoomBox(FPreviewArea, nullptr), this);
    connect(tsTools, &TToolsPage::OpenFontClicked, this, [this](const QString& title, const TFontFormat* format) {
        RunHandler([&] { OpenFontCommand(title, *format); });
    });
    connect(tsTools, &TToolsPage::SaveFontClicked, this, [this](const QString& title, const TFontFormat* format) {
        RunHandler([&] { SaveFontCommand(title, *format); });
    });
    connect(tsTools->edSampleText, &QLineEdit::textChanged, this, [this](const QString& text) { DrawSampleText(text); });
    connect(tsCreation->cmbPresets, &QComboBox::activated, this, [this] { RunHandler([this] { cmbPresetsChange(); }); });
    connect(tsCreation->btnOpenTable, &QToolButton::clicked, this, [this] { RunHandler([this] { btnOpenTableClick(); }); });
    connect(new TFileDropGate(this), &TFileDropGate::Dropped, this,
            [this](const QList<QUrl>& urls) { RunHandler([&] { OpenDroppedFiles(urls); }); });
}

void TfrmMain::ConnectOptionControls()
{
    for (TFontPage* page : {tsCreation->tsFont01, tsCreation->tsFont02}) {
        const auto changes = [this, page](auto signal) {
            connect(page, signal, this, [this, page] {
                RunHandler([this, page] {
                    TakePageChange(*page);
                    RegenerateForChange();
                });
            });
        };
        changes(&TFontPage::cmbFontChange);
        changes(&TFontPage::cbFont02TryClick);
        for (auto signal : {&TFontPage::cbBoldClick, &TFontPage::cbItalicClick})
            changes(signal);
        for (auto signal : {&TFontPage::seFontSizeChange, &TFontPage::cmbRenderingChange, &TFontPage::seInkChange,
                            &TFontPage::seShiftChange, &TFontPage::cmbBaselineChange})
            changes(signal);
        changes(&TFontPage::cbShapeArabicClick);
        connect(page, &TFontPage::btnFontClick, this, [this, page] { RunHandler([this, page] { btnFontClick(*page); }); });
        connect(page, &TFontPage::seOutlineChange, this, [this, page](int outline) {
            RunHandler([this, page, outline] {
                TakePageChange(*page);
                seOutlineChange(outline);
            });
        });
    }
    connect(tsCreation->tsFont01, &TFontPage::btnImportOptionsClick, this,
            [this] { RunHandler([this] { btnImportOptionsClick(); }); });
    connect(tsCreation->gbFontOptions, &TGenerationOptionsPanel::OptionChanged, this,
            &TfrmMain::GenerationOptionChanged);
    // A pick by the user only: the program's own selections leave the other options alone.
    connect(tsCreation->cmbFonType, &QComboBox::activated, this,
            [this](int index) { RunHandler([this, index] { cmbFonTypeChange(index); }); });
    connect(tsCreation->btnSaveFon, &QToolButton::clicked, this, [this] { RunHandler([this] { btnSaveFonClick(); }); });
}

void TfrmMain::SelectDefaultFonts()
{
    // "Arial Narrow" when installed, else the window's own family, else the desktop's sans serif.
    QString primary = QString::fromStdString(DefaultPrimaryFamily());
    if (primary != QStringLiteral("Arial Narrow") && tsCreation->tsFont01->cmbFont->findText(font().family()) >= 0)
        primary = font().family();
    const TDefaultFont secondary = DefaultSecondaryFont();
    tsCreation->tsFont01->cmbFont->SelectFamily(primary);
    tsCreation->tsFont02->cmbFont->SelectFamily(QString::fromStdString(secondary.Family));
    tsCreation->tsFont01->seFontSize->setValue(16);
    tsCreation->tsFont02->seFontSize->setValue(secondary.SizePoints);
    // The other controls hold the record's defaults; the document starts from what they show.
    TGenerationOptions options = FDocument.Options();
    tsCreation->tsFont01->ReadOptions(options);
    tsCreation->tsFont02->ReadOptions(options);
    tsCreation->gbFontOptions->ReadOptions(options);
    FDocument.SetOptions(options);
}

void TfrmMain::LayoutControls()
{
    const int pageHeight = FTopPane->height();
    FTopPane->setGeometry(0, 0, width(), pageHeight);
    Splitter->setGeometry(0, pageHeight, width(), TSplitterBar::Thickness);
    const int statusHeight = StatusBar->sizeHint().height();
    StatusBar->setGeometry(0, height() - statusHeight, width(), statusHeight);
    FPreviewArea->setGeometry(0, pageHeight, width(), std::max(height() - statusHeight - pageHeight, 0));
    Splitter->raise();
    StatusBar->raise();
    tsTools->FitSampleImage(width(), pageHeight);
}

QString TfrmMain::StatusPanelText(int panel) const
{
    return StatusBar->PanelText(panel);
}

void TfrmMain::AdoptSplash(QWidget* splash)
{
    FSplash = splash;
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FShown)
        return;
    FShown = true;
    FormShow();
}

void TfrmMain::FormShow()
{
    if (QFileInfo::exists(FDefaultTableFile))
        RunHandler([this] { LoadTableFile(FDefaultTableFile); });
    else
        FPreviewArea->SetPlaceholder(tr("No conversion table was found at \"%1\". Load one with the button \"%2\" "
                                        "beside the preset list on \"%3\", or drop %4 on the window; then pick a "
                                        "preset.")
                                         .arg(FDefaultTableFile, tsCreation->btnOpenTable->toolTip(),
                                              pcMain->tabText(pcMain->indexOf(tsCreation)),
                                              CoreText(TableFileKind().DescriptionWithExtensions())));
    // Closed from the event loop, once this show and the first generation are over.
    QMetaObject::invokeMethod(this, [this] { WMCloseSplash(); }, Qt::QueuedConnection);
}

void TfrmMain::WMCloseSplash()
{
    if (!FSplash)
        return;
    FSplash->hide();
    delete FSplash;
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutControls();
    RunHandler([this] { ResizeRefresh(FLastWidth != width()); });
}

void TfrmMain::ResizeRefresh(bool layoutChanged)
{
    // A pending rebuild is never dropped by a resize that keeps the width.
    FLayoutDirty = FLayoutDirty || layoutChanged;
    FLastWidth = width();
    Refresh();
    if (pcMain->currentWidget() == tsTools)
        DrawSampleText(tsTools->edSampleText->text());
}

void TfrmMain::pcMainChange(int index)
{
    RunHandler([this, index] {
        if (pcMain->widget(index) == tsCreation) {
            // Regenerates from the preset: a font opened from a file is replaced.
            if (FDocument.Preset() < 0)
                return;
            if (!MayReplaceFont()) {
                const QSignalBlocker blocker(pcMain);
                pcMain->setCurrentWidget(tsTools);
                return;
            }
            cmbPresetsChange();
        } else {
            DrawSampleText(tsTools->edSampleText->text());
        }
    });
}

void TfrmMain::LoadTableFile(const QString& fileName)
{
    if (!MayReplaceFont())
        return;
    try {
        FDocument.LoadTableFile(fileName.toStdString());
    } catch (const EGlyphForgeError& error) {
        if (FDocument.Table().PresetIds().Count() == 0)
            throw;
        throw EWindowError(tr("%1 The presets in use are kept.").arg(CoreText(error.what())));
    }
    FPreviewArea->SetPlaceholder(QString());
    tsCreation->cmbPresets->clear();
    for (const std::string& description : FDocument.Table().PresetDescriptions())
        tsCreation->cmbPresets->addItem(QString::fromLatin1(description.c_str()));
    tsCreation->cmbPresets->setCurrentIndex(0);
    cmbPresetsChange();
}

void TfrmMain::cmbPresetsChange()
{
    const int index = tsCreation->cmbPresets->currentIndex();
    if (index < 0)
        return;
    if (!MayReplaceFont()) {
        tsCreation->cmbPresets->setCurrentIndex(FDocument.Preset());
        return;
    }
    // Another preset, or a generation in place of an opened font, starts at the top.
    const bool newGlyphs = index != FDocument.Preset() || !FDocument.HoldsGeneration();
    FLayoutDirty = true;
    FDocument.SelectPreset(index);
    GenerateFont();
    DrawPreview();
    if (newGlyphs)
        FPreviewArea->ScrollToStart();
}

void TfrmMain::Refresh()
{
    if (!FDocument.CanGenerate()) {
        // Nothing can replace the edited font; the options changed along with it.
        FDocument.KeepOptions();
        return;
    }
    GenerateFont();
    DrawPreview();
}

TPaletteKind TfrmMain::PreviewPaletteKind() const
{
    return FDocument.Options().IsTwoColor() ? TPaletteKind::TwoColor : TPaletteKind::FourColor;
}

void TfrmMain::DrawPreview()
{
    if (FLayoutDirty) {
        FPreviewArea->ShowGlyphs(FDocument.Font(), FDocument.Table().LastCharIndex() + 1, PreviewPaletteKind(),
                                 Splitter->y() + Splitter->height(), ClippedCodes(FDocument.Stats()));
        FLayoutDirty = false;
    }
    FPreviewArea->update();
}

const TPreviewLayout& TfrmMain::GlyphRects() const
{
    return FPreviewArea->Layout();
}

const QImage& TfrmMain::PreviewBitmap() const
{
    return FPreviewArea->Band();
}

int TfrmMain::PreviewTop() const
{
    return FPreviewArea->LayoutTop();
}

void TfrmMain::PostLoad()
{
    DrawPreview();
    FPreviewArea->ScrollToStart();
    DrawSampleText(tsTools->edSampleText->text());
}

void TfrmMain::FormMouseMove(int x, int y)
{
    const int index = GlyphRects().GlyphAtPoint(x, y);
    if (index < 0) {
        StatusBar->ShowReadOut(QString());
        return;
    }
    const uint16_t unicode = FDocument.Table().CharUnicode(index);
    StatusBar->ShowReadOut(
        GlyphReadOut(index, unicode, GlyphRects().GlyphRects()[static_cast<size_t>(index)].GlyphWidth()));
}

void TfrmMain::DrawSampleText(const QString& text)
{
    int total = 0;
    const QSize size = tsTools->SampleAreaSize();
    if (!size.isEmpty()) {
        // Whatever font is in hand, generated or opened; never the glyphs of one that is gone.
        if (FDocument.Font().GlyphCount() > 0) {
            const std::vector<int> codes = SampleTextCodes(text.toStdU16String(), FDocument.Table());
            const auto render = [&](QSize room) {
                return RenderSampleText(FDocument.Font(), codes, room, PreviewPaletteKind(), FPreviewArea->Zoom());
            };
            TSampleText sample = render(size);
            // Lines beyond the area scroll: they wrap short of the scroll bar.
            if (sample.Image.height() > size.height())
                sample = render(size - QSize(tsTools->ScrollBarWidth(), 0));
            tsTools->ShowSample(QPixmap::fromImage(sample.Image));
            total = sample.TotalWidth;
        } else {
            tsTools->ShowSample(QPixmap());
        }
    }
    tsTools->lblSampleTextWinInfo->setText(
        tr("Text width: %1 | Text window size: %2x%3")
            .arg(QString::number(total), QString::number(size.width()), QString::number(size.height())));
}

void TfrmMain::DocumentChanged(TDocumentChanges changes)
{
    if (changes & dcFontReplaced)
        FLayoutDirty = true;
    if (changes & dcStatistics)
        ShowStatistics();
    if (changes & dcOptions)
        ShowOptions();
    if (changes & dcModified)
        UpdateCaption();
}

void TfrmMain::ShowOptions()
{
    const TGenerationOptions& options = FDocument.Options();
    for (TFontPage* page : {tsCreation->tsFont01, tsCreation->tsFont02}) {
        const QSignalBlocker blocker(page);
        page->WriteOptions(options);
    }
    {
        const QSignalBlocker blocker(tsCreation->gbFontOptions);
        tsCreation->gbFontOptions->WriteOptions(options);
    }
    const QSignalBlocker blocker(tsCreation->cmbFonType);
    tsCreation->cmbFonType->setCurrentIndex(options.FontType);
    tsCreation->gbFontOptions->SetWidthSteps(FDocument.WidthStep());
}

void TfrmMain::TakePageChange(const TFontPage& page)
{
    TGenerationOptions options = FDocument.Options();
    page.ReadOptions(options);
    FDocument.SetOptions(options);
}

void TfrmMain::TakePanelChange()
{
    TGenerationOptions options = FDocument.Options();
    tsCreation->gbFontOptions->ReadOptions(options);
    FDocument.SetOptions(options);
}

void TfrmMain::RegenerateForChange()
{
    FDocument.RequestGeneration();
    Refresh();
}

void TfrmMain::GenerationOptionChanged(TPanelOption option)
{
    TakePanelChange();
    if (option == TPanelOption::CutLeftRight) {
        RunHandler([this] { cbExtraNarrowClick(); });
    } else if (option == TPanelOption::DisplayInvalidChars) {
        RunHandler([this] { RegenerateForChange(); });
    } else {
        try {
            RegenerateForChange();
        } catch (const std::exception&) {
            // These options only reshape glyphs; the next change tries again.
        }
    }
}

void TfrmMain::cbExtraNarrowClick()
{
    // Fixed width needs the column cut: turning it off leaves that type, after the repaint.
    const bool leaveFixedWidth = !FDocument.Options().CutLeftRight && FDocument.Options().IsTwoColor();
    // Unless the regeneration was cancelled, which ticks the box again.
    const auto leave = [this, leaveFixedWidth] {
        if (leaveFixedWidth && !FDocument.Options().CutLeftRight) {
            FDocument.LeaveFixedWidthType(true);
            ShowOptions();
        }
    };
    try {
        RegenerateForChange();
    } catch (...) {
        leave();
        throw;
    }
    leave();
}

void TfrmMain::seOutlineChange(int outline)
{
    // An outline cannot be drawn in two colours; the spin steps stay as they are.
    if (outline > 0 && FDocument.Options().IsTwoColor()) {
        FDocument.LeaveFixedWidthType(false);
        ShowOptions();
    }
    RegenerateForChange();
}

void TfrmMain::cmbFonTypeChange(int index)
{
    if (index == ftTwoColorFixed) {
        // The question comes once, before the type's own regeneration.
        if (!MayReplaceFont()) {
            ShowOptions();
            return;
        }
        // The widest glyph the type takes its width from is drawn without outline and trimmed,
        // still in the type in hand.
        TGenerationOptions options = FDocument.Options();
        ApplyFixedWidthRule(options);
        if (options.Outline != FDocument.Options().Outline ||
            options.CutLeftRight != FDocument.Options().CutLeftRight) {
            FDocument.SetOptions(options);
            ShowOptions();
            RegenerateForChange();
        }
    }
    FDocument.ChooseFontType(index);
    ShowOptions();
    Refresh();
}

void TfrmMain::btnFontClick(TFontPage& page)
{
    const bool primary = page.Kind() == TFontPageKind::Primary;
    // The dialog opens on the font the page shows.
    TakePageChange(page);
    TGenerationOptions options = FDocument.Options();
    std::string& family = primary ? options.FontName : options.Font2Name;
    int& size = primary ? options.FontSize : options.Font2Size;
    TFontStyles& style = primary ? options.FontStyle : options.Font2Style;
    const std::optional<TFontChoice> chosen =
        FDialogs->ChooseFont(this, {QString::fromStdString(family), size, style});
    if (chosen) {
        family = chosen->Family.toStdString();
        size = FontSizeRange.Clamp(chosen->SizePoints);
        style = chosen->Style;
        FDocument.SetOptions(options);
        FDocument.RequestGeneration();
        const QSignalBlocker blocker(page);
        page.WriteOptions(options);
        // The field names the chosen family even where the list lacks it.
        page.cmbFont->SelectFamily(chosen->Family);
    }
    Refresh();
}

void TfrmMain::btnImportOptionsClick()
{
    const TFontFormat& mediatek = FontFormat(TFontFormatId::Mediatek);
    OpenDialog.SetUp(tr("Select GlyphForgeTool created mediatek font..."), CoreText(mediatek.OpenFilter),
                     QString::fromStdString(mediatek.DefaultExtension()));
    const std::optional<QString> chosen = FDialogs->OpenFile(this, OpenDialog);
    if (!chosen)
        return;
    OpenDialog.FileName = *chosen;
    TImportOrigin origin = TImportOrigin::Nothing;
    try {
        origin = FDocument.ImportOptions(chosen->toStdString());
    } catch (...) {
        ShowOptions();
        try {
            Refresh();
        } catch (...) {
            // The first failure is the one the user needs to see.
        }
        throw;
    }
    if (origin == TImportOrigin::Nothing) {
        ShowMessage(tr("\"%1\" holds no options: no options were saved into it, and its name is no options text "
                       "such as a saved font's proposed name. The options stay as they are.")
                        .arg(QFileInfo(*chosen).fileName()),
                    TMessageKind::Information);
        return;
    }
    ShowOptions();
    Refresh();
}

void TfrmMain::btnSaveFonClick()
{
    if (FDocument.Table().LastCharIndex() <= 0) {
        ShowMessage(tr("Nothing to save: load a conversion table with \"%1\" beside the preset list, and pick a "
                       "preset with more than one character first.")
                        .arg(tsCreation->btnOpenTable->toolTip()),
                    TMessageKind::Information);
    } else {
        const TFontFormat& mediatek = FontFormat(TFontFormatId::Mediatek);
        const QString proposed =
            QString::fromStdString(ProposedFontFileName(FDocument.Options(), FDocument.Stats().FMaxGlyphHeight));
        // The tools page's save commands propose the same name afterwards, with their own extension.
        SaveDialog.FileName = proposed;
        const TFileDialogSpec spec{tsCreation->btnSaveFon->toolTip(), CoreText(mediatek.SaveFilter),
                                   QString::fromStdString(mediatek.DefaultExtension()), proposed};
        if (const std::optional<TFontSaveChoice> chosen = FDialogs->SaveFont(this, spec, false)) {
            {
                TBusyCursor busy;
                FDocument.SaveFont(chosen->FileName.toStdString(), chosen->SaveOptions);
            }
            if (chosen->SaveOptions && FDocument.EditedSinceGeneration())
                ShowMessage(tr("The options saved into the font describe it as they generated it, before the "
                               "glyph edits."),
                            TMessageKind::Information);
        }
    }
    Refresh();
}

void TfrmMain::GenerateFont()
{
    if (!FDocument.GenerationPending())
        return;
    if (!MayReplaceFont()) {
        FDocument.RevertOptions();
        return;
    }
    TBusyCursor busy;
    tsCreation->pbFontCreate->setRange(0, std::max(FDocument.Table().LastCharIndex(), 0));
    tsCreation->pbFontCreate->setValue(0);
    tsCreation->pbFontCreate->show();
    tsCreation->pbFontCreate->repaint();
    bool fixedWidthFallback = false;
    try {
        // QProgressBar repaints itself, and only when the bar visibly grows; no events are processed.
        // The bar is hidden as soon as the last glyph is drawn, so a full bar is not painted.
        fixedWidthFallback = FDocument.Generate([this](int position, int maximum) {
            if (position >= maximum)
                return;
            tsCreation->pbFontCreate->setMaximum(maximum);
            tsCreation->pbFontCreate->setValue(position);
        });
    } catch (...) {
        tsCreation->pbFontCreate->hide();
        throw;
    }
    tsCreation->pbFontCreate->hide();
    DrawSampleText(tsTools->edSampleText->text());
    // Told once the preview shows the glyphs it is about.
    if (fixedWidthFallback)
        QMetaObject::invokeMethod(
            this,
            [this, message = FixedWidthFallbackMessage(FDocument.Stats(), FDocument.Options().MinWidth,
                                                       FDocument.FixedMinWidth(), *tsCreation->cmbFonType)] {
                ShowMessage(message, TMessageKind::Information);
            },
            Qt::QueuedConnection);
}

void TfrmMain::ShowStatistics()
{
    StatusBar->ShowStatistics(FDocument.Stats());
}


void TfrmMain::RunHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::bad_alloc&) {
        ShowMessage(tr("Out of memory"), TMessageKind::Error);
    } catch (const EWindowError& error) {
        ShowMessage(error.Text(), TMessageKind::Error);
    } catch (const std::exception& error) {
        ShowMessage(CoreText(error.what()), TMessageKind::Error);
    }
}

void TfrmMain::ShowMessage(const QString& text, TMessageKind kind)
{
    // Never hidden under the splash (an error of the first table load), and answered with the
    // normal cursor even inside a busy operation.
    WMCloseSplash();
    const TNormalCursor normal;
    FDialogs->ShowMessage(this, text, kind);
}

void TfrmMain::btnOpenTableClick()
{
    const TFileKind& tables = TableFileKind();
    OpenDialog.SetUp(tsCreation->btnOpenTable->toolTip(), CoreText(tables.OpenFilter),
                     QString::fromStdString(tables.DefaultExtension()));
    if (const std::optional<QString> chosen = FDialogs->OpenFile(this, OpenDialog)) {
        OpenDialog.FileName = *chosen;
        LoadTableFile(*chosen);
    }
    Refresh();
}

void TfrmMain::OpenFontCommand(const QString& title, const TFontFormat& format)
{
    OpenDialog.SetUp(title, CoreText(format.OpenFilter), QString::fromStdString(format.DefaultExtension()));
    if (const std::optional<QString> chosen = FDialogs->OpenFile(this, OpenDialog))
        OpenFontFile(*chosen, format);
}

bool TfrmMain::OpenFontFile(const QString& fileName, const TFontFormat& format)
{
    OpenDialog.FileName = fileName;
    // A file that is refused or fails half-way leaves the font in hand as it was.
    const std::optional<TFontReadSettings> settings = AskReadSettings(*FDialogs, this, format, fileName.toStdString());
    if (!settings)
        return false;
    std::unique_ptr<TMtkFont> store;
    {
        TBusyCursor busy;
        store = FDocument.ReadFontFile(format, fileName.toStdString(), *settings);
    }
    if (!store || !MayReplaceFont())
        return false;
    FDocument.ReplaceFont(std::move(store), fileName.toStdString());
    PostLoad();
    return true;
}

void TfrmMain::SaveFontCommand(const QString& title, const TFontFormat& format)
{
    const int glyphs = FDocument.Font().GlyphCount();
    if (glyphs == 0) {
        ShowMessage(tr("Nothing to save: open a font here, or pick a preset on \"%1\", first.")
                        .arg(pcMain->tabText(pcMain->indexOf(tsCreation))),
                    TMessageKind::Information);
        return;
    }
    std::string path;
    if (format.Extensions.empty()) {
        const std::optional<QString> chosen = FDialogs->BrowseFolder(this, title);
        if (!chosen)
            return;
        path = chosen->toStdString();
        if (path.empty() || path.back() != '/')
            path += '/';
    } else {
        SaveDialog.SetUp(title, CoreText(format.SaveFilter), QString::fromStdString(format.DefaultExtension()));
        const std::optional<QString> chosen = FDialogs->SaveFile(this, SaveDialog);
        if (!chosen)
            return;
        SaveDialog.FileName = *chosen;
        path = chosen->toStdString();
    }
    const std::optional<TBdfDepth> depth = AskWriteDepth(*FDialogs, this, format, FDocument.Font());
    if (!depth)
        return;
    {
        TBusyCursor busy;
        FDocument.WriteFontFile(format, path, *depth);
    }
    StatusBar->ShowNote((format.Extensions.empty() ? tr("Wrote %1 glyph BMPs to \"%2\".")
                                                   : tr("Wrote %1 glyphs to \"%2\"."))
                            .arg(QString::number(glyphs), QString::fromStdString(path)));
}

void TfrmMain::OpenDroppedFiles(const QList<QUrl>& urls)
{
    if (urls.size() != 1) {
        ShowMessage(tr("Drop one file at a time."), TMessageKind::Error);
        return;
    }
    if (!urls[0].isLocalFile()) {
        ShowMessage(tr("\"%1\" is not a file on this computer.").arg(urls[0].toDisplayString()), TMessageKind::Error);
        return;
    }
    OpenDroppedFile(urls[0].toLocalFile());
}

void TfrmMain::OpenDroppedFile(const QString& fileName)
{
    const std::string path = fileName.toStdString();
    if (TableFileKind().Matches(path)) {
        if (!MayReplaceFont())
            return;
        OpenDialog.FileName = fileName;
        LoadTableFile(fileName);
        Refresh();
        // The table's presets are on "Font Creation"; its font is already generated.
        const QSignalBlocker blocker(pcMain);
        pcMain->setCurrentWidget(tsCreation);
        return;
    }
    const TFontFormat* format = FontFormatOf(path);
    if (!format || !format->Read) {
        ShowMessage(UnopenableDropMessage(fileName), TMessageKind::Error);
        return;
    }
    // Opened fonts belong to "Font Tools", where returning to "Font Creation" is what replaces them.
    if (OpenFontFile(fileName, *format))
        pcMain->setCurrentWidget(tsTools);
}

void TfrmMain::EditGlyph(int index)
{
    if (!FDocument.Font().GetGlyph(index))
        return;
    std::unique_ptr<TMtkFont> draft = FDocument.Draft();
    TGlyphEditor editor(this, *draft, index, [this](int code) { return FDocument.Table().CharUnicode(code); });
    if (!FDialogs->EditGlyphs(editor) || !editor.HasChanges())
        return;
    FDocument.ApplyEdits(std::move(draft));
    FLayoutDirty = true;
    DrawPreview();
    if (pcMain->currentWidget() == tsTools)
        DrawSampleText(tsTools->edSampleText->text());
}

bool TfrmMain::MayReplaceFont()
{
    if (!FDocument.HasUnsavedEdits())
        return true;
    if (!FDialogs->ConfirmDiscard(this, tr("The font has glyph edits that are not saved. Discard them?")))
        return false;
    FDocument.DiscardEdits();
    return true;
}

void TfrmMain::UpdateCaption()
{
    setWindowTitle(FDocument.HasUnsavedEdits() ? QStringLiteral("*") + FCaption : FCaption);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (MayReplaceFont())
        event->accept();
    else
        event->ignore();
}
