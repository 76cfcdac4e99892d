#pragma once
// A growable list of signed 32-bit integers with optional duplicate suppression.

#include <cstdint>
#include <vector>

class TIntegerList {
public:
    TIntegerList(int initialCapacity, int growBy);

    // With AllowDuplicate false an existing value's index is returned and nothing is added.
    int Add(int32_t value, bool allowDuplicate);
    int IndexOf(int32_t value, int startIndex) const;
    void Clear();

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    // Throws std::out_of_range outside 0..Count-1.
    int32_t operator[](int index) const;

private:
    std::vector<int32_t> FItems;
    int FCount = 0;
    int FCapacity;
    int FGrowBy;
};
