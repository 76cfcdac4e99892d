#include "generate/Generator.h"

#include <algorithm>
#include <stdexcept>

#include "font/Errors.h"
#include "font/Format.h"
#include "generate/ArabicForms.h"
#include "generate/GlyphRules.h"
#include "generate/ProgramStamp.h"
#include "generate/WidthLayout.h"

namespace {

constexpr uint8_t OutlineIndex = 2;
constexpr uint8_t FourColorInk = 3;
constexpr uint16_t NoBreakSpaceCode = 0xA0;

TPaletteKind GlyphPalette(int fontType)
{
    return fontType == ftTwoColorFixed ? TPaletteKind::TwoColor : TPaletteKind::FourColor;
}

bool IsDigit(uint16_t unicode)
{
    return unicode >= u'0' && unicode <= u'9';
}

// C0 and C1 controls: fonts that map them draw boxes or control pictures, never text.
bool IsControlCharacter(uint16_t unicode)
{
    return unicode <= 0x1F || (unicode >= 0x7F && unicode <= 0x9F);
}

} // namespace

TGlyphGenerator::TGlyphGenerator(const TGenerationOptions& options, std::span<const uint16_t> charUnicode,
                                 int32_t lastCharIndex, TGenerationFonts fonts)
    : FOptions(options), FCharUnicode(charUnicode), FLastCharIndex(lastCharIndex), FFonts(std::move(fonts)),
      FCoverage1(FFonts.Coverage1), FCoverage2(FFonts.Coverage2)
{
    if (!FFonts.Font1)
        throw std::invalid_argument("generation needs a primary font");
    if (lastCharIndex > 0xFFFF || (lastCharIndex >= 0 && static_cast<size_t>(lastCharIndex) >= charUnicode.size()))
        throw std::out_of_range("the conversion table is shorter than its last character index");
}

const TFontFace* TGlyphGenerator::SelectRenderFont(int kind)
{
    if (kind == 2 && TriesSecondary()) {
        FOutline = std::max(FOptions.Outline2, 0);
        FShiftRows = ShiftRange.Clamp(FOptions.Shift2);
        FOnPrimaryBaseline = FOptions.Align2 == TSecondaryBaseline::Primary;
        return FFonts.Font2;
    }
    if (kind != 1 && kind != 2)
        return nullptr;
    FOutline = std::max(FOptions.Outline, 0);
    FShiftRows = ShiftRange.Clamp(FOptions.Shift);
    FOnPrimaryBaseline = false;
    return FFonts.Font1;
}

bool TGlyphGenerator::PrimaryCovers(uint16_t unicode) const
{
    return !IsControlCharacter(unicode) && (FCoverage1.Covers(unicode) || FFonts.Font1->ShapesCharacter(unicode));
}

bool TGlyphGenerator::SecondaryCovers(uint16_t unicode) const
{
    return !IsControlCharacter(unicode) &&
           (FCoverage2.Covers(unicode) || (FFonts.Font2 && FFonts.Font2->ShapesCharacter(unicode)));
}

bool TGlyphGenerator::UsesSecondary(uint16_t unicode, bool primaryCovers) const
{
    return !primaryCovers && TriesSecondary() && SecondaryCovers(unicode);
}

int32_t TGlyphGenerator::MeasureCommonHeight()
{
    // Every character of a font has the same cell height, so the scan can stop once each
    // font that can be chosen has been seen.
    bool seen[2] = {false, !TriesSecondary()};
    int32_t height = 0;
    for (int32_t c = 0; c <= FLastCharIndex && !(seen[0] && seen[1]); ++c) {
        const uint16_t unicode = FCharUnicode[static_cast<size_t>(c)];
        const bool secondary = UsesSecondary(unicode, PrimaryCovers(unicode));
        seen[secondary] = true;
        const TFontFace* font = SelectRenderFont(secondary ? 2 : 1);
        const uint16_t text = static_cast<uint16_t>(font->TextHeightW(unicode) + 2 * FOutline);
        height = std::max<int32_t>(height, text);
    }
    return height;
}

int TGlyphGenerator::TextTop() const
{
    // Centred in the cell (truncating division), or with its baseline on the primary's.
    const auto centredTop = [this](const TFontFace& font, int outline) {
        return outline + (FCommonHeight - (font.TextHeightW(0) + 2 * outline)) / 2;
    };
    const int top = FOnPrimaryBaseline ? centredTop(*FFonts.Font1, std::max(FOptions.Outline, 0)) +
                                             FFonts.Font1->Ascent() - FCanvasFont->Ascent()
                                       : centredTop(*FCanvasFont, FOutline);
    // Then raised by the top cut and the font's shift.
    return top - FTopCutRows - FShiftRows;
}

TGlyphCell TGlyphGenerator::DrawCell(uint16_t character, const TCellContext& context) const
{
    const TFontFace& font = *FCanvasFont;
    // The box spans the ink as well as the advance, so ink beyond either side is kept.
    const TOverhang overhang = font.Overhang(character);
    const uint16_t width =
        static_cast<uint16_t>(overhang.Left + font.TextWidthW(character) + overhang.Right + 2 * context.Outline);
    const uint8_t background = context.Background;
    TGlyphCell cell{context, TGlyphBitmap(width, context.CellHeight, GlyphPalette(FOptions.FontType), background), {},
                    {}};
    TGlyphBitmap& bitmap = cell.Bitmap;
    const int y = context.TextTop;
    font.TextOutW(bitmap, context.Outline + overhang.Left, y, character, ForegroundIndex(), background);
    cell.Clipped = font.ClippedInk(character, y, context.CellHeight - context.TopCutRows - context.BottomCutRows);
    if (context.TopCutRows > 0)
        bitmap.SetHeight(bitmap.Height() - context.TopCutRows, background);
    if (context.BottomCutRows > 0)
        bitmap.SetHeight(bitmap.Height() - context.BottomCutRows, background);
    OutlineGlyph(bitmap, OutlineIndex, FourColorInk, context.Outline);
    cell.InkColumns = FindInkColumns(bitmap, background);
    return cell;
}

const TGlyphCell& TGlyphGenerator::Cell(uint16_t character, uint8_t background)
{
    const TCellContext context{FOutline,       FCommonHeight,          TextTop(), FTopCutRows,
                               FBottomCutRows, FOptions.IsTwoColor(), background};
    TCellCache& cells = FCanvasFont->Cells();
    if (const TGlyphCell* cell = cells.Find(character, context))
        return *cell;
    return cells.Store(character, DrawCell(character, context));
}

TGlyphGenerator::TGlyphResult TGlyphGenerator::RenderGlyph(std::optional<int> code, uint16_t character,
                                                           bool sameWidthChar, bool covered)
{
    const bool secondBackground = !FOptions.IsTwoColor() && code == NoBreakSpaceCode && FOptions.BackColor2;
    const uint8_t background = FOptions.IsTwoColor() || secondBackground ? 0 : 1;
    const TGlyphCell& cell = Cell(character, background);

    TWidthRuleInput input;
    input.Options = &FOptions;
    input.BackgroundIndex = background;
    input.MinWidth = FMinWidth;
    input.SpaceWidth = FSpaceWidth;
    input.RightMargin = FRightMargin;
    input.DigitWidth = FStats.FDigitWidth;
    input.SameWidthChar = sameWidthChar;
    input.DigitPass = !code.has_value();
    input.Unicode = character;
    input.Covered = covered;
    // The fixed-width type pads every glyph to one width, joined or not.
    const bool keepsJoins = FOptions.ShapeArabic && !FOptions.IsTwoColor();
    if (const TPresentationForm* form = keepsJoins ? FindPresentationForm(character) : nullptr) {
        input.JoinsLeft = JoinsLeft(form->Form);
        input.JoinsRight = JoinsRight(form->Form);
    }
    const TWidthPlan plan = PlanWidthRules(cell.InkColumns, static_cast<uint16_t>(cell.Bitmap.Width()), input);
    // The stored glyph is built once, in its final width; the cell stays as drawn.
    if (code)
        FWorkBitmap = std::make_unique<TGlyphBitmap>(plan.Layout.Build(cell.Bitmap, background));
    return {plan.W, static_cast<uint16_t>(cell.Bitmap.Height()), cell.Clipped};
}

void TGlyphGenerator::MeasureDigitWidth()
{
    std::u16string characters = u"0123456789";
    if (FOptions.EffectiveMinusSameWidth())
        characters += u'-';
    for (const char16_t character : characters) {
        const TGlyphResult glyph = RenderGlyph(std::nullopt, character, false, true);
        FStats.FDigitWidth = std::max(FStats.FDigitWidth, glyph.Width);
    }
}

void TGlyphGenerator::RunMainPass(TMtkFont& store)
{
    FSources.assign(static_cast<size_t>(FLastCharIndex + 1), TGlyphSource::Primary);
    for (int32_t c = 0; c <= FLastCharIndex; ++c) {
        const uint16_t unicode = FCharUnicode[static_cast<size_t>(c)];
        const bool primaryCovers = PrimaryCovers(unicode);
        const bool secondary = UsesSecondary(unicode, primaryCovers);
        const bool covered = primaryCovers || secondary;
        FCanvasFont = SelectRenderFont(secondary ? 2 : 1);
        FSources[static_cast<size_t>(c)] =
            secondary ? TGlyphSource::Secondary : (covered ? TGlyphSource::Primary : TGlyphSource::NotCovered);
        const bool sameWidthChar = IsDigit(unicode) || (FOptions.EffectiveMinusSameWidth() && unicode == u'-');

        const TGlyphResult glyph = RenderGlyph(c, unicode, sameWidthChar, covered);
        // A glyph that rule E leaves blank shows no ink to lose.
        if (glyph.Clipped.Any() && (covered || FOptions.DisplayInvalidChars))
            FStats.FClipped.push_back({c, unicode, glyph.Clipped});

        if (c == 0) {
            FStats.FMaxGlyphHeight = glyph.Height;
            FStats.FMaxGlyphWidth = glyph.Width;
            FStats.FMaxWidthChar = 0;
        } else {
            FStats.FMaxGlyphHeight = std::max<int32_t>(FStats.FMaxGlyphHeight, glyph.Height);
            // Strictly larger: among equal widths the lowest code is reported.
            if (glyph.Width > FStats.FMaxGlyphWidth) {
                FStats.FMaxGlyphWidth = glyph.Width;
                FStats.FMaxWidthChar = c;
            }
        }
        store.AddGlyph(std::move(FWorkBitmap), 1);
        ReportProgress(c);
    }
}

void TGlyphGenerator::ReportProgress(int position) const
{
    if (FProgress)
        FProgress(position, FLastCharIndex);
}

TEncodedFont MeasureFontFileSize(const TMtkFont& store, bool newMode, TGenerationStats& stats)
{
    stats.FSizeLimitMessage.clear();
    try {
        TEncodedFont encoded = store.Encode(newMode);
        stats.FFontFileSize = static_cast<int32_t>(encoded.FileSize(ProgramStamp, {}));
        return encoded;
    } catch (const EFontLimitError& error) {
        // The glyphs stay usable (preview, export); only saving them as a Mediatek font is refused.
        stats.FFontFileSize = 0;
        stats.FSizeLimitMessage = error.what();
        return {};
    }
}

void TGlyphGenerator::GenerateFont(TMtkFont& store)
{
    SelectRenderFont(1);
    FMinWidth = FOptions.MinWidth;
    FMinHeight = static_cast<uint16_t>(FOptions.MinHeight);
    FSpaceWidth = FOptions.SpaceWidth;
    FRightMargin = FOptions.RightMargin;
    FTopCutRows = FOptions.TopCutOn ? FOptions.TopCut : 0;
    FBottomCutRows = FOptions.BottomCutOn ? FOptions.BottomCut : 0;
    FFixedWidthFallback = false;
    FSources.clear();
    FStats = TGenerationStats{};
    FEncoded = {};
    // Decided also when the generation fails, from what it made so far.
    const auto decideFallback = [this] {
        FFixedWidthFallback = FOptions.IsTwoColor() && FMinWidth < FStats.FMaxGlyphWidth;
    };

    try {
        store.Clear();
        ReportProgress(0);
        FCommonHeight = static_cast<uint16_t>(std::max<int32_t>(MeasureCommonHeight(), FMinHeight));
        // The cuts never take more rows than the cell has.
        FTopCutRows = std::min<int>(FTopCutRows, FCommonHeight);
        FBottomCutRows = std::min<int>(FBottomCutRows, FCommonHeight - std::max(FTopCutRows, 0));
        FCanvasFont = SelectRenderFont(1);
        MeasureDigitWidth();
        RunMainPass(store);

        if (FOptions.IsTwoColor()) {
            store.FCompression = 0;
            store.FBitsPerPixel = 1;
            store.FVariableWidth = false;
        } else {
            store.FCompression = 1;
            store.FBitsPerPixel = 2;
            store.FVariableWidth = true;
        }
        store.FHeight = static_cast<uint8_t>(FStats.FMaxGlyphHeight);
        FEncoded = MeasureFontFileSize(store, FOptions.NewMode(), FStats);
        FWorkBitmap.reset();
    } catch (...) {
        FWorkBitmap.reset();
        decideFallback();
        throw;
    }
    decideFallback();
}

std::vector<int32_t> ClippedCodes(const TGenerationStats& stats)
{
    std::vector<int32_t> codes;
    for (const TClippedGlyph& glyph : stats.FClipped)
        codes.push_back(glyph.Code);
    return codes;
}

std::string StatusText(const TGenerationStats& stats)
{
    return StrFormat("Font: Max Width = %d (Char %d), Height = %d, FileSize = %d bytes", stats.FMaxGlyphWidth,
                     stats.FMaxWidthChar, stats.FMaxGlyphHeight, stats.FFontFileSize);
}
