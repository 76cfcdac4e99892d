// Options texts in file names from arbitrary bytes, and single item look-ups in them.
// Byte 0 picks the look-up: bit 0 whether the key takes a value (a number, signed as a shift,
// and a word as the rendering and baseline items have), the rest one of the keys a file name
// can hold (or the empty key); the remaining bytes are the name.

#include <array>

#include "font/Errors.h"
#include "generate/OptionsImport.h"
#include "generate/OptionsText.h"

namespace {

const std::vector<std::string> InstalledFaces = {"DejaVu Sans", "DejaVu Sans Mono", "Unifont", "Arial",
                                                 "Times New Roman"};
const std::array<std::string, 18> Keys = {"Spc",         "Outline", "CutLR MinWidth", "MinHeight", "SameWidthNums",
                                          "SameWidthMinus", "RightMargin", "TopCut", "BottomCut", "Width4",
                                          "WidthDiv",    "Render",  "Ink",            "Shift",     "Shift2",
                                          "ShapeArabic", "Align2",  ""};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool hasValue = (data[0] & 1) != 0;
    const std::string& key = Keys[(data[0] >> 1) % Keys.size()];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        FindOptionValue(text, key, hasValue);
        if (hasValue)
            FindSignedOptionValue(text, key);
    } catch (const EGlyphForgeError&) {
    }
    if (hasValue) {
        RenderModeFromWord(FindOptionWord(text, key));
        SecondaryBaselineFromWord(FindOptionWord(text, key));
    }

    TImportedOptions imported;
    TGenerationOptions options;
    try {
        if (ParseOptionsFileName(text, InstalledFaces, imported))
            ApplyImportedToOptions(imported, options);
    } catch (const EGlyphForgeError&) {
    }
    return 0;
}
