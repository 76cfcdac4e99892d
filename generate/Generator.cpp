#include "generate/Generator.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <mutex>
#include <stdexcept>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/Format.h"
#include "font/Workers.h"
#include "generate/ArabicForms.h"
#include "generate/GlyphRules.h"
#include "generate/ProgramStamp.h"
#include "generate/WidthLayout.h"

namespace {

constexpr uint8_t OutlineIndex = 2;
constexpr uint8_t FourColorInk = 3;
constexpr uint16_t NoBreakSpaceCode = 0xA0;
// A window's progress bar costs more to repaint than a run of glyphs to draw, and the worker
// that shows it draws its share the later: shown no more often than a screen can follow.
constexpr std::chrono::milliseconds ProgressPeriod{40};
// A replaced glyph's memory this much larger than twice the new glyph's is not kept for it.
constexpr size_t SpareSlackBytes = 256;

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
      FCoverage1(FFonts.Coverage1), FCoverage2(FFonts.Coverage2), FWorkers{{FFonts.Font1, FFonts.Font2}}
{
    if (!FFonts.Font1)
        throw std::invalid_argument("generation needs a primary font");
    if (lastCharIndex > 0xFFFF || (lastCharIndex >= 0 && static_cast<size_t>(lastCharIndex) >= charUnicode.size()))
        throw std::out_of_range("the conversion table is shorter than its last character index");
}

void TGlyphGenerator::SetMoreWorkers(std::vector<TWorkerFonts> workers)
{
    for (const TWorkerFonts& worker : workers)
        if (!worker.Font1 || !worker.Font2 != !FFonts.Font2)
            throw std::invalid_argument("every worker needs faces of the generation's fonts");
    FWorkers.resize(1);
    FWorkers.insert(FWorkers.end(), workers.begin(), workers.end());
}

int TGlyphGenerator::WorkersWorthStarting(int available, int32_t codes)
{
    // Every worker gets a whole run at least.
    return static_cast<int>(std::clamp<int32_t>(codes / CodeRun, 1, std::max(available, 1)));
}

TGlyphGenerator::TDrawingFont TGlyphGenerator::ChooseFont(const TWorkerFonts& fonts, bool secondary) const
{
    if (secondary && TriesSecondary())
        return {fonts.Font2, std::max(FOptions.Outline2, 0), ShiftRange.Clamp(FOptions.Shift2),
                FOptions.Align2 == TSecondaryBaseline::Primary};
    return {fonts.Font1, std::max(FOptions.Outline, 0), ShiftRange.Clamp(FOptions.Shift), false};
}

const TFontFace* TGlyphGenerator::SelectRenderFont(int kind) const
{
    if (kind != 1 && kind != 2)
        return nullptr;
    return ChooseFont(FWorkers.front(), kind == 2).Face;
}

bool TGlyphGenerator::PrimaryCovers(const TWorkerFonts& fonts, uint16_t unicode) const
{
    return !IsControlCharacter(unicode) && (FCoverage1.Covers(unicode) || fonts.Font1->ShapesCharacter(unicode));
}

bool TGlyphGenerator::SecondaryCovers(const TWorkerFonts& fonts, uint16_t unicode) const
{
    return !IsControlCharacter(unicode) &&
           (FCoverage2.Covers(unicode) || (fonts.Font2 && fonts.Font2->ShapesCharacter(unicode)));
}

bool TGlyphGenerator::UsesSecondary(const TWorkerFonts& fonts, uint16_t unicode, bool primaryCovers) const
{
    return !primaryCovers && TriesSecondary() && SecondaryCovers(fonts, unicode);
}

int32_t TGlyphGenerator::MeasureCommonHeight() const
{
    // Every character of a font has the same cell height, so the scan can stop once each
    // font that can be chosen has been seen.
    const TWorkerFonts& fonts = FWorkers.front();
    bool seen[2] = {false, !TriesSecondary()};
    int32_t height = 0;
    for (int32_t c = 0; c <= FLastCharIndex && !(seen[0] && seen[1]); ++c) {
        const uint16_t unicode = FCharUnicode[static_cast<size_t>(c)];
        const bool secondary = UsesSecondary(fonts, unicode, PrimaryCovers(fonts, unicode));
        seen[secondary] = true;
        const TDrawingFont font = ChooseFont(fonts, secondary);
        const uint16_t text = static_cast<uint16_t>(font.Face->TextHeightW(unicode) + 2 * font.Outline);
        height = std::max<int32_t>(height, text);
    }
    return height;
}

int CentredTextTop(int cellHeight, const TFontFace& face, int outline)
{
    // Truncating division: an odd row left over goes below.
    return outline + (cellHeight - (face.TextHeightW(0) + 2 * outline)) / 2;
}

int TGlyphGenerator::TextTop(const TDrawingFont& font) const
{
    // Centred in the cell, or with its baseline on the primary's.
    const TFontFace& primary = *FFonts.Font1; // every worker's face of it has the same metrics
    const int top = font.OnPrimaryBaseline
                        ? CentredTextTop(FCommonHeight, primary, std::max(FOptions.Outline, 0)) + primary.Ascent() -
                              font.Face->Ascent()
                        : CentredTextTop(FCommonHeight, *font.Face, font.Outline);
    // Then raised by the top cut and the font's shift.
    return top - FTopCutRows - font.ShiftRows;
}

void TGlyphGenerator::DrawCell(const TDrawingFont& drawing, uint16_t character, const TCellContext& context,
                               TGlyphCell& cell) const
{
    const TFontFace& font = *drawing.Face;
    // The box spans the ink as well as the advance, so ink beyond either side is kept.
    const TOverhang overhang = font.Overhang(character);
    const uint16_t width =
        static_cast<uint16_t>(overhang.Left + font.TextWidthW(character) + overhang.Right + 2 * context.Outline);
    const uint8_t background = context.Background;
    cell.Context = context;
    TGlyphBitmap& bitmap = cell.Bitmap;
    bitmap.Reset(width, context.CellHeight, GlyphPalette(FOptions.FontType), background);
    const int y = context.TextTop;
    font.TextOutW(bitmap, context.Outline + overhang.Left, y, character, ForegroundIndex(), background);
    cell.Clipped = font.ClippedInk(character, y, context.CellHeight - context.TopCutRows - context.BottomCutRows);
    if (context.TopCutRows > 0)
        bitmap.SetHeight(bitmap.Height() - context.TopCutRows, background);
    if (context.BottomCutRows > 0)
        bitmap.SetHeight(bitmap.Height() - context.BottomCutRows, background);
    OutlineGlyph(bitmap, OutlineIndex, FourColorInk, context.Outline);
    cell.InkColumns = FindInkColumns(bitmap, background);
}

const TGlyphCell& TGlyphGenerator::Cell(const TDrawingFont& font, uint16_t character, uint8_t background) const
{
    const TCellContext context{font.Outline,   FCommonHeight,          TextTop(font), FTopCutRows,
                               FBottomCutRows, FOptions.IsTwoColor(), background};
    TCellCache& cells = font.Face->Cells();
    if (const TGlyphCell* cell = cells.Find(character, context))
        return *cell;
    DrawCell(font, character, context, cells.Draft());
    return cells.KeepDraft(character);
}

TGlyphGenerator::TGlyphResult TGlyphGenerator::RenderGlyph(const TDrawingFont& font, std::optional<int> code,
                                                           uint16_t character, bool sameWidthChar, bool covered,
                                                           std::unique_ptr<TGlyphBitmap> memory) const
{
    const bool secondBackground = !FOptions.IsTwoColor() && code == NoBreakSpaceCode && FOptions.BackColor2;
    const uint8_t background = FOptions.IsTwoColor() || secondBackground ? 0 : 1;
    const TGlyphCell& cell = Cell(font, character, background);

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
    TGlyphResult result{plan.W, static_cast<uint16_t>(cell.Bitmap.Height()), cell.Clipped, nullptr};
    // The stored glyph is built once, in its final width; the cell stays as drawn.
    if (code) {
        // The memory of a much larger glyph (drawn at a larger size before) is given back.
        const size_t bytes = static_cast<size_t>(plan.Layout.Width()) * cell.Bitmap.Height();
        if (memory && memory->Bits().capacity() > 2 * bytes + SpareSlackBytes)
            memory.reset();
        result.Bitmap = memory ? std::move(memory) : std::make_unique<TGlyphBitmap>();
        plan.Layout.Build(cell.Bitmap, background, *result.Bitmap);
    }
    return result;
}

void TGlyphGenerator::MeasureDigitWidth()
{
    std::u16string characters = u"0123456789";
    if (FOptions.EffectiveMinusSameWidth())
        characters += u'-';
    const TDrawingFont font = ChooseFont(FWorkers.front(), false);
    for (const char16_t character : characters) {
        const TGlyphResult glyph = RenderGlyph(font, std::nullopt, character, false, true);
        FStats.FDigitWidth = std::max(FStats.FDigitWidth, glyph.Width);
    }
}

TGlyphGenerator::TCodeGlyph TGlyphGenerator::DrawCode(const TWorkerFonts& fonts, int32_t code,
                                                      std::unique_ptr<TGlyphBitmap> memory) const
{
    const uint16_t unicode = FCharUnicode[static_cast<size_t>(code)];
    const bool primaryCovers = PrimaryCovers(fonts, unicode);
    const bool secondary = UsesSecondary(fonts, unicode, primaryCovers);
    const bool covered = primaryCovers || secondary;
    const bool sameWidthChar = IsDigit(unicode) || (FOptions.EffectiveMinusSameWidth() && unicode == u'-');
    return {RenderGlyph(ChooseFont(fonts, secondary), code, unicode, sameWidthChar, covered, std::move(memory)),
            secondary ? TGlyphSource::Secondary : (covered ? TGlyphSource::Primary : TGlyphSource::NotCovered)};
}

void TGlyphGenerator::RunMainPass(TMtkFont& store, std::vector<std::unique_ptr<TGlyphBitmap>> spare)
{
    const int32_t count = FLastCharIndex + 1;
    const int workers = static_cast<int>(FWorkers.size());
    // Codes go to the workers in runs, by turns: neighbouring codes cost alike, so the shares
    // even out, and each worker meets the same characters again in the next generation, whose
    // cells its own faces keep.
    std::vector<TCodeGlyph> glyphs(static_cast<size_t>(std::max(count, 0)));
    // Drawing into the replaced glyphs' memory spares a window's refresh freeing and allocating
    // every glyph again, which also leaves the memory of each worker's thread in pieces.
    for (size_t c = 0; c < std::min(glyphs.size(), spare.size()); ++c)
        glyphs[c].Glyph.Bitmap = std::move(spare[c]);
    std::atomic<int32_t> firstFailure{count};
    std::exception_ptr failure;
    std::mutex failureLock;
    std::atomic<int32_t> drawn{0};
    auto shown = std::chrono::steady_clock::now();
    RunOnWorkers(workers, [&](int worker) {
        for (int32_t start = worker * CodeRun; start < count; start += workers * CodeRun) {
            const int32_t end = std::min(start + CodeRun, count);
            for (int32_t c = start; c < end; ++c) {
                // The store ends before a code that failed: nothing past it is needed.
                if (c > firstFailure.load())
                    return;
                try {
                    TCodeGlyph& glyph = glyphs[static_cast<size_t>(c)];
                    glyph = DrawCode(FWorkers[static_cast<size_t>(worker)], c, std::move(glyph.Glyph.Bitmap));
                } catch (...) {
                    const std::lock_guard lock(failureLock);
                    if (c < firstFailure.load()) {
                        firstFailure = c;
                        failure = std::current_exception();
                    }
                    return;
                }
            }
            const int32_t done = drawn += end - start;
            // Shown by the calling thread only.
            if (worker == 0 && std::chrono::steady_clock::now() - shown >= ProgressPeriod) {
                ReportProgress(done - 1);
                shown = std::chrono::steady_clock::now();
            }
        }
    });
    if (!failure)
        ReportProgress(FLastCharIndex);

    FSources.assign(static_cast<size_t>(std::max(count, 0)), TGlyphSource::Primary);
    for (int32_t c = 0; c < firstFailure; ++c) {
        TCodeGlyph& code = glyphs[static_cast<size_t>(c)];
        const TGlyphResult& glyph = code.Glyph;
        FSources[static_cast<size_t>(c)] = code.Source;
        // A glyph that rule E leaves blank shows no ink to lose.
        const bool covered = code.Source != TGlyphSource::NotCovered;
        if (glyph.Clipped.Any() && (covered || FOptions.DisplayInvalidChars))
            FStats.FClipped.push_back({c, FCharUnicode[static_cast<size_t>(c)], glyph.Clipped});

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
        store.AddGlyph(std::move(code.Glyph.Bitmap), 1);
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TGlyphGenerator::ReportProgress(int position) const
{
    if (FProgress)
        FProgress(position, FLastCharIndex);
}

TEncodedFont MeasureFontFileSize(const TMtkFont& store, bool newMode, TGenerationStats& stats, int workers)
{
    stats.FSizeLimitMessage.clear();
    try {
        TEncodedFont encoded = store.Encode(newMode, workers);
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
        std::vector<std::unique_ptr<TGlyphBitmap>> spare = store.TakeGlyphs();
        ReportProgress(0);
        FCommonHeight = static_cast<uint16_t>(std::max<int32_t>(MeasureCommonHeight(), FMinHeight));
        // The cuts never take more rows than the cell has.
        FTopCutRows = std::min<int>(FTopCutRows, FCommonHeight);
        FBottomCutRows = std::min<int>(FBottomCutRows, FCommonHeight - std::max(FTopCutRows, 0));
        MeasureDigitWidth();
        RunMainPass(store, std::move(spare));

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
        FEncoded = MeasureFontFileSize(store, FOptions.NewMode(), FStats, static_cast<int>(FWorkers.size()));
    } catch (...) {
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
    return StrFormat(CORE_TEXT("CoreMessage", "Font: Max Width = %d (Char %d), Height = %d, FileSize = %d bytes"),
                     stats.FMaxGlyphWidth, stats.FMaxWidthChar, stats.FMaxGlyphHeight, stats.FFontFileSize);
}
