// Generation as the refresh cycle runs it: fonts from the pickers, progress in pbFontCreate,
// statistics in status panel 0.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "font/Errors.h"
#include "font/Format.h"
#include "generate/FontTypeChoice.h"
#include "generate/Generator.h"
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
    if (!FRegenerate)
        return;
    if (!MayReplaceFont()) {
        RestoreKeptControls();
        return;
    }
    const TGenerationOptions options = ReadOptions();
    TBusyCursor busy;
    const std::shared_ptr<const TFontFace> font1 = FEngine.OpenNearestFont(PrimaryFontRequest(options));
    std::shared_ptr<const TFontFace> font2;
    // No secondary family selected: the primary font draws every character.
    if (options.TryFont2 && !options.Font2Name.empty())
        font2 = FEngine.OpenNearestFont(SecondaryFontRequest(options));

    TGlyphGenerator generator(options, FTable.CharUnicode(), FTable.LastCharIndex(),
                              {font1.get(), font2.get(), FCoverage1, FCoverage2});
    // QProgressBar repaints itself, and only when the bar visibly grows; no events are processed.
    generator.SetProgress([this](int position, int maximum) {
        pbFontCreate->setMaximum(maximum);
        pbFontCreate->setValue(position);
    });
    pbFontCreate->setRange(0, std::max(FTable.LastCharIndex(), 0));
    pbFontCreate->setValue(0);
    pbFontCreate->show();
    pbFontCreate->repaint();
    FStoreHoldsGeneration = false;
    FontReplaced();
    try {
        generator.GenerateFont(*FMtkFont);
    } catch (...) {
        FinishGeneration(generator.FixedWidthFallback());
        throw;
    }
    FStats = generator.Stats();
    FStoreHoldsGeneration = true;
    ShowStatistics();
    FRegenerate = false;
    FLayoutDirty = true;
    ++FGenerationCount;
    FinishGeneration(generator.FixedWidthFallback());
    DrawSampleText(edSampleText->text());
    // Told once the preview shows the glyphs it is about.
    if (generator.FixedWidthFallback())
        QMetaObject::invokeMethod(
            this,
            [this, message = FixedWidthFallbackMessage(FStats, options.MinWidth)] {
                ShowMessage(message, TMessageKind::Information);
            },
            Qt::QueuedConnection);
}

void TfrmMain::ShowStatistics()
{
    // Setting the text may repaint the window; that repaint must not start another generation.
    const bool wasEnabled = FGenerationEnabled;
    FGenerationEnabled = false;
    FStatusPanels[0]->setText(QString::fromStdString(StatusText(FStats)));
    const QString refusal = FStats.FSizeLimitMessage.empty()
                                ? QString()
                                : QStringLiteral("Cannot be saved: ") + QString::fromStdString(FStats.FSizeLimitMessage);
    FSizeLimitPanel->setText(refusal);
    FSizeLimitPanel->setToolTip(refusal);
    FSizeLimitPanel->setVisible(!refusal.isEmpty());
    FGenerationEnabled = wasEnabled;
}

void TfrmMain::MeasureFileSizeForType()
{
    // The line describes the last generation; a font opened since keeps it as it was.
    if (!FStoreHoldsGeneration)
        return;
    MeasureFontFileSize(*FMtkFont, cmbFonType->currentIndex() == ftFourColorNew, FStats);
    ShowStatistics();
}

void TfrmMain::FinishGeneration(bool fixedWidthFallback)
{
    // Back to a variable-width type without running its handler: the glyphs stay as made.
    if (fixedWidthFallback)
        LeaveFixedWidthType(true);
    pbFontCreate->hide();
}

void TfrmMain::UpdateFontCoverage()
{
    const TGenerationOptions options = ReadOptions();
    // A font the engine cannot open counts as covering everything; generation reports the failure.
    auto coverageOf = [this](const TFontRequest& request) {
        try {
            return FEngine.OpenNearestFont(request)->Coverage();
        } catch (const EGlyphForgeError&) {
            return FullCoverage();
        }
    };
    FCoverage1 = coverageOf(PrimaryFontRequest(options));
    FCoverage2 = coverageOf(SecondaryFontRequest(options));
}
