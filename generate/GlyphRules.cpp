#include "generate/GlyphRules.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "generate/WidthLayout.h"

int FitGlyphWidth(TGlyphBitmap& bitmap, int target, uint8_t backgroundIndex)
{
    const std::vector<uint8_t> ink = FindInkColumns(bitmap, backgroundIndex);
    TColumnLayout layout(ink);
    const int width = layout.Fit(target);
    bitmap = layout.Build(bitmap, backgroundIndex);
    return width;
}

int CountRightBackground(const TGlyphBitmap& bitmap, uint8_t backgroundIndex)
{
    const std::vector<uint8_t> ink = FindInkColumns(bitmap, backgroundIndex);
    return TColumnLayout(ink).RightBackground();
}

void OutlineGlyph(TGlyphBitmap& bitmap, uint8_t outlineIndex, uint8_t foregroundIndex, int steps)
{
    if (steps <= 0)
        return;
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    std::vector<int> frontier;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = bitmap.Row(y);
        const uint8_t* end = row + width;
        for (const uint8_t* p = row; p < end; ++p) {
            p = static_cast<const uint8_t*>(std::memchr(p, foregroundIndex, static_cast<size_t>(end - p)));
            if (!p)
                break;
            frontier.push_back(y * width + static_cast<int>(p - row));
        }
    }
    // Each pixel joins a frontier at most once, so the work is bounded by pixels x 9.
    std::vector<int> next;
    for (int step = 0; step < steps && !frontier.empty(); ++step) {
        next.clear();
        for (const int position : frontier) {
            const int px = position % width;
            const int py = position / width;
            for (int y = std::max(py - 1, 0); y <= std::min(py + 1, height - 1); ++y) {
                uint8_t* row = bitmap.Row(y);
                for (int x = std::max(px - 1, 0); x <= std::min(px + 1, width - 1); ++x) {
                    if (row[x] == foregroundIndex || row[x] == outlineIndex)
                        continue;
                    row[x] = outlineIndex;
                    next.push_back(y * width + x);
                }
            }
        }
        frontier.swap(next);
    }
}

uint16_t ApplyWidthRules(TGlyphBitmap& bitmap, uint16_t width, const TWidthRuleInput& input)
{
    const std::vector<uint8_t> ink = FindInkColumns(bitmap, input.BackgroundIndex);
    const TWidthPlan plan = PlanWidthRules(ink, width, input);
    bitmap = plan.Layout.Build(bitmap, input.BackgroundIndex);
    return plan.W;
}
