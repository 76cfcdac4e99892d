// Generation as the refresh cycle runs it: the question before edits are lost, progress in
// pbFontCreate, statistics in status panel 0.

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "font/Format.h"
#include "generate/FontTypeChoice.h"
#include "ui/BusyCursor.h"
#include "ui/MainWindow.h"

namespace {

// Why the type just left the fixed width, and the way back to it.
std::string FixedWidthFallbackMessage(const TGenerationStats& stats, int minWidth)
{
    return StrFormat("Character %d is %d pixels wide, wider than \"Min width:\" %d, so the font type went back to "
                     "\"4 color compr., variable width (OLD compatibility mode)\". Choose \"2 color uncompr., fix "
                     "width\" again: it raises \"Min width:\" to %d.",
                     stats.FMaxWidthChar, stats.FMaxGlyphWidth, minWidth, RoundUpToMultipleOf4(stats.FMaxGlyphWidth));
}

} // namespace

void TfrmMain::GenerateFont()
{
    if (!FDocument.GenerationPending())
        return;
    if (!MayReplaceFont()) {
        FDocument.RevertOptions();
        return;
    }
    TBusyCursor busy;
    pbFontCreate->setRange(0, std::max(FDocument.Table().LastCharIndex(), 0));
    pbFontCreate->setValue(0);
    pbFontCreate->show();
    pbFontCreate->repaint();
    bool fixedWidthFallback = false;
    try {
        // QProgressBar repaints itself, and only when the bar visibly grows; no events are processed.
        fixedWidthFallback = FDocument.Generate([this](int position, int maximum) {
            pbFontCreate->setMaximum(maximum);
            pbFontCreate->setValue(position);
        });
    } catch (...) {
        pbFontCreate->hide();
        throw;
    }
    pbFontCreate->hide();
    DrawSampleText(edSampleText->text());
    // Told once the preview shows the glyphs it is about.
    if (fixedWidthFallback)
        QMetaObject::invokeMethod(
            this,
            [this, message = FixedWidthFallbackMessage(FDocument.Stats(), FDocument.Options().MinWidth)] {
                ShowMessage(message, TMessageKind::Information);
            },
            Qt::QueuedConnection);
}

void TfrmMain::ShowStatistics()
{
    const TGenerationStats& stats = FDocument.Stats();
    FStatusPanels[0]->setText(QString::fromStdString(StatusText(stats)));
    const QString refusal = stats.FSizeLimitMessage.empty()
                                ? QString()
                                : QStringLiteral("Cannot be saved: ") + QString::fromStdString(stats.FSizeLimitMessage);
    FSizeLimitPanel->setText(refusal);
    FSizeLimitPanel->setToolTip(refusal);
    FSizeLimitPanel->setVisible(!refusal.isEmpty());
}
