// Conversion-table files from arbitrary bytes: the preset list, then every preset's section.

#include <algorithm>

#include "font/Errors.h"
#include "fuzz/FuzzSupport.h"
#include "generate/ConversionTable.h"

namespace {

// Each section load resets all 65536 entries; more presets only repeat the same code.
constexpr int MaxPresetsTried = 8;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& fileName = ScratchFile(".ini");
    WriteScratch(fileName, Bytes(data, size));
    // One table for every input, as the window keeps one across loads.
    static TConversionTable table;
    try {
        table.LoadTableFile(fileName);
    } catch (const EGlyphForgeError&) {
    }
    const int presets = std::min(table.PresetIds().Count(), MaxPresetsTried);
    for (int i = 0; i < presets; ++i) {
        try {
            table.LoadTableSection(table.PresetIds()[i]);
        } catch (const EGlyphForgeError&) {
        }
        Require(table.LastCharIndex() <= TConversionTable::CharCount - 1, "last character index past the table");
    }
    return 0;
}
