#include "font/BitmapList.h"

#include <stdexcept>

TBitmapList::TBitmapList(int growBy) : FGrowBy(growBy)
{
    if (growBy <= 0)
        throw std::invalid_argument("TBitmapList grow step must be positive");
}

int TBitmapList::Add(const TGlyphBitmap& bitmap, uint8_t padColor)
{
    return Add(std::make_unique<TGlyphBitmap>(bitmap), padColor);
}

int TBitmapList::Add(std::unique_ptr<TGlyphBitmap> bitmap, uint8_t padColor)
{
    if (FCount == FCapacity) {
        FCapacity += FGrowBy;
        FItems.resize(static_cast<size_t>(FCapacity));
        FPadColors.resize(static_cast<size_t>(FCapacity), 0);
    }
    FItems[static_cast<size_t>(FCount)] = std::move(bitmap);
    FPadColors[static_cast<size_t>(FCount)] = padColor;
    return FCount++;
}

void TBitmapList::Clear()
{
    for (auto& item : FItems)
        item.reset();
    std::fill(FPadColors.begin(), FPadColors.end(), 0);
    FCount = 0;
}

std::vector<std::unique_ptr<TGlyphBitmap>> TBitmapList::TakeItems()
{
    std::vector<std::unique_ptr<TGlyphBitmap>> items(std::make_move_iterator(FItems.begin()),
                                                     std::make_move_iterator(FItems.begin() + FCount));
    Clear();
    return items;
}

TGlyphBitmap* TBitmapList::Item(int index) const
{
    if (index < 0 || index >= FCount)
        return nullptr;
    return FItems[static_cast<size_t>(index)].get();
}

uint8_t TBitmapList::PadColor(int index) const
{
    if (index < 0 || index >= FCount)
        return 0;
    return FPadColors[static_cast<size_t>(index)];
}

void TBitmapList::SetPadColor(int index, uint8_t padColor)
{
    if (index >= 0 && index < FCount)
        FPadColors[static_cast<size_t>(index)] = padColor;
}
