// The option controls as a view of the document's options: each user change is taken into the
// document and regenerates; what the document changes itself is shown again.

#include <exception>

#include <QComboBox>
#include <QSignalBlocker>
#include <QStatusBar>

#include "font/FileFormats.h"
#include "generate/FontEngine.h"
#include "generate/FontTypeChoice.h"
#include "generate/OptionsImport.h"
#include "generate/OptionsText.h"
#include "ui/BusyCursor.h"
#include "ui/FontFamilyCombo.h"
#include "ui/FontPage.h"
#include "ui/GenerationOptionsPanel.h"
#include "ui/MainWindow.h"

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
    for (TFontPage* page : {tsFont01, tsFont02}) {
        const QSignalBlocker blocker(page);
        page->WriteOptions(options);
    }
    {
        const QSignalBlocker blocker(gbFontOptions);
        gbFontOptions->WriteOptions(options);
    }
    const QSignalBlocker blocker(cmbFonType);
    cmbFonType->setCurrentIndex(options.FontType);
    gbFontOptions->SetWidthSteps(FDocument.WidthStep());
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
    gbFontOptions->ReadOptions(options);
    FDocument.SetOptions(options);
}

void TfrmMain::OptionChanged()
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
    const bool leaveFixedWidth = !FDocument.Options().CutLeftRight && FDocument.Options().IsTwoColor();
    // Unless the regeneration was cancelled, which ticks the box again.
    const auto leave = [this, leaveFixedWidth] {
        if (leaveFixedWidth && !FDocument.Options().CutLeftRight) {
            FDocument.LeaveFixedWidthType(true);
            ShowOptions();
        }
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
    if (outline > 0 && FDocument.Options().IsTwoColor()) {
        FDocument.LeaveFixedWidthType(false);
        ShowOptions();
    }
    OptionChanged();
}

void TfrmMain::cmbFonTypeChange(int index)
{
    TGenerationOptions options = FDocument.Options();
    options.FontType = index;
    FDocument.SetOptions(options);
    if (index == ftTwoColorFixed) {
        // The question comes once, before the type's own regeneration.
        if (!MayReplaceFont()) {
            FDocument.RevertOptions();
            return;
        }
        // The widest glyph the type takes its width from is drawn without outline and trimmed.
        ApplyFixedWidthRule(options);
        if (options.Outline != FDocument.Options().Outline ||
            options.CutLeftRight != FDocument.Options().CutLeftRight) {
            FDocument.SetOptions(options);
            ShowOptions();
            OptionChanged();
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
        ShowOptions();
        // The field names the chosen family even where the list lacks it.
        page.cmbFont->SelectFamily(chosen->Family);
    }
    Refresh();
}

void TfrmMain::btnImportOptionsClick()
{
    const TFontFormat& mediatek = FontFormat(TFontFormatId::Mediatek);
    OpenDialog.SetUp(QStringLiteral("Select GlyphForgeTool created mediatek font..."),
                     QString::fromStdString(mediatek.OpenFilter), QString::fromStdString(mediatek.DefaultExtension()));
    const std::optional<QString> chosen = FDialogs->OpenFile(this, OpenDialog);
    if (!chosen)
        return;
    OpenDialog.FileName = *chosen;
    TGenerationOptions options = FDocument.Options();
    TImportOutcome outcome;
    try {
        outcome = ImportOptionsFromFile(chosen->toStdString(), TFontEngine::Families(), options);
    } catch (...) {
        // A bad number in the name leaves the face, style and size of its head applied.
        TGenerationOptions applied = FDocument.Options();
        applied.FontName = options.FontName;
        applied.FontSize = options.FontSize;
        applied.FontStyle = options.FontStyle;
        if (!(applied == FDocument.Options())) {
            FDocument.SetOptions(applied);
            FDocument.RequestGeneration();
        }
        ShowOptions();
        try {
            Refresh();
        } catch (...) {
            // The first failure is the one the user needs to see.
        }
        throw;
    }
    if (outcome.Origin == TImportOrigin::Nothing)
        return;
    FDocument.SetOptions(options);
    FDocument.LeaveFixedWidthType(false);
    FDocument.RequestGeneration();
    ShowOptions();
    Refresh();
}

void TfrmMain::btnSaveFonClick()
{
    if (FDocument.Table().LastCharIndex() <= 0) {
        ShowMessage("Nothing to save: pick a preset with more than one character first.", TMessageKind::Information);
    } else {
        const TFontFormat& mediatek = FontFormat(TFontFormatId::Mediatek);
        const QString proposed =
            QString::fromStdString(ProposedFontFileName(FDocument.Options(), FDocument.Stats().FMaxGlyphHeight));
        // The tools page's save commands propose the same name afterwards, with their own extension.
        SaveDialog.FileName = proposed;
        const TFileDialogSpec spec{QStringLiteral("Save As Mediatek Font..."),
                                   QString::fromStdString(mediatek.SaveFilter),
                                   QString::fromStdString(mediatek.DefaultExtension()), proposed};
        if (const std::optional<TFontSaveChoice> chosen = FDialogs->SaveFont(this, spec, false)) {
            {
                TBusyCursor busy;
                FDocument.SaveFont(chosen->FileName.toStdString(), chosen->SaveOptions);
            }
            if (chosen->SaveOptions && FDocument.EditedSinceGeneration())
                ShowMessage("The options saved into the font describe it as they generated it, before the glyph "
                            "edits.",
                            TMessageKind::Information);
        }
    }
    Refresh();
}
