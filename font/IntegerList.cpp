#include "font/IntegerList.h"

#include <stdexcept>

TIntegerList::TIntegerList(int initialCapacity, int growBy)
    : FItems(static_cast<size_t>(initialCapacity > 0 ? initialCapacity : 0)),
      FCapacity(initialCapacity > 0 ? initialCapacity : 0), FGrowBy(growBy)
{
    if (growBy <= 0)
        throw std::invalid_argument("TIntegerList grow step must be positive");
}

int TIntegerList::Add(int32_t value, bool allowDuplicate)
{
    if (!allowDuplicate) {
        const int existing = IndexOf(value, 0);
        if (existing >= 0)
            return existing;
    }
    ++FCount;
    if (FCount > FCapacity) {
        FCapacity += FGrowBy;
        FItems.resize(static_cast<size_t>(FCapacity));
    }
    FItems[static_cast<size_t>(FCount - 1)] = value;
    return FCount - 1;
}

int TIntegerList::IndexOf(int32_t value, int startIndex) const
{
    for (int i = startIndex < 0 ? 0 : startIndex; i < FCount; ++i)
        if (FItems[static_cast<size_t>(i)] == value)
            return i;
    return -1;
}

void TIntegerList::Clear()
{
    FItems.clear();
    FCount = 0;
    FCapacity = 0;
}

int32_t TIntegerList::operator[](int index) const
{
    if (index < 0 || index >= FCount)
        throw std::out_of_range("TIntegerList index out of range");
    return FItems[static_cast<size_t>(index)];
}
