// Glyph edits: the editor on a draft of the font, the mark of unsaved edits in the caption, and
// the question before anything replaces a font that holds them.

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include "font/GlyphEdits.h"
#include "generate/StoreStatistics.h"
#include "ui/FontPage.h"
#include "ui/GenerationOptionsPanel.h"
#include "ui/GlyphEditor.h"
#include "ui/MainWindow.h"

void TfrmMain::EditGlyph(int index)
{
    if (!FMtkFont->GetGlyph(index))
        return;
    std::unique_ptr<TMtkFont> draft = NewStore();
    CopyStore(*FMtkFont, *draft);
    TGlyphEditor editor(this, *draft, index, [this](int code) { return FTable.CharUnicode(code); });
    if (!FDialogs->EditGlyphs(editor) || !editor.HasChanges())
        return;
    FMtkFont = std::move(draft);
    FEditedSinceGeneration = true;
    SetUnsavedEdits(true);
    KeepControls();
    FStats = MeasureStore(*FMtkFont, cmbFonType->currentIndex() == ftFourColorNew);
    ShowStatistics();
    FLayoutDirty = true;
    DrawPreview();
    if (pcMain->currentWidget() == tsTools)
        DrawSampleText(edSampleText->text());
}

bool TfrmMain::MayReplaceFont()
{
    if (!FUnsavedEdits)
        return true;
    if (!FDialogs->ConfirmDiscard(this, QStringLiteral("The font has glyph edits that are not saved. Discard them?")))
        return false;
    SetUnsavedEdits(false);
    return true;
}

void TfrmMain::SetUnsavedEdits(bool unsaved)
{
    if (unsaved == FUnsavedEdits)
        return;
    FUnsavedEdits = unsaved;
    UpdateCaption();
}

void TfrmMain::FontReplaced()
{
    FEditedSinceGeneration = false;
    SetUnsavedEdits(false);
}

void TfrmMain::UpdateCaption()
{
    setWindowTitle(FUnsavedEdits ? QStringLiteral("*") + FCaption : FCaption);
}

void TfrmMain::KeepControls()
{
    if (!FUnsavedEdits)
        return;
    FKeptOptions = ReadOptions();
    FKeptWidthStep = gbFontOptions->seMinWidth->singleStep();
}

void TfrmMain::RestoreKeptControls()
{
    // The controls' own handlers run and find generation held off.
    const bool wasEnabled = FGenerationEnabled;
    FGenerationEnabled = false;
    FExtraStyles[0] = static_cast<TFontStyles>(FKeptOptions.FontStyle & (fsUnderline | fsStrikeOut));
    FExtraStyles[1] = static_cast<TFontStyles>(FKeptOptions.Font2Style & (fsUnderline | fsStrikeOut));
    tsFont01->WriteOptions(FKeptOptions);
    tsFont02->WriteOptions(FKeptOptions);
    gbFontOptions->WriteOptions(FKeptOptions);
    {
        const QSignalBlocker blocker(cmbFonType);
        cmbFonType->setCurrentIndex(FKeptOptions.FontType);
    }
    gbFontOptions->SetWidthSteps(FKeptWidthStep);
    UpdateFontCoverage();
    FGenerationEnabled = wasEnabled;
    FRegenerate = false;
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (MayReplaceFont())
        event->accept();
    else
        event->ignore();
}
