// A glyph strip BMP of height 2 or more reads back with every glyph and pad colour.

#include "fuzz/FuzzSupport.h"
#include "fuzz/RandomStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    TMtkFont font;
    TStoreShape shape;
    shape.MinHeight = 2;
    FillRandomStore(input, shape, font);

    const std::string& fileName = ScratchFile(".bmp");
    font.SaveToBmpFile(fileName);
    TMtkFont read;
    read.LoadFromBmpFile(fileName);
    RequireSameGlyphs(font, read, [&](int k) { return font.GetPadColor(k); }, "strip BMP");
    return 0;
}
