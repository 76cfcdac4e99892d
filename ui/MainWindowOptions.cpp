// The font pages, the option group and the font type box: each change requests a new
// generation and refreshes, and the fixed-width type is kept consistent with the others.

#include <exception>

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>

#include "generate/FontTypeChoice.h"
#include "ui/FontFamilyCombo.h"
#include "ui/FontPage.h"
#include "ui/GenerationOptionsPanel.h"
#include "ui/MainWindow.h"

namespace {

// Handlers whose generation errors reach the user; the rest of the group's are dropped.
bool ShowsGenerationErrors(const QString& handlerName)
{
    return handlerName == QStringLiteral("cbExtraNarrowClick") ||
           handlerName == QStringLiteral("cbDispInvalidUnicodeCharsClick");
}

} // namespace

void TfrmMain::OptionChanged()
{
    FRegenerate = true;
    Refresh();
}

void TfrmMain::FontChanged()
{
    UpdateFontCoverage();
    OptionChanged();
}

void TfrmMain::GenerationOptionChanged(const QString& handlerName)
{
    if (handlerName == QStringLiteral("cbExtraNarrowClick")) {
        RunHandler([this] { cbExtraNarrowClick(); });
    } else if (ShowsGenerationErrors(handlerName)) {
        RunHandler([this] { OptionChanged(); });
    } else {
        try {
            OptionChanged();
        } catch (const std::exception&) {
            // These options only reshape glyphs; the next change tries again.
        }
    }
}

void TfrmMain::cbExtraNarrowClick()
{
    // Fixed width needs the column cut: turning it off leaves that type, after the repaint.
    const bool leaveFixedWidth = !gbFontOptions->cbExtraNarrow->isChecked() &&
                                 cmbFonType->currentIndex() == ftTwoColorFixed;
    // Unless the regeneration was cancelled, which ticks the box again.
    const auto leave = [this, leaveFixedWidth] {
        if (leaveFixedWidth && !gbFontOptions->cbExtraNarrow->isChecked())
            LeaveFixedWidthType(true);
    };
    try {
        OptionChanged();
    } catch (...) {
        leave();
        throw;
    }
    leave();
}

void TfrmMain::seOutlineChange(int outline)
{
    // An outline cannot be drawn in two colours; the spin steps stay as they are.
    if (outline > 0 && cmbFonType->currentIndex() == ftTwoColorFixed)
        LeaveFixedWidthType(false);
    OptionChanged();
}

void TfrmMain::LeaveFixedWidthType(bool resetSteps)
{
    const QSignalBlocker blocker(cmbFonType);
    cmbFonType->setCurrentIndex(ftFourColorOld);
    if (resetSteps)
        gbFontOptions->SetWidthSteps(1);
}

void TfrmMain::cmbFonTypeChange(int index)
{
    if (index == ftTwoColorFixed) {
        // Its changes regenerate one by one: the question comes once, before them.
        if (!MayReplaceFont()) {
            RestoreKeptControls();
            return;
        }
        // Each write regenerates through the control's own handler.
        tsFont01->seOutline->setValue(0);
        gbFontOptions->cbExtraNarrow->setChecked(true);
        // Those handlers may have left the type.
        const QSignalBlocker blocker(cmbFonType);
        cmbFonType->setCurrentIndex(ftTwoColorFixed);
    }
    TGenerationOptions options = ReadOptions();
    const int step = ApplyFontTypeChoice(options, index, FStats.FMaxGlyphWidth);
    gbFontOptions->WriteOptions(options);
    gbFontOptions->SetWidthSteps(step);
    // No regeneration of its own, but the file to be saved changes with the type.
    MeasureFileSizeForType();
    // A type that did not regenerate keeps the edits with it.
    KeepControls();
}

void TfrmMain::btnFontClick(TFontPage& page)
{
    const bool primary = page.Kind() == TFontPageKind::Primary;
    TGenerationOptions options = ReadOptions();
    std::string& family = primary ? options.FontName : options.Font2Name;
    int& size = primary ? options.FontSize : options.Font2Size;
    TFontStyles& style = primary ? options.FontStyle : options.Font2Style;
    const std::optional<TFontChoice> chosen =
        FDialogs->ChooseFont(this, {QString::fromStdString(family), size, style});
    if (chosen) {
        FRegenerate = true;
        family = chosen->Family.toStdString();
        size = chosen->SizePoints;
        style = chosen->Style;
        FExtraStyles[primary ? 0 : 1] = static_cast<TFontStyles>(style & (fsUnderline | fsStrikeOut));
    }
    RunBatch([&] {
        page.cmbFont->SelectFamily(QString::fromStdString(family));
        page.seFontSize->setValue(size);
        UpdateFontCoverage();
        SyncStyleCheckBoxes(options);
    });
}

void TfrmMain::SyncStyleCheckBoxes(const TGenerationOptions& fonts)
{
    tsFont01->cbBold->setChecked(fonts.FontStyle & fsBold);
    tsFont01->cbItalic->setChecked(fonts.FontStyle & fsItalic);
    tsFont02->cbBold->setChecked(fonts.Font2Style & fsBold);
    tsFont02->cbItalic->setChecked(fonts.Font2Style & fsItalic);
}

void TfrmMain::RunBatch(const std::function<void()>& changes)
{
    const bool wasEnabled = FGenerationEnabled;
    FGenerationEnabled = false;
    try {
        changes();
    } catch (...) {
        FGenerationEnabled = wasEnabled;
        try {
            Refresh();
        } catch (...) {
            // The first failure is the one the user needs to see.
        }
        throw;
    }
    FGenerationEnabled = wasEnabled;
    Refresh();
}
