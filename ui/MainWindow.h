#pragma once
// The main window: the "Font Creation" and "Font Tools" pages, the glyph preview below them
// and the status bar. It is a view of the font document: its panels show the document's
// options and write the user's changes into it, and the document's notification redraws it.
//
// Every handler changes the document, requests a generation where the glyphs change, and calls
// Refresh(), which regenerates and re-lays out only when needed.

#include <cstdint>
#include <functional>
#include <memory>

#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "document/FontDocument.h"
#include "generate/PreviewLayout.h"
#include "ui/DialogSeam.h"

#include "ui/GenerationOptionsPanel.h"

class QScrollArea;
class QTabWidget;
class TCreationPage;
class TFontPage;
class TPreviewArea;
class TSplitterBar;
class TStatusLine;
class TToolsPage;
struct TFontFormat;

class TfrmMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignClientWidth = 740;
    static constexpr int DesignClientHeight = 477;
    static constexpr int DesignPageControlHeight = 230;

    // DefaultTableFile is loaded on first show when it exists.
    TfrmMain(QString defaultTableFile, std::unique_ptr<TDialogSeam> dialogs, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Takes the splash window over; it is hidden and freed once the first show is done.
    void AdoptSplash(QWidget* splash);

    // The refresh routine: generation when requested, then the preview.
    void Refresh();
    // Hover read-out for a point in client coordinates.
    void FormMouseMove(int x, int y);
    void DrawSampleText(const QString& text);
    void LoadTableFile(const QString& fileName);

    const TFontDocument& Document() const { return FDocument; }
    const TMtkFont& MtkFont() const { return FDocument.Font(); }
    const TConversionTable& Table() const { return FDocument.Table(); }
    // In client coordinates of the unscrolled preview at 1x, at every zoom.
    const TPreviewLayout& GlyphRects() const;
    // The part of the preview rendered for painting; unscrolled, pixel (0, 0) is client point (0, PreviewTop()).
    const QImage& PreviewBitmap() const;
    int PreviewTop() const;
    QString StatusPanelText(int panel) const;
    // The options as the panels show them.
    const TGenerationOptions& ReadOptions() const { return FDocument.Options(); }
    // Generations run so far, failed ones not counted.
    int GenerationCount() const { return FDocument.GenerationCount(); }
    // The widest glyph of the last generation.
    int32_t MaxGlyphWidth() const { return FDocument.Stats().FMaxGlyphWidth; }

    // Opens a glyph of the font in the glyph editor.
    void EditGlyph(int index);
    bool HasUnsavedEdits() const { return FDocument.HasUnsavedEdits(); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // --- composition ---
    void BuildControls();
    void ConnectOptionControls();
    void LayoutControls();
    void SelectDefaultFonts();

    // --- refresh cycle ---
    void FormShow();
    void WMCloseSplash();
    void ResizeRefresh(bool layoutChanged);
    void pcMainChange(int index);
    void cmbPresetsChange();
    void DrawPreview();
    void PostLoad();
    TPaletteKind PreviewPaletteKind() const;

    // --- the options shown and taken ---
    void DocumentChanged(TDocumentChanges changes);
    // Rewrites every option control from the document, none of their handlers running.
    void ShowOptions();
    // The page's or group's fields, as the user just set them, into the document.
    void TakePageChange(const TFontPage& page);
    void TakePanelChange();
    // Requests a generation and refreshes.
    void RegenerateForChange();
    void GenerationOptionChanged(TPanelOption option);
    void cbExtraNarrowClick();
    void seOutlineChange(int outline);
    void cmbFonTypeChange(int index);
    void btnFontClick(TFontPage& page);
    void btnImportOptionsClick();
    void btnSaveFonClick();

    // --- generation ---
    void GenerateFont();
    // The statistics line, and beside it why the font cannot be saved, when it cannot.
    void ShowStatistics();

    // --- files: the "Font Tools" commands, the table, drops ---
    void btnOpenTableClick();
    void OpenFontCommand(const QString& title, const TFontFormat& format);
    // True when the file's font has replaced the one in hand.
    bool OpenFontFile(const QString& fileName, const TFontFormat& format);
    void SaveFontCommand(const QString& title, const TFontFormat& format);
    void OpenDroppedFiles(const QList<QUrl>& urls);
    void OpenDroppedFile(const QString& fileName);
    // The edge of every handler: an error becomes a message box, nothing is thrown on.
    void RunHandler(const std::function<void()>& handler);
    void ShowMessage(const QString& text, TMessageKind kind);

    // --- glyph edits and what keeps them from being lost ---
    // True when the font may be replaced: nothing unsaved is in hand, or the user discards it.
    bool MayReplaceFont();
    void UpdateCaption();

    // --- state ---
    QString FDefaultTableFile;
    std::unique_ptr<TDialogSeam> FDialogs;
    TFontDocument FDocument{TDocumentUse::Interactive};
    bool FLayoutDirty = true;
    int32_t FLastWidth = 0;
    TFileDialogSpec OpenDialog;
    TFileDialogSpec SaveDialog;
    bool FShown = false;
    QString FCaption;
    QPointer<QWidget> FSplash;

    // --- controls, named as the user's documentation names them ---
    QScrollArea* FTopPane = nullptr;
    QTabWidget* pcMain = nullptr;
    TCreationPage* tsCreation = nullptr;
    TToolsPage* tsTools = nullptr;
    TSplitterBar* Splitter = nullptr;
    TPreviewArea* FPreviewArea = nullptr;
    TStatusLine* StatusBar = nullptr;
};
