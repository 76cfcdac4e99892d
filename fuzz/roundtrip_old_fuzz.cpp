// Any 4-colour store written in OLD mode reads back with its pixels and pad colours; a glyph
// whose width is a multiple of 4 has no padding and reads back with pad colour 0.

#include "fuzz/RandomStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    TMtkFont font;
    FillRandomStore(input, TStoreShape{}, font);

    const auto read = WrittenAndReadBack(font, false);
    RequireSameGlyphs(font, *read, [&](int k) {
        return font.GetGlyph(k)->Width() % 4 == 0 ? uint8_t{0} : font.GetPadColor(k);
    }, "OLD mode");
    return 0;
}
