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
    RunHandler([this] { ResizeRefresh(FLastWidth != width()); });
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
            if (FDocument.Preset() < 0)
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

void TfrmMain::LoadTableFile(const QString& fileName)
{
    if (!MayReplaceFont())
        return;
    try {
        FDocument.LoadTableFile(fileName.toStdString());
    } catch (...) {
        // A table that failed half-way is in use without a preset; one without presets is not.
        if (FDocument.Preset() < 0)
            cmbPresets->clear();
        throw;
    }
    cmbPresets->clear();
    for (const std::string& description : FDocument.Table().PresetDescriptions())
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
        cmbPresets->setCurrentIndex(FDocument.Preset());
        return;
    }
    FLayoutDirty = true;
    FDocument.SelectPreset(index);
    GenerateFont();
    DrawPreview();
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
    const uint16_t unicode = FDocument.Table().CharUnicode(index);
    FStatusPanels[1]->setText(QString::fromStdString(
        StrFormat("Character = %d (0x%.4X), Unicode = %d (0x%.4X), Width = %d", index, index, unicode, unicode,
                  GlyphRects().GlyphRects()[static_cast<size_t>(index)].GlyphWidth())));
}

void TfrmMain::DrawSampleText(const QString& text)
{
    int total = 0;
    const QSize size = imgSampleText->size();
    if (!size.isEmpty()) {
        // Whatever font is in hand, generated or opened; never the glyphs of one that is gone.
        if (FDocument.Font().GlyphCount() > 0) {
            const std::vector<int> codes = SampleTextCodes(text.toStdU16String(), FDocument.Table());
            const TSampleText sample =
                RenderSampleText(FDocument.Font(), codes, size, PreviewPaletteKind(), FPreviewArea->Zoom());
            imgSampleText->setPixmap(QPixmap::fromImage(sample.Image));
            total = sample.TotalWidth;
        } else {
            imgSampleText->clear();
        }
    }
    lblSampleTextWinInfo->setText(QString::fromStdString(
        StrFormat("Text width: %d | Text window size: %dx%d", total, size.width(), size.height())));
}
