#pragma once
// A coverage list as one bit per code unit: generation asks for every character, and the
// ranges of a large font would be scanned each time.

#include <cstdint>
#include <vector>

#include "generate/FontCoverage.h"

class TCoverageMap {
public:
    explicit TCoverageMap(const TAUCMinMax& coverage);
    bool Covers(uint16_t unicode) const { return (FBits[unicode >> 6] >> (unicode & 63)) & 1; }

private:
    std::vector<uint64_t> FBits;
};
