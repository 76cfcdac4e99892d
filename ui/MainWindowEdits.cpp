// Glyph edits: the editor on a draft of the font, the mark of unsaved edits in the caption, and
// the question before anything replaces a font that holds them.

#include <QCloseEvent>
#include <QLineEdit>
#include <QTabWidget>

#include "ui/GlyphEditor.h"
#include "ui/MainWindow.h"

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
        DrawSampleText(edSampleText->text());
}

bool TfrmMain::MayReplaceFont()
{
    if (!FDocument.HasUnsavedEdits())
        return true;
    if (!FDialogs->ConfirmDiscard(this, QStringLiteral("The font has glyph edits that are not saved. Discard them?")))
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
