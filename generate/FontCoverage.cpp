#include "generate/FontCoverage.h"

TAUCMinMax FullCoverage()
{
    return {TUnicodeRange{0x0000, 0xFFFF}};
}

TAUCMinMax CoverageFromReport(std::span<const TReportedRange> ranges)
{
    uint64_t glyphs = 0;
    for (const TReportedRange& range : ranges)
        glyphs += range.GlyphCount;
    if (glyphs == 0)
        return FullCoverage();
    TAUCMinMax coverage;
    coverage.reserve(ranges.size());
    for (const TReportedRange& range : ranges)
        coverage.push_back({range.First, static_cast<uint16_t>(range.First + range.GlyphCount - 1)});
    return coverage;
}

std::vector<TReportedRange> MergeCodePoints(std::span<const uint16_t> codes)
{
    std::vector<TReportedRange> ranges;
    for (const uint16_t code : codes) {
        if (!ranges.empty()) {
            TReportedRange& last = ranges.back();
            if (uint32_t{last.First} + last.GlyphCount == code) {
                ++last.GlyphCount;
                continue;
            }
        }
        ranges.push_back({code, 1});
    }
    return ranges;
}

bool RangesCover(const TAUCMinMax& coverage, uint16_t unicode)
{
    for (const TUnicodeRange& range : coverage)
        if (range.First <= unicode && unicode <= range.Last)
            return true;
    return false;
}
