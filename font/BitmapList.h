#pragma once
// The glyph list: owned glyph bitmaps with one pad-colour byte each, grown in fixed steps.

#include <cstdint>
#include <memory>
#include <vector>

#include "font/GlyphBitmap.h"

class TBitmapList {
public:
    explicit TBitmapList(int growBy);

    // Copies Bitmap; the caller keeps it.
    int Add(const TGlyphBitmap& bitmap, uint8_t padColor);
    // Takes Bitmap over.
    int Add(std::unique_ptr<TGlyphBitmap> bitmap, uint8_t padColor);
    // Frees every bitmap; the capacity stays.
    void Clear();
    // Empties the list as Clear does, handing its bitmaps over in order instead of freeing them.
    std::vector<std::unique_ptr<TGlyphBitmap>> TakeItems();

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    int GrowBy() const { return FGrowBy; }
    TGlyphBitmap* Item(int index) const;
    uint8_t PadColor(int index) const;
    // Ignored for an index outside the list.
    void SetPadColor(int index, uint8_t padColor);

private:
    std::vector<std::unique_ptr<TGlyphBitmap>> FItems;
    std::vector<uint8_t> FPadColors;
    int FCount = 0;
    int FCapacity = 0;
    int FGrowBy;
};
