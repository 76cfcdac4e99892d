#include "generate/CoverageMap.h"

TCoverageMap::TCoverageMap(const TAUCMinMax& coverage) : FBits(0x10000 / 64, 0)
{
    for (const TUnicodeRange& range : coverage)
        for (uint32_t code = range.First; code <= range.Last; ++code)
            FBits[code >> 6] |= uint64_t{1} << (code & 63);
}
