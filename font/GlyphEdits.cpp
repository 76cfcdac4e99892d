#include "font/GlyphEdits.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "font/CoreText.h"
#include "font/Format.h"
#include "font/MtkFont.h"

namespace {

TGlyphBitmap& Glyph(TMtkFont& font, int index)
{
    TGlyphBitmap* glyph = font.EditGlyph(index);
    if (!glyph)
        throw std::out_of_range("no such glyph");
    return *glyph;
}

// The glyphs a width change of glyph Index reaches.
std::vector<int> Reached(const TMtkFont& font, int index)
{
    if (!font.GetGlyph(index))
        throw std::out_of_range("no such glyph");
    if (font.FVariableWidth)
        return {index};
    std::vector<int> all(static_cast<size_t>(font.GlyphCount()));
    std::iota(all.begin(), all.end(), 0);
    return all;
}

int EdgeColumn(const TGlyphBitmap& glyph, TGlyphEdge edge, bool inserting)
{
    if (edge == TGlyphEdge::Left)
        return 0;
    return inserting ? glyph.Width() : glyph.Width() - 1;
}

std::string FixedWidthNote(const TMtkFont& font, bool grows)
{
    if (font.FVariableWidth)
        return {};
    return grows ? CORE_TEXT("CoreMessage", " In a fixed-width font every glyph grows with glyph 0.")
                 : CORE_TEXT("CoreMessage", " In a fixed-width font every glyph shrinks with glyph 0.");
}

} // namespace

void CopyStore(const TMtkFont& source, TMtkFont& target)
{
    target.Clear();
    for (int i = 0; i < source.GlyphCount(); ++i)
        target.AddGlyph(*source.GetGlyph(i), source.GetPadColor(i));
    target.FCompression = source.FCompression;
    target.FHeight = source.FHeight;
    target.FBitsPerPixel = source.FBitsPerPixel;
    target.FVariableWidth = source.FVariableWidth;
}

std::vector<TPixelChange> SetGlyphPixels(TMtkFont& font, int index, std::span<const TPixelChange> changes)
{
    TGlyphBitmap& glyph = Glyph(font, index);
    std::vector<TPixelChange> undo;
    undo.reserve(changes.size());
    for (const TPixelChange& change : changes) {
        if (change.X < 0 || change.Y < 0 || change.X >= glyph.Width() || change.Y >= glyph.Height())
            continue;
        undo.push_back({change.X, change.Y, glyph.Pixel(change.X, change.Y)});
        glyph.SetPixel(change.X, change.Y, change.Value);
    }
    // A pixel set twice gets its first old value back only when the undo runs backwards.
    std::reverse(undo.begin(), undo.end());
    return undo;
}

uint8_t SetGlyphPadColor(TMtkFont& font, int index, uint8_t padColor)
{
    Glyph(font, index);
    const uint8_t old = font.GetPadColor(index);
    font.SetPadColor(index, padColor);
    return old;
}

TEdgeColumns BlankEdgeColumns(const TMtkFont& font, int index, TGlyphEdge edge, uint8_t fill)
{
    TEdgeColumns columns{edge, {}};
    for (const int k : Reached(font, index))
        columns.Pixels.insert(columns.Pixels.end(), static_cast<size_t>(font.GetGlyph(k)->Height()), fill);
    return columns;
}

void AddEdgeColumns(TMtkFont& font, int index, const TEdgeColumns& columns)
{
    const std::vector<int> glyphs = Reached(font, index);
    size_t pixels = 0;
    for (const int k : glyphs) {
        const TGlyphBitmap& glyph = *font.GetGlyph(k);
        if (glyph.Width() >= MaxEditedGlyphWidth)
            throw EGlyphEditError(StrFormat(
                CORE_TEXT("CoreMessage", "Glyph %d is %d pixels wide already, the most a font file can hold.%s"), k,
                glyph.Width(), FixedWidthNote(font, true).c_str()));
        pixels += static_cast<size_t>(glyph.Height());
    }
    if (pixels != columns.Pixels.size())
        throw std::invalid_argument("edge columns of another font");
    size_t offset = 0;
    for (const int k : glyphs) {
        TGlyphBitmap& glyph = Glyph(font, k);
        const std::span<const uint8_t> column(columns.Pixels.data() + offset, static_cast<size_t>(glyph.Height()));
        glyph.InsertColumn(EdgeColumn(glyph, columns.Edge, true), column);
        offset += column.size();
    }
}

TEdgeColumns RemoveEdgeColumns(TMtkFont& font, int index, TGlyphEdge edge)
{
    const std::vector<int> glyphs = Reached(font, index);
    // A fixed-width font of width 0 cannot be saved: its header would read as a variable-width one.
    if (!font.FVariableWidth && font.GetGlyph(0)->Width() == 1)
        throw EGlyphEditError(
            StrFormat(CORE_TEXT("CoreMessage", "Glyph 0 has one column left, the least a fixed-width font can hold.%s"),
                      FixedWidthNote(font, false).c_str()));
    for (const int k : glyphs)
        if (font.GetGlyph(k)->Width() == 0)
            throw EGlyphEditError(StrFormat(CORE_TEXT("CoreMessage", "Glyph %d has no column left to remove.%s"), k,
                                            FixedWidthNote(font, false).c_str()));
    TEdgeColumns removed{edge, {}};
    for (const int k : glyphs) {
        TGlyphBitmap& glyph = Glyph(font, k);
        const std::vector<uint8_t> column = glyph.RemoveColumn(EdgeColumn(glyph, edge, false));
        removed.Pixels.insert(removed.Pixels.end(), column.begin(), column.end());
    }
    return removed;
}
