#include "generate/FontFace.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include "font/ByteWords.h"
#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/Format.h"
#include "generate/ArabicForms.h"
#include "generate/CellCache.h"
#include "generate/FormShaper.h"
#include "generate/RasterCache.h"

class TFontLibrary {
public:
    TFontLibrary()
    {
        if (FT_Init_FreeType(&FLibrary) != 0)
            throw EGlyphForgeError(CORE_TEXT("CoreMessage", "The font rasteriser could not be started."));
    }
    ~TFontLibrary() { FT_Done_FreeType(FLibrary); }
    TFontLibrary(const TFontLibrary&) = delete;
    TFontLibrary& operator=(const TFontLibrary&) = delete;

    FT_Library Handle() const { return FLibrary; }

private:
    FT_Library FLibrary = nullptr;
};

std::shared_ptr<TFontLibrary> CreateFontLibrary()
{
    return std::make_shared<TFontLibrary>();
}

int PointsToPixels(int points)
{
    // MulDiv(points, 96, 72): rounded half away from zero.
    const int64_t scaled = int64_t{points} * 96;
    return static_cast<int>(scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72);
}

std::string TFaceSpec::Key() const
{
    return StrFormat("%s|%d|%d|%d%d%d%d|%d|%d|%d", File.c_str(), FaceIndex, PixelSize, Bold, Italic, Underline,
                     StrikeOut, static_cast<int>(Rendering.Mode), Rendering.Ink, ShapeArabic);
}

namespace {

// A horizontal line of the cell: its first row below the cell top and its thickness.
struct TCellLine {
    int Top = 0;
    int Rows = 0;
};

int CeilDiv(int64_t value, int64_t divisor)
{
    return static_cast<int>(value >= 0 ? (value + divisor - 1) / divisor : -((-value) / divisor));
}

int RoundScaled(int64_t units, int pixelSize, int unitsPerEm)
{
    return static_cast<int>(std::lround(double(units) * pixelSize / unitsPerEm));
}

void FillRect(TGlyphBitmap& bitmap, int x, int y, int width, int height, uint8_t index)
{
    const int left = std::max(x, 0);
    const int right = std::min(x + width, bitmap.Width());
    const int top = std::max(y, 0);
    const int bottom = std::min(y + height, bitmap.Height());
    if (left >= right || top >= bottom)
        return;
    // Whole rows lie one after the other: a single fill.
    if (left == 0 && right == bitmap.Width()) {
        std::memset(bitmap.Row(top), index, static_cast<size_t>(bottom - top) * static_cast<size_t>(right));
        return;
    }
    for (int row = top; row < bottom; ++row)
        std::memset(bitmap.Row(row) + left, index, static_cast<size_t>(right - left));
}

// Sets the pixels under the ink (bytes 0 or 1) to Index, eight at a time.
void PaintInk(uint8_t* target, const uint8_t* ink, int count, uint8_t index)
{
    const uint64_t paint = BroadcastByte(index);
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const uint64_t mask = LoadWord(ink + x) * 0xFF;
        StoreWord(target + x, (LoadWord(target + x) & ~mask) | (paint & mask));
    }
    for (; x < count; ++x) {
        // Chosen by index rather than by a branch, which ink edges would keep mispredicting.
        const uint8_t choice[2] = {target[x], index};
        target[x] = choice[ink[x]];
    }
}

// Coverage of at least Threshold is ink. At the default, half, that is the top bit of each
// byte, taken eight bytes at a time.
void GrayToInk(const uint8_t* coverage, uint8_t* ink, unsigned count, int threshold)
{
    unsigned x = 0;
    if (threshold == 128)
        for (; x + 8 <= count; x += 8)
            StoreWord(ink + x, (LoadWord(coverage + x) >> 7) & BroadcastByte(1));
    for (; x < count; ++x)
        ink[x] = coverage[x] >= threshold;
}

// One row of a rendered glyph as ink (bytes 0 or 1). Bilevel rows hold eight pixels a byte, the
// first in the top bit; colour rows are taken by their alpha.
void RowToInk(const FT_Bitmap& bitmap, const uint8_t* row, uint8_t* ink, int inkThreshold)
{
    switch (bitmap.pixel_mode) {
    case FT_PIXEL_MODE_MONO:
        for (unsigned x = 0; x < bitmap.width; ++x)
            ink[x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
        break;
    case FT_PIXEL_MODE_BGRA:
        for (unsigned x = 0; x < bitmap.width; ++x)
            ink[x] = row[x * 4 + 3] >= inkThreshold;
        break;
    default:
        GrayToInk(row, ink, bitmap.width, inkThreshold);
        break;
    }
}

// A glyph whose coverage nowhere reaches the ink threshold (a thin mark at a small size) keeps its
// most covered pixels, so a character the font draws never comes out blank.
void KeepFaintestInk(const FT_Bitmap& bitmap, TGlyphRaster& raster)
{
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || raster.Ink.empty() ||
        std::memchr(raster.Ink.data(), 1, raster.Ink.size()) != nullptr)
        return;
    const auto rowAt = [&](unsigned y) {
        const unsigned memoryRow = bitmap.pitch >= 0 ? y : bitmap.rows - 1 - y;
        return bitmap.buffer + size_t{memoryRow} * static_cast<unsigned>(std::abs(bitmap.pitch));
    };
    uint8_t strongest = 0;
    for (unsigned y = 0; y < bitmap.rows; ++y)
        strongest = std::max(strongest, *std::max_element(rowAt(y), rowAt(y) + bitmap.width));
    if (strongest == 0)
        return;
    for (unsigned y = 0; y < bitmap.rows; ++y)
        for (unsigned x = 0; x < bitmap.width; ++x)
            raster.Ink[size_t{y} * bitmap.width + x] = rowAt(y)[x] == strongest;
}

FT_Int32 LoadFlags(TRenderMode mode)
{
    switch (mode) {
    case TRenderMode::Mono:
        return FT_LOAD_TARGET_MONO;
    case TRenderMode::MonoAuto:
        return FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT;
    case TRenderMode::Light:
        // Forced, so that fonts whose driver hints lightly itself get the auto-hinter too.
        return FT_LOAD_TARGET_LIGHT | FT_LOAD_FORCE_AUTOHINT;
    case TRenderMode::Smooth:
        break;
    }
    return FT_LOAD_TARGET_NORMAL;
}

FT_Render_Mode RenderModeOf(TRenderMode mode)
{
    switch (mode) {
    case TRenderMode::Mono:
    case TRenderMode::MonoAuto:
        return FT_RENDER_MODE_MONO;
    case TRenderMode::Light:
        return FT_RENDER_MODE_LIGHT;
    case TRenderMode::Smooth:
        break;
    }
    return FT_RENDER_MODE_NORMAL;
}

// The glyphs of a shaped run in one raster, each at its place from the pen origin; one glyph
// at the origin stays as it is.
TGlyphRaster ComposeRasters(std::vector<TGlyphRaster>& parts, const std::vector<TPlacedGlyph>& places)
{
    if (parts.size() == 1 && places[0].X == 0 && places[0].Y == 0)
        return std::move(parts[0]);
    TGlyphRaster composed;
    int left = 0, right = 0, top = 0, bottom = 0; // bounds of the ink, y up
    bool anyInk = false;
    for (size_t k = 0; k < parts.size(); ++k) {
        const TGlyphRaster& part = parts[k];
        composed.Advance = std::max(composed.Advance, places[k].X + part.Advance);
        if (part.Width == 0 || part.Height == 0)
            continue;
        const int partLeft = places[k].X + part.Left;
        const int partTop = places[k].Y + part.Top;
        left = anyInk ? std::min(left, partLeft) : partLeft;
        right = anyInk ? std::max(right, partLeft + part.Width) : partLeft + part.Width;
        top = anyInk ? std::max(top, partTop) : partTop;
        bottom = anyInk ? std::min(bottom, partTop - part.Height) : partTop - part.Height;
        anyInk = true;
    }
    if (!anyInk)
        return composed;
    composed.Left = left;
    composed.Top = top;
    composed.Width = right - left;
    composed.Height = top - bottom;
    composed.Ink.assign(static_cast<size_t>(composed.Width) * composed.Height, 0);
    for (size_t k = 0; k < parts.size(); ++k) {
        const TGlyphRaster& part = parts[k];
        const int x0 = places[k].X + part.Left - left;
        const int y0 = top - (places[k].Y + part.Top);
        for (int y = 0; y < part.Height; ++y)
            for (int x = 0; x < part.Width; ++x)
                composed.Ink[static_cast<size_t>(y0 + y) * composed.Width + x0 + x] |=
                    part.Ink[static_cast<size_t>(y) * part.Width + x];
    }
    return composed;
}

} // namespace

struct TFontFace::TImpl {
    std::shared_ptr<TFontLibrary> Library;
    TFaceSpec Spec;
    FT_Face Face = nullptr;
    int Ascent = 0;
    int Descent = 0;
    bool SyntheticBold = false;
    bool SyntheticItalic = false;
    TCellLine UnderlineLine;
    TCellLine StrikeOutLine;
    std::unique_ptr<TRasterCache> Cache;
    std::unique_ptr<TCellCache> Cells;
    // The raster asked for last: measuring and drawing a character come in pairs. Still valid,
    // because only Raster draws into the cache.
    uint32_t LastCharacter = 0x10000;
    const TGlyphRaster* LastRaster = nullptr;
    std::unique_ptr<TAUCMinMax> CoverageList;
    // Presentation forms drawn from their letters, opened on first use.
    std::unique_ptr<TFormShaper> Shaper;
    std::map<uint16_t, std::optional<TGlyphRaster>> ShapedRasters; // none: the face cannot shape it

    ~TImpl()
    {
        if (Face)
            FT_Done_Face(Face);
    }

    void Open()
    {
        if (FT_New_Face(Library->Handle(), Spec.File.c_str(), Spec.FaceIndex, &Face) != 0) {
            Face = nullptr;
            throw EFOpenError(StrFormat(CORE_TEXT("CoreMessage", "Cannot open file \"%s\". %s"), Spec.File.c_str(),
                                        CORE_TEXT("CoreMessage", "It is not a font file that can be read.")));
        }
        if (FT_Select_Charmap(Face, FT_ENCODING_UNICODE) != 0)
            FT_Select_Charmap(Face, FT_ENCODING_MS_SYMBOL);
        ChooseSynthesis();
        SetSize();
        MeasureCell();
    }

    void ChooseSynthesis()
    {
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
        const bool realBold = (Face->style_flags & FT_STYLE_FLAG_BOLD) || (os2 && os2->usWeightClass >= 600);
        const bool realItalic = Face->style_flags & FT_STYLE_FLAG_ITALIC;
        SyntheticBold = Spec.Bold && !realBold;
        SyntheticItalic = Spec.Italic && !realItalic;
    }

    void SetSize()
    {
        if (FT_IS_SCALABLE(Face)) {
            if (FT_Set_Pixel_Sizes(Face, 0, static_cast<FT_UInt>(std::max(Spec.PixelSize, 1))) == 0)
                return;
        } else if (Face->num_fixed_sizes > 0) {
            // A bitmap font: the strike nearest to the asked em.
            int best = 0;
            for (int k = 1; k < Face->num_fixed_sizes; ++k)
                if (std::abs(Face->available_sizes[k].height - Spec.PixelSize) <
                    std::abs(Face->available_sizes[best].height - Spec.PixelSize))
                    best = k;
            if (FT_Select_Size(Face, best) == 0)
                return;
        }
        throw EFOpenError(StrFormat(CORE_TEXT("CoreMessage", "Cannot open file \"%s\". %s"), Spec.File.c_str(),
                                    CORE_TEXT("CoreMessage", "The font cannot be drawn at this size.")));
    }

    // Ascent and descent as the screen engine rounds them: each scaled value rounded up,
    // from the Windows metrics of the OS/2 table where the font has them, else from hhea.
    void MeasureCell()
    {
        const int em = Spec.PixelSize;
        const int64_t upem = Face->units_per_EM;
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
        const bool scalable = FT_IS_SCALABLE(Face) && upem > 0;
        if (scalable && os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
            Ascent = CeilDiv(int64_t{os2->usWinAscent} * em, upem);
            Descent = CeilDiv(int64_t{os2->usWinDescent} * em, upem);
        } else if (scalable) {
            Ascent = CeilDiv(int64_t{Face->ascender} * em, upem);
            Descent = CeilDiv(-int64_t{Face->descender} * em, upem);
        } else {
            Ascent = static_cast<int>((Face->size->metrics.ascender + 63) >> 6);
            Descent = static_cast<int>((-Face->size->metrics.descender + 63) >> 6);
        }
        Descent = std::max(Descent, 0);
        MeasureLines(os2);
    }

    // Underline and strike-out from the font's post and OS/2 values; one pixel at least, and
    // inside the cell.
    void MeasureLines(const TT_OS2* os2)
    {
        const int em = Spec.PixelSize;
        const int upem = Face->units_per_EM > 0 ? Face->units_per_EM : 1;
        const int cell = Ascent + Descent;
        if (Face->underline_thickness > 0) {
            UnderlineLine.Rows = std::max(1, RoundScaled(Face->underline_thickness, em, upem));
            // FreeType gives the centre of the stroke; rows start at its top edge.
            const int top = Face->underline_position + Face->underline_thickness / 2;
            UnderlineLine.Top = Ascent - RoundScaled(top, em, upem);
        } else {
            UnderlineLine.Rows = std::max(1, em / 14);
            UnderlineLine.Top = Ascent + 1;
        }
        if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
            StrikeOutLine.Rows = std::max(1, RoundScaled(os2->yStrikeoutSize, em, upem));
            StrikeOutLine.Top = Ascent - RoundScaled(os2->yStrikeoutPosition, em, upem);
        } else {
            StrikeOutLine.Rows = UnderlineLine.Rows;
            StrikeOutLine.Top = Ascent - (em * 26 + 50) / 100;
        }
        for (TCellLine* line : {&UnderlineLine, &StrikeOutLine}) {
            line->Rows = std::min(line->Rows, std::max(cell, 1));
            line->Top = std::clamp(line->Top, 0, std::max(cell - line->Rows, 0));
        }
    }

    // Into Raster, whose memory is reused.
    void Rasterize(FT_UInt glyph, TGlyphRaster& raster) const
    {
        raster.Advance = raster.Left = raster.Top = raster.Width = raster.Height = 0;
        raster.Ink.clear();
        const FT_Int32 loadFlags = LoadFlags(Spec.Rendering.Mode);
        if (FT_Load_Glyph(Face, glyph, loadFlags) != 0 && (glyph == 0 || FT_Load_Glyph(Face, 0, loadFlags) != 0))
            return; // a broken glyph draws nothing
        FT_GlyphSlot slot = Face->glyph;
        if (SyntheticItalic)
            FT_GlyphSlot_Oblique(slot);
        if (SyntheticBold)
            FT_GlyphSlot_Embolden(slot);
        raster.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
        if (FT_Render_Glyph(slot, RenderModeOf(Spec.Rendering.Mode)) != 0)
            return;
        const FT_Bitmap& bitmap = slot->bitmap;
        raster.Left = slot->bitmap_left;
        raster.Top = slot->bitmap_top;
        raster.Width = static_cast<int>(bitmap.width);
        raster.Height = static_cast<int>(bitmap.rows);
        raster.Ink.resize(static_cast<size_t>(raster.Width) * raster.Height);
        if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap.pitch == static_cast<int>(bitmap.width)) {
            // Rows without gaps, top row first: one run over every pixel.
            GrayToInk(bitmap.buffer, raster.Ink.data(), bitmap.width * bitmap.rows, Spec.Rendering.Ink);
            KeepFaintestInk(bitmap, raster);
            return;
        }
        const unsigned pitch = static_cast<unsigned>(std::abs(bitmap.pitch));
        for (unsigned y = 0; y < bitmap.rows; ++y) {
            // An upward flow stores the bottom row first.
            const unsigned memoryRow = bitmap.pitch >= 0 ? y : bitmap.rows - 1 - y;
            const uint8_t* row = bitmap.buffer + size_t{memoryRow} * pitch;
            RowToInk(bitmap, row, raster.Ink.data() + size_t{y} * bitmap.width, Spec.Rendering.Ink);
        }
        KeepFaintestInk(bitmap, raster);
    }

    // The form's glyphs as the shaper places them, in one raster; none when the face lacks any.
    std::optional<TGlyphRaster> ShapeForm(const TPresentationForm& form)
    {
        if (!Shaper)
            Shaper = std::make_unique<TFormShaper>(Spec.File, Spec.FaceIndex, Spec.PixelSize);
        const std::vector<TPlacedGlyph> glyphs =
            Shaper->Shape(form.Letters, JoinsRight(form.Form), JoinsLeft(form.Form));
        if (glyphs.empty())
            return std::nullopt;
        std::vector<TGlyphRaster> parts;
        for (const TPlacedGlyph& placed : glyphs)
            Rasterize(placed.Glyph, parts.emplace_back());
        return ComposeRasters(parts, glyphs);
    }

    // The shaped raster of a presentation form the map lacks; none when it is not one, or
    // shaping is off or fails.
    const TGlyphRaster* ShapedRaster(uint16_t character)
    {
        if (!Spec.ShapeArabic || FT_Get_Char_Index(Face, character) != 0)
            return nullptr;
        const TPresentationForm* form = FindPresentationForm(character);
        if (!form)
            return nullptr;
        auto kept = ShapedRasters.find(character);
        if (kept == ShapedRasters.end())
            kept = ShapedRasters.emplace(character, ShapeForm(*form)).first;
        return kept->second ? &*kept->second : nullptr;
    }

    const TGlyphRaster& Raster(uint16_t character)
    {
        if (character == LastCharacter)
            return *LastRaster;
        const TGlyphRaster* raster = ShapedRaster(character);
        if (!raster) {
            const FT_UInt glyph = FT_Get_Char_Index(Face, character);
            raster = Cache->Find(glyph);
            if (!raster) {
                Rasterize(glyph, Cache->Draft());
                raster = &Cache->KeepDraft(glyph);
            }
        }
        LastCharacter = character;
        LastRaster = raster;
        return *raster;
    }

    TAUCMinMax ReadCoverage() const
    {
        std::vector<uint16_t> codes;
        FT_UInt glyph = 0;
        for (FT_ULong code = FT_Get_First_Char(Face, &glyph); glyph != 0 && code <= 0xFFFF;
             code = FT_Get_Next_Char(Face, code, &glyph))
            codes.push_back(static_cast<uint16_t>(code));
        const std::vector<TReportedRange> ranges = MergeCodePoints(codes);
        return CoverageFromReport(ranges);
    }
};

TFontFace::TFontFace(std::shared_ptr<TFontLibrary> library, const TFaceSpec& spec,
                     std::shared_ptr<TRasterBudget> budget)
    : FImpl(std::make_unique<TImpl>())
{
    FImpl->Library = std::move(library);
    FImpl->Spec = spec;
    FImpl->Open();
    FImpl->Cells = std::make_unique<TCellCache>(budget);
    FImpl->Cache = std::make_unique<TRasterCache>(std::move(budget), static_cast<size_t>(FImpl->Face->num_glyphs));
}

TFontFace::~TFontFace() = default;

const TFaceSpec& TFontFace::Spec() const
{
    return FImpl->Spec;
}

int TFontFace::Ascent() const
{
    return FImpl->Ascent;
}

int TFontFace::Descent() const
{
    return FImpl->Descent;
}

bool TFontFace::SyntheticBold() const
{
    return FImpl->SyntheticBold;
}

bool TFontFace::SyntheticItalic() const
{
    return FImpl->SyntheticItalic;
}

int TFontFace::TextWidthW(uint16_t character) const
{
    return FImpl->Raster(character).Advance;
}

int TFontFace::TextHeightW(uint16_t) const
{
    return FImpl->Ascent + FImpl->Descent;
}

TOverhang TFontFace::Overhang(uint16_t character) const
{
    const TGlyphRaster& raster = FImpl->Raster(character);
    // The mask may have empty columns at its sides; only ink counts.
    int first = raster.Width;
    int last = -1;
    for (int row = 0; row < raster.Height; ++row) {
        const uint8_t* ink = raster.Ink.data() + static_cast<size_t>(row) * raster.Width;
        for (int x = 0; x < first; ++x)
            if (ink[x]) {
                first = x;
                break;
            }
        for (int x = raster.Width - 1; x > last; --x)
            if (ink[x]) {
                last = x;
                break;
            }
    }
    if (last < first)
        return {};
    return {std::max(0, -(raster.Left + first)), std::max(0, raster.Left + last + 1 - raster.Advance)};
}

TClippedInk TFontFace::ClippedInk(uint16_t character, int y, int visibleRows) const
{
    const TGlyphRaster& raster = FImpl->Raster(character);
    const int originY = y + FImpl->Ascent - raster.Top;
    TClippedInk clipped;
    for (int row = 0; row < raster.Height; ++row) {
        const int cellRow = originY + row;
        if (cellRow >= 0 && cellRow < visibleRows)
            continue;
        const uint8_t* ink = raster.Ink.data() + static_cast<size_t>(row) * raster.Width;
        if (std::find(ink, ink + raster.Width, 1) != ink + raster.Width)
            ++(cellRow < 0 ? clipped.Top : clipped.Bottom);
    }
    return clipped;
}

void TFontFace::TextOutW(TGlyphBitmap& bitmap, int x, int y, uint16_t character, uint8_t fontIndex,
                         uint8_t brushIndex) const
{
    const TGlyphRaster& raster = FImpl->Raster(character);
    FillRect(bitmap, x, y, raster.Advance, TextHeightW(character), brushIndex);
    const int originY = y + FImpl->Ascent - raster.Top;
    const int originX = x + raster.Left;
    const int firstColumn = std::max(0, -originX);
    const int lastColumn = std::min(raster.Width, bitmap.Width() - originX); // exclusive
    for (int row = std::max(0, -originY); row < raster.Height && originY + row < bitmap.Height(); ++row) {
        const uint8_t* ink = raster.Ink.data() + static_cast<size_t>(row) * raster.Width;
        uint8_t* target = bitmap.Row(originY + row) + std::max(originX, 0);
        PaintInk(target, ink + firstColumn, lastColumn - firstColumn, fontIndex);
    }
    if (FImpl->Spec.Underline)
        FillRect(bitmap, x, y + FImpl->UnderlineLine.Top, raster.Advance, FImpl->UnderlineLine.Rows, fontIndex);
    if (FImpl->Spec.StrikeOut)
        FillRect(bitmap, x, y + FImpl->StrikeOutLine.Top, raster.Advance, FImpl->StrikeOutLine.Rows, fontIndex);
}

const TAUCMinMax& TFontFace::Coverage() const
{
    if (!FImpl->CoverageList)
        FImpl->CoverageList = std::make_unique<TAUCMinMax>(FImpl->ReadCoverage());
    return *FImpl->CoverageList;
}

bool TFontFace::MapsCharacter(uint16_t character) const
{
    return FT_Get_Char_Index(FImpl->Face, character) != 0;
}

bool TFontFace::ShapesCharacter(uint16_t character) const
{
    return FImpl->ShapedRaster(character) != nullptr;
}

TCellCache& TFontFace::Cells() const
{
    return *FImpl->Cells;
}
