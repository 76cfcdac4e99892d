#include "generate/CellCache.h"

#include <utility>

#include "generate/RasterCache.h"

namespace {

constexpr size_t CharacterCount = 0x10000;

} // namespace

TCellCache::TCellCache(std::shared_ptr<TRasterBudget> budget) : FBudget(std::move(budget)) {}

TCellCache::~TCellCache()
{
    if (FBudget)
        FBudget->Release(FBytes);
}

const TGlyphCell* TCellCache::Find(uint16_t character, const TCellContext& context) const
{
    if (character >= FCells.size())
        return nullptr;
    const TGlyphCell* cell = FCells[character].get();
    return cell && cell->Context == context ? cell : nullptr;
}

const TGlyphCell& TCellCache::KeepDraft(uint16_t character)
{
    if (!FBudget)
        return FDraft;
    if (FCells.empty())
        FCells.resize(CharacterCount);
    std::unique_ptr<TGlyphCell>& slot = FCells[character];
    // A cell of an older context gives its room to the new one, and its memory to the next draft.
    if (slot) {
        FBytes -= slot->Bytes();
        FBudget->Release(slot->Bytes());
    }
    const size_t bytes = FDraft.Bytes();
    if (!FBudget->Reserve(bytes)) {
        slot.reset();
        return FDraft;
    }
    FBytes += bytes;
    if (slot)
        std::swap(*slot, FDraft);
    else
        slot = std::make_unique<TGlyphCell>(std::move(FDraft));
    return *slot;
}
