#pragma once
// The document the window and the command line both work on: the glyph store, the conversion
// table and its preset, the generation options, the fonts, the statistics and whether edits are
// unsaved. It runs the one generation both front ends use and reports what changed through
// Changed. No widgets: the window shows it, the command line drives it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

#include "font/BdfWriter.h"
#include "font/MessageSink.h"
#include "font/MtkFont.h"
#include "generate/ConversionTable.h"
#include "generate/FontEngine.h"
#include "generate/FontTypeChoice.h"
#include "generate/GenerationOptions.h"
#include "generate/Generator.h"
#include "generate/OptionsImport.h"

struct TFontFormat;
struct TFontReadSettings;

// What a notification is about; a set of these bits.
enum TDocumentChange : unsigned {
    dcFontReplaced = 1u << 0, // a generation or a file replaced the store
    dcStatistics = 1u << 1,
    dcModified = 1u << 2, // the unsaved-edits mark changed
    dcOptions = 1u << 3,  // the document changed the options itself
};
using TDocumentChanges = unsigned;

enum class TDocumentUse {
    // A missing family is drawn with the nearest installed one, and rendered glyphs are kept
    // for the next generation.
    Interactive,
    // One generation: a missing family is an error, and nothing is kept.
    Batch,
};

class TFontDocument : public QObject {
    Q_OBJECT

public:
    explicit TFontDocument(TDocumentUse use);
    ~TFontDocument() override;

    // --- the store ---
    const TMtkFont& Font() const { return *FFont; }
    // Stores the document makes pass the reader's messages here.
    void SetMessageSink(TMessageSink sink) { FSink = std::move(sink); }
    std::unique_ptr<TMtkFont> NewStore() const;
    // The file read into a new store; none when the reader refused it (its message went to the
    // sink). A read that yields no glyph where the format refuses that throws.
    std::unique_ptr<TMtkFont> ReadFontFile(const TFontFormat& format, const std::string& path,
                                           const TFontReadSettings& settings) const;
    // A font read from File replaces the one in hand; it has no conversion table.
    void ReplaceFont(std::unique_ptr<TMtkFont> font, const std::string& file);
    // A Mediatek save ends the unsaved edits. A BDF is described by what made the font in hand.
    void WriteFontFile(const TFontFormat& format, const std::string& path, TBdfDepth bdfDepth = TBdfDepth::AsFont);
    // The Mediatek font of the options' type, with the font-information block when asked.
    void SaveFont(const std::string& path, bool saveOptions);

    // --- glyph edits ---
    // Edits are made on a copy; applied, it replaces the store and is unsaved.
    std::unique_ptr<TMtkFont> Draft() const;
    void ApplyEdits(std::unique_ptr<TMtkFont> edited);
    bool HasUnsavedEdits() const { return FUnsavedEdits; }
    bool EditedSinceGeneration() const { return FEditedSinceGeneration; }
    void DiscardEdits() { SetUnsavedEdits(false); }

    // --- the conversion table ---
    const TConversionTable& Table() const { return FTable; }
    // Reads a table's presets. A file that fails, or holds no presets, is refused and the table
    // in use kept.
    void LoadTableFile(const std::string& fileName);
    // A preset by its number, else by its description (ignoring case); the first when empty.
    std::optional<int> FindPreset(const std::string& preset) const;
    // Loads preset Index (of PresetIds) and requests a generation, also when loading fails.
    void SelectPreset(int index);
    int Preset() const { return FPreset; }
    // A preset is loaded and maps more than one character.
    bool CanGenerate() const { return FPreset >= 0 && FTable.LastCharIndex() > 0; }

    // --- options ---
    const TGenerationOptions& Options() const { return FOptions; }
    // The user's change; a generation follows only when requested.
    void SetOptions(const TGenerationOptions& options) { FOptions = options; }
    // Options given whole, as on a command line: a fixed-width type turns the outline off and
    // the column cut on, as picking it does.
    void AdoptOptions(const TGenerationOptions& options);
    void RequestGeneration() { FGenerationPending = true; }
    bool GenerationPending() const { return FGenerationPending; }
    // Spin step of the minimum and space widths: 4 while the fixed-width type holds.
    int WidthStep() const { return FWidthStep; }
    // The type box's pick: the type's rules applied to the other options, the size gauge
    // re-measured. A generation is requested when a width changed, or when the glyphs in hand
    // were generated in the other colour depth. Leaving the fixed-width type gives back the
    // widths it took, unless the user changed them since.
    void ChooseFontType(int type);
    // The "Min width:" picking the fixed-width type now sets: wide enough for every glyph.
    int FixedMinWidth();
    // Back to the variable-width type without a generation; the width step becomes 1 when asked.
    void LeaveFixedWidthType(bool resetStep);
    // The options File holds (its font-information block, else its name) replace these, and a
    // generation is requested; a file holding none leaves them as they are. A bad number in the
    // name still applies the face, style and size read before it, then throws.
    TImportOrigin ImportOptions(const std::string& path);
    // The options that made the font in hand, after a change the user declined to apply.
    void RevertOptions();
    // The options now describe the font in hand (no generation replaces it).
    void KeepOptions();

    // --- generation ---
    // Options, fonts, generation, statistics and size gauge. Replaces the store; on an error
    // it keeps the glyphs made so far. True when a fixed-width generation made glyphs too wide
    // for it and the type went back to variable width.
    bool Generate(const TProgressCallback& progress = {});
    // Workers drawing the glyphs at once; 0, the default, is one per core this process may use.
    // The glyphs are the same whatever the count.
    void SetWorkers(int workers) { FWorkers = workers; }
    const TGenerationStats& Stats() const { return FStats; }
    // The store holds a whole generation, not a font opened since nor a failed generation's part.
    bool HoldsGeneration() const { return FStoreHoldsGeneration; }
    int GenerationCount() const { return FGenerationCount; }
    // Which font drew each character code of the last generation.
    const std::vector<TGlyphSource>& Sources() const { return FSources; }

signals:
    void Changed(TDocumentChanges changes);

private:
    // A generator for Options, with their fonts open while Use runs.
    void RunGenerator(const TGenerationOptions& options, const std::function<void(TGlyphGenerator&)>& use);
    // Workers for a generation of the table, or for encoding its font.
    int GenerationWorkers() const;
    bool Generate(TGlyphGenerator& generator, const TProgressCallback& progress);
    // The widest glyph a generation with Options makes, the store left as it is.
    int WidestGlyph(const TGenerationOptions& options);
    void SetUnsavedEdits(bool unsaved);
    void FontReplaced();
    std::vector<std::shared_ptr<const TFontFace>> OpenFonts(const TFontRequest& request, int workers);
    std::shared_ptr<const TFontFace> OpenFont(const TFontRequest& request);
    // The generation's options, face and table, or what the file the font came from names.
    TBdfDescription BdfDescription();

    TDocumentUse FUse;
    TFontEngine FEngine;
    TMessageSink FSink;
    std::unique_ptr<TMtkFont> FFont;
    std::string FFontFile; // the file the font in hand was read from; empty for a generation
    TConversionTable FTable;
    int FPreset = -1;
    TGenerationOptions FOptions;
    int FWidthStep = 1;
    std::optional<TTakenWidths> FTakenWidths; // while the fixed-width type holds widths it raised
    TGenerationOptions FOptionsInHand; // made the font in hand, or describe it since edits
    int FWidthStepInHand = 1;
    bool FGenerationPending = true;
    TGenerationStats FStats; // of the font in hand: generated, opened or edited
    std::vector<TGlyphSource> FSources;
    TEncodedFont FEncoded; // the store as saved in the options' mode; empty when unknown or refused
    bool FStoreHoldsGeneration = false; // not a font opened since, nor a failed generation's part
    TGenerationOptions FGeneratedOptions; // of the last generation that completed
    int FGenerationCount = 0;
    int FWorkers = 0;
    bool FUnsavedEdits = false;
    bool FEditedSinceGeneration = false;
};
