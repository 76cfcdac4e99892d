#include "font/Palette.h"

#include <cstddef>

namespace {

constexpr TPaletteEntry Yellow{255, 255, 0, 0};
constexpr TPaletteEntry Magenta{255, 0, 255, 0};

void FillCommon(TLogPalette& palette)
{
    palette.palVersion = 0x300;
    palette.palNumEntries = 256;
    palette.palPalEntry.fill(Yellow);
    palette.palPalEntry[BorderIndex] = Magenta;
}

TPalette ToPalette(const TLogPalette& log, TPaletteKind kind)
{
    TPalette result;
    result.Kind = kind;
    for (size_t i = 0; i < result.Argb.size(); ++i) {
        const TPaletteEntry& e = log.palPalEntry[i];
        result.Argb[i] = 0xFF000000u | (uint32_t(e.peRed) << 16) | (uint32_t(e.peGreen) << 8) | e.peBlue;
    }
    return result;
}

uint32_t ToColorRef(const TLogPalette& log, int index)
{
    const TPaletteEntry& e = log.palPalEntry[static_cast<uint8_t>(index)];
    return uint32_t(e.peRed) | (uint32_t(e.peGreen) << 8) | (uint32_t(e.peBlue) << 16);
}

} // namespace

void Fill2ColorPalette(TLogPalette& palette)
{
    FillCommon(palette);
    palette.palPalEntry[0] = {128, 128, 128, 0};
    palette.palPalEntry[1] = {255, 255, 255, 0};
}

void Fill4ColorPalette(TLogPalette& palette)
{
    FillCommon(palette);
    palette.palPalEntry[0] = {255, 0, 0, 0};
    palette.palPalEntry[1] = {128, 128, 128, 0};
    palette.palPalEntry[2] = {0, 0, 0, 0};
    palette.palPalEntry[3] = {255, 255, 255, 0};
}

TPalette Create2ColorPalette()
{
    TLogPalette log;
    Fill2ColorPalette(log);
    return ToPalette(log, TPaletteKind::TwoColor);
}

TPalette Create4ColorPalette()
{
    TLogPalette log;
    Fill4ColorPalette(log);
    return ToPalette(log, TPaletteKind::FourColor);
}

TPalette CreatePalette(TPaletteKind kind)
{
    return kind == TPaletteKind::TwoColor ? Create2ColorPalette() : Create4ColorPalette();
}

uint32_t Get2Color(int index)
{
    TLogPalette log;
    Fill2ColorPalette(log);
    return ToColorRef(log, index);
}

uint32_t Get4Color(int index)
{
    TLogPalette log;
    Fill4ColorPalette(log);
    return ToColorRef(log, index);
}
