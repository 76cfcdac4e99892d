#include "generate/RasterCache.h"

bool TRasterBudget::Reserve(size_t bytes)
{
    size_t used = FUsed.load();
    do {
        if (used + bytes > FLimit)
            return false;
    } while (!FUsed.compare_exchange_weak(used, used + bytes));
    return true;
}

TRasterCache::TRasterCache(std::shared_ptr<TRasterBudget> budget, size_t glyphCount) : FBudget(std::move(budget))
{
    if (FBudget)
        FRasters.resize(glyphCount);
}

TRasterCache::~TRasterCache()
{
    if (FBudget)
        FBudget->Release(FBytes);
}

const TGlyphRaster* TRasterCache::Find(uint32_t glyphIndex) const
{
    return glyphIndex < FRasters.size() ? FRasters[glyphIndex].get() : nullptr;
}

const TGlyphRaster& TRasterCache::KeepDraft(uint32_t glyphIndex)
{
    const size_t bytes = FDraft.Bytes();
    if (glyphIndex >= FRasters.size() || !FBudget->Reserve(bytes))
        return FDraft;
    FBytes += bytes;
    FRasters[glyphIndex] = std::make_unique<TGlyphRaster>(std::move(FDraft));
    return *FRasters[glyphIndex];
}
