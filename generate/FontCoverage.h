#pragma once
// The Unicode code units a font can draw, as ranges, and the test generation uses to pick a font.

#include <cstdint>
#include <span>
#include <vector>

struct TUnicodeRange {
    uint16_t First = 0;
    uint16_t Last = 0; // inclusive

    bool operator==(const TUnicodeRange&) const = default;
};

using TAUCMinMax = std::vector<TUnicodeRange>;

// A range as a font engine reports it: the first code unit and the number of glyphs from there.
struct TReportedRange {
    uint16_t First = 0;
    uint32_t GlyphCount = 0;
};

// The single range 0000..FFFF: a font whose coverage is unknown counts as covering everything.
TAUCMinMax FullCoverage();

// One range per reported range, in the reported order, Last = First + GlyphCount - 1 in 16 bits.
// Nothing reported, or no glyph at all, gives the full range.
TAUCMinMax CoverageFromReport(std::span<const TReportedRange> ranges);

// Merges consecutive code units (ascending, as a charmap walk yields them) into reported ranges.
std::vector<TReportedRange> MergeCodePoints(std::span<const uint16_t> codes);

// Linear scan; an empty list covers nothing.
bool RangesCover(const TAUCMinMax& coverage, uint16_t unicode);
