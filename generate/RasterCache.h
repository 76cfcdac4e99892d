#pragma once
// Rendered glyphs kept per sized face, so a change of a width option only redraws from memory.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// One rendered glyph: its hinted advance and an ink mask (1 = ink) placed relative to the
// pen position on the baseline; Top counts rows above the baseline.
struct TGlyphRaster {
    int Advance = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Ink; // Width x Height, row by row

    size_t Bytes() const { return sizeof(TGlyphRaster) + Ink.size(); }
};

// The memory all caches of one engine may hold together; past it, glyphs are drawn afresh.
// The workers of a generation draw into their own caches at once, all within it.
class TRasterBudget {
public:
    explicit TRasterBudget(size_t limit) : FLimit(limit) {}
    bool Reserve(size_t bytes);
    void Release(size_t bytes) { FUsed -= bytes; }
    size_t Used() const { return FUsed; }

private:
    size_t FLimit;
    std::atomic<size_t> FUsed = 0;
};

class TRasterCache {
public:
    // Without a budget nothing is kept: every glyph is drawn afresh.
    TRasterCache(std::shared_ptr<TRasterBudget> budget, size_t glyphCount);
    ~TRasterCache();
    TRasterCache(const TRasterCache&) = delete;
    TRasterCache& operator=(const TRasterCache&) = delete;

    const TGlyphRaster* Find(uint32_t glyphIndex) const;
    // Room to draw a glyph in: the memory of the glyph drawn before when that one was not kept.
    TGlyphRaster& Draft() { return FDraft; }
    // Keeps the draft when the budget allows; the reference stays valid until the next draft
    // is drawn.
    const TGlyphRaster& KeepDraft(uint32_t glyphIndex);

private:
    std::shared_ptr<TRasterBudget> FBudget;
    std::vector<std::unique_ptr<TGlyphRaster>> FRasters;
    size_t FBytes = 0;
    TGlyphRaster FDraft;
};
