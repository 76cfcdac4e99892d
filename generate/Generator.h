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
#include <vector>

#include "font/GlyphBitmap.h"
#include "font/MtkFont.h"
#include "generate/CellCache.h"
#include "generate/CoverageMap.h"
#include "generate/FontCoverage.h"
#include "generate/FontFace.h"
#include "generate/GenerationOptions.h"

using TProgressCallback = std::function<void(int position, int maximum)>;

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
// statistics; returns the encoding the size was taken from (empty when refused).
TEncodedFont MeasureFontFileSize(const TMtkFont& store, bool newMode, TGenerationStats& stats);

// The codes of the clipped glyphs, in order.
std::vector<int32_t> ClippedCodes(const TGenerationStats& stats);

// "Font: Max Width = %d (Char %d), Height = %d, FileSize = %d bytes"
std::string StatusText(const TGenerationStats& stats);

// Which font drew a character code; NotCovered is drawn with the primary font.
enum class TGlyphSource : uint8_t { Primary, Secondary, NotCovered };

class TGlyphGenerator {
public:
    // CharUnicode must hold at least LastCharIndex + 1 entries; the fonts must outlive the generator.
    TGlyphGenerator(const TGenerationOptions& options, std::span<const uint16_t> charUnicode, int32_t lastCharIndex,
                    TGenerationFonts fonts);

    void SetProgress(TProgressCallback progress) { FProgress = std::move(progress); }

    // Replaces the store's content. On an error the store keeps the glyphs added so far, and
    // FixedWidthFallback has still been decided.
    void GenerateFont(TMtkFont& store);

    const TGenerationStats& Stats() const { return FStats; }
    // The store as the size gauge encoded it, to be saved without encoding it again; empty
    // when the writer refused the store.
    const TEncodedFont& EncodedFont() const { return FEncoded; }
    std::string StatusText() const { return ::StatusText(FStats); }
    // A 2-colour generation left glyphs wider than MinWidth: the caller returns to type 0 and
    // steps the min width and space width by 1.
    bool FixedWidthFallback() const { return FFixedWidthFallback; }
    // One entry per character code of the last generation.
    const std::vector<TGlyphSource>& Sources() const { return FSources; }

    // The steps of a generation, public for the window and for tests.
    // Kind 1: the primary font; kind 2: the secondary one while it is tried, else the primary.
    // Sets the outline width to that font's; any other kind returns none and changes nothing.
    const TFontFace* SelectRenderFont(int kind);
    int32_t MeasureCommonHeight();
    // No font draws a control character; a presentation form the font shapes counts as its own.
    bool PrimaryCovers(uint16_t unicode) const;
    bool SecondaryCovers(uint16_t unicode) const;

private:
    struct TGlyphResult {
        uint16_t Width = 0;  // W
        uint16_t Height = 0; // GH
        TClippedInk Clipped;
    };

    // Sizes one glyph with the current font and, outside the digit pass (Code none), builds it
    // into the work bitmap.
    TGlyphResult RenderGlyph(std::optional<int> code, uint16_t character, bool sameWidthChar, bool covered);
    // The character drawn, cut and outlined in the current font, from the font's cells when kept.
    const TGlyphCell& Cell(uint16_t character, uint8_t background);
    TGlyphCell DrawCell(uint16_t character, const TCellContext& context) const;
    // The row where the current font's line box starts.
    int TextTop() const;
    bool TriesSecondary() const { return FOptions.TryFont2 && FFonts.Font2; }
    bool UsesSecondary(uint16_t unicode, bool primaryCovers) const;
    uint8_t ForegroundIndex() const { return FOptions.IsTwoColor() ? 1 : 3; }
    void MeasureDigitWidth();
    void RunMainPass(TMtkFont& store);
    void ReportProgress(int position) const;

    TGenerationOptions FOptions;
    std::span<const uint16_t> FCharUnicode;
    int32_t FLastCharIndex;
    TGenerationFonts FFonts;
    TCoverageMap FCoverage1;
    TCoverageMap FCoverage2;
    TProgressCallback FProgress;

    // Values of one generation.
    int32_t FOutline = 0;
    int FShiftRows = 0;           // of the font currently selected, rows up
    bool FOnPrimaryBaseline = false; // the font currently selected sits on the primary's baseline
    const TFontFace* FCanvasFont = nullptr;
    int FMinWidth = 0;
    uint16_t FMinHeight = 0;
    int FSpaceWidth = 0;
    int FRightMargin = 0;
    int FTopCutRows = 0;
    int FBottomCutRows = 0;
    uint16_t FCommonHeight = 0;
    std::unique_ptr<TGlyphBitmap> FWorkBitmap; // the glyph just built; the store takes it over

    TGenerationStats FStats;
    TEncodedFont FEncoded;
    bool FFixedWidthFallback = false;
    std::vector<TGlyphSource> FSources;
};
