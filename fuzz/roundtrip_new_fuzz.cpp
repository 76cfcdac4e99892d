// NEW mode stores rows unpadded, which reads back only for widths that are multiples of 4.

#include "fuzz/RandomStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    TMtkFont font;
    TStoreShape shape;
    shape.WidthStep = 4;
    FillRandomStore(input, shape, font);

    const auto read = WrittenAndReadBack(font, true);
    RequireSameGlyphs(font, *read, [](int) { return uint8_t{0}; }, "NEW mode");
    return 0;
}
