// Saving the generated font with its options, and importing options from a saved font.

#include <QComboBox>

#include "font/MtkFont.h"
#include "generate/FontEngine.h"
#include "generate/FontInfo.h"
#include "generate/OptionsImport.h"
#include "generate/OptionsText.h"
#include "generate/ProgramStamp.h"
#include "ui/BusyCursor.h"
#include "ui/FontPage.h"
#include "ui/GenerationOptionsPanel.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowFilters.h"

void TfrmMain::btnSaveFonClick()
{
    if (FTable.LastCharIndex() <= 0) {
        ShowMessage("Nothing to save: pick a preset with more than one character first.", TMessageKind::Information);
    } else {
        const TGenerationOptions options = ReadOptions();
        const QString proposed = QString::fromStdString(ProposedFontFileName(options, FStats.FMaxGlyphHeight));
        // The tools page's save commands propose the same name afterwards, with their own extension.
        SaveDialog.FileName = proposed;
        const TFileDialogSpec spec{QStringLiteral("Save As Mediatek Font..."), MediatekSaveFilter,
                                   QStringLiteral("mtf"), proposed};
        const std::optional<TFontSaveChoice> chosen = FDialogs->SaveFont(this, spec, false);
        if (chosen) {
            {
                TBusyCursor busy;
                const TByteArray fontInfo = chosen->SaveOptions ? BuildFontInfo(options) : TByteArray{};
                FMtkFont->SaveToFile(chosen->FileName.toStdString(), options.FontType == ftFourColorNew, ProgramStamp,
                                     fontInfo);
            }
            SetUnsavedEdits(false);
            if (chosen->SaveOptions && FEditedSinceGeneration)
                ShowMessage("The options saved into the font describe it as they generated it, before the glyph "
                            "edits.",
                            TMessageKind::Information);
        }
    }
    Refresh();
}

void TfrmMain::btnImportOptionsClick()
{
    OpenDialog.SetUp(QStringLiteral("Select GlyphForgeTool created mediatek font..."), MediatekOpenFilter,
                     QStringLiteral("mtf"));
    const std::optional<QString> chosen = FDialogs->OpenFile(this, OpenDialog);
    if (!chosen)
        return;
    OpenDialog.FileName = *chosen;
    // Many controls change; the batch regenerates once at its end.
    RunBatch([this, &chosen] {
        TGenerationOptions options = ReadOptions();
        const auto applyPrimaryFont = [this, &options] {
            FExtraStyles[0] = static_cast<TFontStyles>(options.FontStyle & (fsUnderline | fsStrikeOut));
            tsFont01->WriteOptions(options);
        };
        TImportOutcome outcome;
        try {
            outcome = ImportOptionsFromFile(chosen->toStdString(), TFontEngine::Families(), options);
        } catch (...) {
            // A bad number in the name leaves the face, style and size of its head applied.
            applyPrimaryFont();
            throw;
        }
        if (outcome.Origin == TImportOrigin::Nothing)
            return;
        applyPrimaryFont();
        FExtraStyles[1] = static_cast<TFontStyles>(options.Font2Style & (fsUnderline | fsStrikeOut));
        tsFont02->WriteOptions(options);
        gbFontOptions->WriteOptions(options);
        LeaveFixedWidthType(false);
        UpdateFontCoverage();
        SyncStyleCheckBoxes(options);
        FRegenerate = true;
    });
}
