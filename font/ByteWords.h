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

// One bit for each of the eight bytes at Bytes, set when the byte is not zero; the first byte
// gives the most significant bit.
inline uint8_t NonZeroBits(const uint8_t* bytes)
{
    if constexpr (std::endian::native == std::endian::little) {
        const uint64_t word = LoadWord(bytes);
        const uint64_t low7 = BroadcastByte(0x7F);
        const uint64_t flags = ((((word & low7) + low7) | word) & BroadcastByte(0x80)) >> 7;
        // The flag of byte K, at bit 8K, lands on bit 63 - K, and nothing else in the top byte.
        return static_cast<uint8_t>((flags * 0x8040201008040201u) >> 56);
    }
    uint8_t bits = 0;
    for (int k = 0; k < 8; ++k)
        bits = static_cast<uint8_t>(bits << 1 | (bytes[k] != 0));
    return bits;
}

// Index, in memory order, of the first byte that is not zero; Word must not be 0.
inline int FirstNonZeroByte(uint64_t word)
{
    if constexpr (std::endian::native == std::endian::little)
        return std::countr_zero(word) / 8;
    else
        return std::countl_zero(word) / 8;
}
