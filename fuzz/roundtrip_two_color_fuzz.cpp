// 2-colour fixed-width fonts whose width is a multiple of 4 read back in either mode.

#include "fuzz/RandomStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool newMode = input.ConsumeBool();
    TMtkFont font;
    TStoreShape shape;
    shape.MinWidth = 4;
    shape.WidthStep = 4;
    shape.FixedWidth = true;
    shape.Colors = 2;
    FillRandomStore(input, shape, font);

    const auto read = WrittenAndReadBack(font, newMode);
    RequireSameGlyphs(font, *read, [](int) { return uint8_t{0}; }, newMode ? "2-colour NEW mode" : "2-colour OLD mode");
    return 0;
}
