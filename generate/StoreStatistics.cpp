#include "generate/StoreStatistics.h"

#include <algorithm>

TGenerationStats MeasureStore(const TMtkFont& store, bool newMode)
{
    TGenerationStats stats;
    for (int c = 0; c < store.GlyphCount(); ++c) {
        const TGlyphBitmap& glyph = *store.GetGlyph(c);
        stats.FMaxGlyphHeight = std::max<int32_t>(stats.FMaxGlyphHeight, glyph.Height());
        if (c == 0 || glyph.Width() > stats.FMaxGlyphWidth) {
            stats.FMaxGlyphWidth = glyph.Width();
            stats.FMaxWidthChar = c;
        }
    }
    MeasureFontFileSize(store, newMode, stats);
    return stats;
}
