#pragma once
// Font generation: every character code of a conversion table drawn with the primary font (or
// the secondary one where only that covers the character), cut, outlined and sized by the width
// rules, into the glyph store; then the store's font-wide values and the statistics.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "font/GlyphBitmap.h"
#include "font/MtkFont.h"
#include "generate/CellCache.h"
#include "generate/CoverageMap.h"
#include "generate/FontCoverage.h"
#include "generate/FontFace.h"
#include "generate/GenerationOptions.h"

using TProgressCallback = std::function<void(int position, int maximum)>;

// The faces one worker draws with. A face serves one thread at a time, so each worker has
// faces of its own of the same two fonts.
struct TWorkerFonts {
    const TFontFace* Font1 = nullptr;
    const TFontFace* Font2 = nullptr;
};

struct TGenerationFonts {
    const TFontFace* Font1 = nullptr; // required
    const TFontFace* Font2 = nullptr; // none: the secondary font is never used
    TAUCMinMax Coverage1 = FullCoverage();
    TAUCMinMax Coverage2 = FullCoverage();
};

// A glyph whose ink the cell cuts at the top or bottom.
struct TClippedGlyph {
    int32_t Code = 0;
    uint16_t Unicode = 0;
    TClippedInk Rows;

    bool operator==(const TClippedGlyph&) const = default;
};

struct TGenerationStats {
    int32_t FMaxGlyphWidth = 0;
    int32_t FMaxWidthChar = 0; // a character code, not its Unicode value
    int32_t FMaxGlyphHeight = 0;
    int32_t FFontFileSize = 0; // 0 when the writer refuses the store
    uint16_t FDigitWidth = 0;
    // Why the writer refuses the store, known at generation so it can be shown before a save.
    std::string FSizeLimitMessage;
    std::vector<TClippedGlyph> FClipped; // by code
};

// The store's saved size in the mode, or 0 and the writer's reason to refuse it, into the
// statistics; returns the encoding the size was taken from (empty when refused), made by as
// many workers.
TEncodedFont MeasureFontFileSize(const TMtkFont& store, bool newMode, TGenerationStats& stats, int workers = 1);

// The codes of the clipped glyphs, in order.
std::vector<int32_t> ClippedCodes(const TGenerationStats& stats);

// "Font: Max Width = %d (Char %d), Height = %d, FileSize = %d bytes"
std::string StatusText(const TGenerationStats& stats);

// The row where a face's line box starts, with Outline rows around it, centred in a cell of
// CellHeight rows; cuts and shifts move it from there.
int CentredTextTop(int cellHeight, const TFontFace& face, int outline);

// Which font drew a character code; NotCovered is drawn with the primary font.
enum class TGlyphSource : uint8_t { Primary, Secondary, NotCovered };

class TGlyphGenerator {
public:
    // CharUnicode must hold at least LastCharIndex + 1 entries; the fonts must outlive the generator.
    TGlyphGenerator(const TGenerationOptions& options, std::span<const uint16_t> charUnicode, int32_t lastCharIndex,
                    TGenerationFonts fonts);

    void SetProgress(TProgressCallback progress) { FProgress = std::move(progress); }
    // Faces for workers besides the first, which draws with the generation fonts; glyphs are
    // drawn by every worker at once, into the same bytes as by one.
    void SetMoreWorkers(std::vector<TWorkerFonts> workers);
    // How many workers a table of Codes character codes is worth, out of Available: each
    // worker opens faces of its own.
    static int WorkersWorthStarting(int available, int32_t codes);

    // Replaces the store's content. On an error the store keeps the glyphs added so far, and
    // FixedWidthFallback has still been decided.
    void GenerateFont(TMtkFont& store);

    const TGenerationStats& Stats() const { return FStats; }
    // The store as the size gauge encoded it, to be saved without encoding it again; empty
    // when the writer refused the store. Handed over: the generator keeps none.
    TEncodedFont TakeEncodedFont() { return std::move(FEncoded); }
    std::string StatusText() const { return ::StatusText(FStats); }
    // A 2-colour generation left glyphs wider than MinWidth: the caller returns to type 0 and
    // steps the min width and space width by 1.
    bool FixedWidthFallback() const { return FFixedWidthFallback; }
    // One entry per character code of the last generation.
    const std::vector<TGlyphSource>& Sources() const { return FSources; }

    // The steps of a generation, public for tests.
    // Kind 1: the primary font; kind 2: the secondary one while it is tried, else the primary;
    // any other kind: none.
    const TFontFace* SelectRenderFont(int kind) const;
    int32_t MeasureCommonHeight() const;
    // No font draws a control character; a presentation form the font shapes counts as its own.
    bool PrimaryCovers(uint16_t unicode) const { return PrimaryCovers(FWorkers.front(), unicode); }
    bool SecondaryCovers(uint16_t unicode) const { return SecondaryCovers(FWorkers.front(), unicode); }

private:
    // A font as a glyph is drawn with it: its face and the outline and placement it takes.
    struct TDrawingFont {
        const TFontFace* Face = nullptr;
        int Outline = 0;
        int ShiftRows = 0;              // rows up
        bool OnPrimaryBaseline = false; // else centred in the cell
    };

    struct TGlyphResult {
        uint16_t Width = 0;  // W
        uint16_t Height = 0; // GH
        TClippedInk Clipped;
        std::unique_ptr<TGlyphBitmap> Bitmap; // none in the digit pass
    };

    // The codes a worker draws one after the other.
    static constexpr int32_t CodeRun = 64;

    struct TCodeGlyph {
        TGlyphResult Glyph;
        TGlyphSource Source = TGlyphSource::Primary;
    };

    TDrawingFont ChooseFont(const TWorkerFonts& fonts, bool secondary) const;
    bool PrimaryCovers(const TWorkerFonts& fonts, uint16_t unicode) const;
    bool SecondaryCovers(const TWorkerFonts& fonts, uint16_t unicode) const;
    bool UsesSecondary(const TWorkerFonts& fonts, uint16_t unicode, bool primaryCovers) const;
    // The glyph of one character code, drawn with a worker's own faces into Memory (none: new
    // memory); safe to call from several threads at once, each with its own faces.
    TCodeGlyph DrawCode(const TWorkerFonts& fonts, int32_t code, std::unique_ptr<TGlyphBitmap> memory) const;
    // Sizes one glyph and, outside the digit pass (Code none), builds it in its final width, in
    // Memory when given.
    TGlyphResult RenderGlyph(const TDrawingFont& font, std::optional<int> code, uint16_t character,
                             bool sameWidthChar, bool covered, std::unique_ptr<TGlyphBitmap> memory = {}) const;
    // The character drawn, cut and outlined, from the face's cells when kept.
    const TGlyphCell& Cell(const TDrawingFont& font, uint16_t character, uint8_t background) const;
    void DrawCell(const TDrawingFont& font, uint16_t character, const TCellContext& context, TGlyphCell& cell) const;
    // The row where the font's line box starts.
    int TextTop(const TDrawingFont& font) const;
    bool TriesSecondary() const { return FOptions.TryFont2 && FFonts.Font2; }
    uint8_t ForegroundIndex() const { return FOptions.IsTwoColor() ? 1 : 3; }
    void MeasureDigitWidth();
    // Every code drawn by the workers, then taken into the store and the statistics in code
    // order. Code k is drawn in the memory of Spare[k] where there is one.
    void RunMainPass(TMtkFont& store, std::vector<std::unique_ptr<TGlyphBitmap>> spare);
    void ReportProgress(int position) const;

    TGenerationOptions FOptions;
    std::span<const uint16_t> FCharUnicode;
    int32_t FLastCharIndex;
    TGenerationFonts FFonts;
    TCoverageMap FCoverage1;
    TCoverageMap FCoverage2;
    TProgressCallback FProgress;

    std::vector<TWorkerFonts> FWorkers; // the first draws with FFonts' faces

    // Values of one generation.
    int FMinWidth = 0;
    uint16_t FMinHeight = 0;
    int FSpaceWidth = 0;
    int FRightMargin = 0;
    int FTopCutRows = 0;
    int FBottomCutRows = 0;
    uint16_t FCommonHeight = 0;

    TGenerationStats FStats;
    TEncodedFont FEncoded;
    bool FFixedWidthFallback = false;
    std::vector<TGlyphSource> FSources;
};
