// Font-information blocks from arbitrary bytes, as far as the options they restore.

#include "font/Errors.h"
#include "fuzz/FuzzSupport.h"
#include "generate/FontInfo.h"
#include "generate/OptionsImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TFontInfoBlock info = ReadFontInfo(Bytes(data, size));
    if (!info.Found)
        return 0;
    TGenerationOptions options;
    try {
        ApplyImportedToOptions(ImportedFromFontInfo(info), options);
    } catch (const EGlyphForgeError&) {
    }
    return 0;
}
