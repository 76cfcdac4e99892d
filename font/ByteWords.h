#pragma once
// Eight pixel bytes as one 64-bit word, for the loops that touch every pixel of a font: the
// operations used on them work on each byte alone, so the byte order of the machine is moot.

#include <bit>
#include <cstdint>
#include <cstring>

inline uint64_t LoadWord(const uint8_t* bytes)
{
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

inline void StoreWord(uint8_t* bytes, uint64_t word)
{
    std::memcpy(bytes, &word, sizeof word);
}

// Value in every byte.
constexpr uint64_t BroadcastByte(uint8_t value)
{
    return 0x0101010101010101u * value;
}

// Index, in memory order, of the first byte that is not zero; Word must not be 0.
inline int FirstNonZeroByte(uint64_t word)
{
    if constexpr (std::endian::native == std::endian::little)
        return std::countr_zero(word) / 8;
    else
        return std::countl_zero(word) / 8;
}
