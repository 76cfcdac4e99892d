// Generation as the refresh cycle runs it: fonts from the pickers, progress in pbFontCreate,
// statistics in status panel 0.

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>

#include "font/Errors.h"
#include "generate/Generator.h"
#include "ui/BusyCursor.h"
#include "ui/MainWindow.h"

namespace {

TFontRequest PrimaryRequest(const TGenerationOptions& options)
{
    return {options.FontName, options.FontSize, options.FontStyle};
}

TFontRequest SecondaryRequest(const TGenerationOptions& options)
{
    return {options.Font2Name, options.Font2Size, options.Font2Style};
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
    const std::shared_ptr<const TFontFace> font1 = FEngine.OpenFont(PrimaryRequest(options));
    std::shared_ptr<const TFontFace> font2;
    // No secondary family selected: the primary font draws every character.
    if (options.TryFont2 && !options.Font2Name.empty())
        font2 = FEngine.OpenFont(SecondaryRequest(options));

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
    FontReplaced();
    try {
        generator.GenerateFont(*FMtkFont);
    } catch (...) {
        FinishGeneration(generator.FixedWidthFallback());
        throw;
    }
    FStats = generator.Stats();
    // Setting the text may repaint the window; that repaint must not start another generation.
    FGenerationEnabled = false;
    FStatusPanels[0]->setText(QString::fromStdString(generator.StatusText()));
    FGenerationEnabled = true;
    FRegenerate = false;
    FLayoutDirty = true;
    ++FGenerationCount;
    FinishGeneration(generator.FixedWidthFallback());
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
            return FEngine.OpenFont(request)->Coverage();
        } catch (const EGlyphForgeError&) {
            return FullCoverage();
        }
    };
    FCoverage1 = coverageOf(PrimaryRequest(options));
    FCoverage2 = coverageOf(SecondaryRequest(options));
}
