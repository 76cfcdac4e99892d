#pragma once
// The main window: the "Font Creation" and "Font Tools" pages, the glyph preview below them
// and the status bar. It owns the glyph store and every piece of state the commands share.
//
// Every handler changes the model, sets FRegenerate where the glyphs change, and calls
// Refresh(), which regenerates and re-lays out only when the flags ask for it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "font/MtkFont.h"
#include "generate/ConversionTable.h"
#include "generate/FontCoverage.h"
#include "generate/FontEngine.h"
#include "generate/GenerationOptions.h"
#include "generate/Generator.h"
#include "generate/PreviewLayout.h"
#include "ui/DialogSeam.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;
class QStatusBar;
class QTabWidget;
class QToolButton;
class TFontPage;
class TGenerationOptionsPanel;
class TPreviewArea;
class TSplitterBar;

class TfrmMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignClientWidth = 740;
    static constexpr int DesignClientHeight = 477;
    static constexpr int DesignPageControlHeight = 230;
    static constexpr int SplitterHeight = 2;

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

    const TMtkFont& MtkFont() const { return *FMtkFont; }
    const TConversionTable& Table() const { return FTable; }
    // In client coordinates of the unscrolled preview at 1x, at every zoom.
    const TPreviewLayout& GlyphRects() const;
    // The part of the preview rendered for painting; unscrolled, pixel (0, 0) is client point (0, PreviewTop()).
    const QImage& PreviewBitmap() const;
    int PreviewTop() const;
    QString StatusPanelText(int panel) const;
    // The option values as the controls hold them.
    TGenerationOptions ReadOptions() const;
    // Generations run so far, failed ones not counted.
    int GenerationCount() const { return FGenerationCount; }
    // The widest glyph of the last generation.
    int32_t MaxGlyphWidth() const { return FStats.FMaxGlyphWidth; }

    // Opens a glyph of the font in the glyph editor.
    void EditGlyph(int index);
    // The font holds edits that no save has written yet.
    bool HasUnsavedEdits() const { return FUnsavedEdits; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- composition (MainWindow.cpp) ---
    void BuildControls();
    QWidget* BuildCreationPage();
    QWidget* BuildToolsPage();
    void BuildStatusBar();
    void ConnectOptionControls();
    void LayoutControls();
    void FormCreate();
    void SelectDefaultFonts();

    // --- refresh cycle (MainWindowRefresh.cpp) ---
    void FormShow();
    void WMCloseSplash();
    void FormResize();
    void SplitterMoved();
    void ResizeRefresh(bool layoutChanged);
    void pcMainChange(int index);
    void cmbPresetsChange();
    void UpdateFontCoverage();
    bool PresetSelected() const;
    void DrawPreview();
    // The read-out follows the glyph now under the pointer, after the glyphs moved beneath it.
    void RefreshHoverReadOut();
    void PostLoad();
    TPaletteKind PreviewPaletteKind() const;
    void LayoutCreationPage();

    // --- option and font controls (MainWindowOptions.cpp) ---
    void OptionChanged();
    void FontChanged();
    void GenerationOptionChanged(const QString& handlerName);
    void cbExtraNarrowClick();
    void seOutlineChange(int outline);
    void cmbFonTypeChange(int index);
    void btnFontClick(TFontPage& page);
    void SyncStyleCheckBoxes(const TGenerationOptions& fonts);
    // Back to type 0 without the type handler; the spin steps become 1 when asked.
    void LeaveFixedWidthType(bool resetSteps);
    // Applies a batch of control changes with generation held off, then refreshes once,
    // also when a change fails.
    void RunBatch(const std::function<void()>& changes);

    // --- saving and importing options (MainWindowSaveImport.cpp) ---
    void btnSaveFonClick();
    void btnImportOptionsClick();

    // --- generation (MainWindowGenerate.cpp) ---
    void GenerateFont();
    void FinishGeneration(bool fixedWidthFallback);
    // The statistics line, and beside it why the font cannot be saved, when it cannot.
    void ShowStatistics();
    // The file size for the chosen type, from the glyphs in hand.
    void MeasureFileSizeForType();

    // --- "Font Tools" commands and the table dialog (MainWindowTools.cpp) ---
    void btnOpenTableClick();
    void btnOpenMTFClick();
    void btnSaveMTFClick();
    void btnOpenBMPClick();
    void btnSaveBMPClick();
    void btnExportSeparateBMPClick();
    void btnOpenTXTClick();
    void btnSaveTXTClick();
    // Reads into a new store that replaces the current one only when the read succeeds.
    void OpenFontCommand(const QString& title, const QString& filter, const QString& defaultExt,
                         const std::function<bool(TMtkFont&, const std::string&)>& read);
    // True when the file's font has replaced the one in hand.
    bool OpenFontFile(const QString& fileName, const std::function<bool(TMtkFont&, const std::string&)>& read);
    void SaveFontCommand(const QString& title, const QString& filter, const QString& defaultExt,
                         const std::function<void(const std::string&)>& write);
    std::unique_ptr<TMtkFont> NewStore();
    // The edge of every handler: an error becomes a message box, nothing is thrown on.
    void RunHandler(const std::function<void()>& handler);
    void ShowMessage(const std::string& text, TMessageKind kind);

    // --- glyph edits and what keeps them from being lost (MainWindowEdits.cpp) ---
    // True when the font may be replaced: nothing unsaved is in hand, or the user discards it.
    bool MayReplaceFont();
    void SetUnsavedEdits(bool unsaved);
    // The font in hand was replaced by a generation or a file: no edits are left in it.
    void FontReplaced();
    // While edits are unsaved: the option controls describe the font in hand as they stand now...
    void KeepControls();
    // ...or a regeneration was cancelled, and they go back to that, without one.
    void RestoreKeptControls();
    void UpdateCaption();

    // --- dropped files (MainWindowDrop.cpp) ---
    void AcceptFileDrops();
    void OpenDroppedFiles(const QList<QUrl>& urls);
    void OpenDroppedFile(const QString& fileName);

    // --- state ---
    QString FDefaultTableFile;
    std::unique_ptr<TDialogSeam> FDialogs;
    std::unique_ptr<TMtkFont> FMtkFont;
    TConversionTable FTable; // FTableFileName, FPresetIds, FCharUnicode, FLastCharIndex
    bool FRegenerate = true;
    bool FLayoutDirty = true;
    bool FGenerationEnabled = true;
    int FGenerationCount = 0;
    // Underline and strike-out per font: only the font dialog and imports set them.
    TFontStyles FExtraStyles[2] = {0, 0};
    TGenerationStats FStats; // of the last generation that finished, or of the edits applied since
    bool FStoreHoldsGeneration = false; // not a font opened since, nor a failed generation's part
    int FCreationWidth = 0; // the window's first width: beyond it the left column grows
    int32_t FLastWidth = 0;
    TAUCMinMax FCoverage1 = FullCoverage();
    TAUCMinMax FCoverage2 = FullCoverage();
    TFontEngine FEngine;
    TFileDialogSpec OpenDialog;
    TFileDialogSpec SaveDialog;
    bool FShown = false;
    QString FCaption;
    bool FUnsavedEdits = false;
    bool FEditedSinceGeneration = false;
    // The controls since the edits were applied; a regeneration the user cancels puts them back.
    TGenerationOptions FKeptOptions;
    int FKeptWidthStep = 1;
    int FLoadedPreset = -1; // the preset the table holds, for a preset change the user cancels
    QPointer<QWidget> FSplash;

    // --- controls, named as the user's documentation names them ---
    QTabWidget* pcMain = nullptr;
    QWidget* tsCreation = nullptr;
    QWidget* tsTools = nullptr;
    QGroupBox* gbPreset = nullptr;
    QGroupBox* gbSaveFon = nullptr;
    QComboBox* cmbPresets = nullptr; // both drop-down lists elide the chosen item in the middle
    QToolButton* btnOpenTable = nullptr;
    QProgressBar* pbFontCreate = nullptr;
    QComboBox* cmbFonType = nullptr;
    QToolButton* btnSaveFon = nullptr;
    QTabWidget* pcFonts = nullptr;
    TFontPage* tsFont01 = nullptr;
    TFontPage* tsFont02 = nullptr;
    TGenerationOptionsPanel* gbFontOptions = nullptr;
    QToolButton* btnOpenMTF = nullptr;
    QToolButton* btnSaveMTF = nullptr;
    QToolButton* btnOpenBMP = nullptr;
    QToolButton* btnSaveBMP = nullptr;
    QToolButton* btnExportSeparateBMP = nullptr;
    QToolButton* btnOpenTXT = nullptr;
    QToolButton* btnSaveTXT = nullptr;
    QLineEdit* edSampleText = nullptr;
    QLabel* lblSampleTextWinInfo = nullptr;
    QLabel* imgSampleText = nullptr;
    TSplitterBar* Splitter = nullptr;
    TPreviewArea* FPreviewArea = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* FStatusPanels[2] = {nullptr, nullptr};
    QLabel* FSizeLimitPanel = nullptr;
};
