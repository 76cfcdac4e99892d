// The refresh cycle: first show, resize, page change, preset change, option changes,
// the preview and the hover read-out.

#include <QComboBox>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTabWidget>

#include "font/Errors.h"
#include "font/Format.h"
#include "generate/SampleTextCodes.h"
#include "ui/MainWindow.h"
#include "ui/PreviewArea.h"
#include "ui/SampleText.h"
#include "ui/SplitterBar.h"

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
    RunHandler([this] { FormResize(); });
}

void TfrmMain::FormResize()
{
    ResizeRefresh(FLastWidth != width());
}

// The preview's top edge moves with the bar; laying out again keeps the frames the read-out
// uses where the glyphs are drawn.
void TfrmMain::SplitterMoved()
{
    RunHandler([this] { ResizeRefresh(true); });
}

void TfrmMain::ResizeRefresh(bool layoutChanged)
{
    // A pending rebuild is never dropped by a resize that keeps the width.
    FLayoutDirty = FLayoutDirty || layoutChanged;
    FLastWidth = width();
    Refresh();
    if (pcMain->currentWidget() == tsTools)
        DrawSampleText(edSampleText->text());
}

void TfrmMain::pcMainChange(int index)
{
    RunHandler([this, index] {
        if (pcMain->widget(index) == tsCreation) {
            // Regenerates from the preset: a font opened from a file is replaced.
            if (!PresetSelected())
                return;
            if (!MayReplaceFont()) {
                const QSignalBlocker blocker(pcMain);
                pcMain->setCurrentWidget(tsTools);
                return;
            }
            cmbPresetsChange();
        } else {
            DrawSampleText(edSampleText->text());
        }
    });
}

bool TfrmMain::PresetSelected() const
{
    return cmbPresets->currentIndex() >= 0;
}

void TfrmMain::LoadTableFile(const QString& fileName)
{
    if (!MayReplaceFont())
        return;
    TConversionTable loaded = FTable;
    try {
        loaded.LoadTableFile(fileName.toStdString());
    } catch (...) {
        // What was read before the failure is in use, and no preset is selected.
        FTable = std::move(loaded);
        cmbPresets->clear();
        throw;
    }
    // Nothing could be drawn from it: the presets in use stay.
    if (loaded.PresetIds().Count() == 0)
        throw EGlyphForgeError(StrFormat("\"%s\" holds no presets (numbered sections such as [1]); the presets in "
                                         "use are kept.",
                                         fileName.toStdString().c_str()));
    FTable = std::move(loaded);
    cmbPresets->clear();
    for (const std::string& description : FTable.PresetDescriptions())
        cmbPresets->addItem(QString::fromLatin1(description.c_str()));
    cmbPresets->setCurrentIndex(0);
    cmbPresetsChange();
}

void TfrmMain::cmbPresetsChange()
{
    const int index = cmbPresets->currentIndex();
    if (index < 0)
        return;
    if (!MayReplaceFont()) {
        cmbPresets->setCurrentIndex(FLoadedPreset);
        return;
    }
    FLoadedPreset = index;
    try {
        FTable.LoadTableSection(FTable.PresetIds()[index]);
    } catch (...) {
        // Entries before a bad line are in; the next refresh generates from them.
        FRegenerate = true;
        FLayoutDirty = true;
        throw;
    }
    FRegenerate = true;
    FLayoutDirty = true;
    GenerateFont();
    DrawPreview();
}

void TfrmMain::Refresh()
{
    if (!FGenerationEnabled)
        return;
    if (FTable.LastCharIndex() <= 0 || !PresetSelected()) {
        // Nothing can replace the edited font; the controls changed along with it.
        KeepControls();
        return;
    }
    GenerateFont();
    DrawPreview();
}

TPaletteKind TfrmMain::PreviewPaletteKind() const
{
    return cmbFonType->currentIndex() == ftTwoColorFixed ? TPaletteKind::TwoColor : TPaletteKind::FourColor;
}

void TfrmMain::DrawPreview()
{
    if (FLayoutDirty) {
        FPreviewArea->ShowGlyphs(*FMtkFont, FTable.LastCharIndex() + 1, PreviewPaletteKind(),
                                 Splitter->y() + Splitter->height());
        FLayoutDirty = false;
        RefreshHoverReadOut();
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

void TfrmMain::RefreshHoverReadOut()
{
    const QPoint pointer = FPreviewArea->mapFromGlobal(QCursor::pos());
    if (!FPreviewArea->rect().contains(pointer)) {
        FStatusPanels[1]->clear();
        return;
    }
    const QPoint layoutPoint = FPreviewArea->ToLayout(pointer);
    FormMouseMove(layoutPoint.x(), layoutPoint.y());
}

void TfrmMain::PostLoad()
{
    FStoreHoldsGeneration = false;
    FTable.ClearToZero(FMtkFont->GlyphCount());
    FLayoutDirty = true;
    DrawPreview();
    DrawSampleText(edSampleText->text());
}

void TfrmMain::FormMouseMove(int x, int y)
{
    const int index = GlyphRects().GlyphAtPoint(x, y);
    if (index < 0) {
        FStatusPanels[1]->clear();
        return;
    }
    const uint16_t unicode = FTable.CharUnicode(index);
    FStatusPanels[1]->setText(QString::fromStdString(
        StrFormat("Character = %d (0x%.4X), Unicode = %d (0x%.4X), Width = %d", index, index, unicode, unicode,
                  GlyphRects().GlyphRects()[static_cast<size_t>(index)].GlyphWidth())));
}

void TfrmMain::DrawSampleText(const QString& text)
{
    int total = 0;
    const QSize size = imgSampleText->size();
    if (FGenerationEnabled && !size.isEmpty()) {
        // Whatever font is in hand, generated or opened; never the glyphs of one that is gone.
        if (FMtkFont->GlyphCount() > 0) {
            const std::vector<int> codes = SampleTextCodes(text.toStdU16String(), FTable);
            const TSampleText sample =
                RenderSampleText(*FMtkFont, codes, size, PreviewPaletteKind(), FPreviewArea->Zoom());
            imgSampleText->setPixmap(QPixmap::fromImage(sample.Image));
            total = sample.TotalWidth;
        } else {
            imgSampleText->clear();
        }
    }
    lblSampleTextWinInfo->setText(QString::fromStdString(
        StrFormat("Text width: %d | Text window size: %dx%d", total, size.width(), size.height())));
}
