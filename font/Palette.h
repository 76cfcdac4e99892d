#pragma once
// The two fixed 256-entry palettes of the system and their colour lookup.

#include <array>
#include <cstdint>

constexpr uint8_t BorderIndex = 255;

enum class TPaletteKind : uint8_t { TwoColor, FourColor };

struct TPaletteEntry {
    uint8_t peRed = 0;
    uint8_t peGreen = 0;
    uint8_t peBlue = 0;
    uint8_t peFlags = 0;
};

struct TLogPalette {
    uint16_t palVersion = 0x300;
    uint16_t palNumEntries = 256;
    std::array<TPaletteEntry, 256> palPalEntry{};
};

// A palette as handed to pictures: 256 colours as 0xAARRGGBB (the QRgb layout).
struct TPalette {
    TPaletteKind Kind = TPaletteKind::FourColor;
    std::array<uint32_t, 256> Argb{};
};

void Fill2ColorPalette(TLogPalette& palette);
void Fill4ColorPalette(TLogPalette& palette);
TPalette Create2ColorPalette();
TPalette Create4ColorPalette();
TPalette CreatePalette(TPaletteKind kind);

// Entry Index as a 24-bit value: red in the low byte, green in the middle, blue in the high byte.
uint32_t Get2Color(int index);
uint32_t Get4Color(int index);
