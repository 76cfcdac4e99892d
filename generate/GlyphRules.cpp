#include "generate/GlyphRules.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Column range [first, last] of the pixels that are not background, over all rows;
// first = width and last = -1 when every column is background.
struct TInkColumns {
    int First;
    int Last;
};

TInkColumns FindInkColumns(const TGlyphBitmap& bitmap, uint8_t backgroundIndex)
{
    const int width = bitmap.Width();
    TInkColumns ink{width, -1};
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* row = bitmap.Row(y);
        const uint8_t* end = row + width;
        const uint8_t* first = std::find_if(row, end, [&](uint8_t p) { return p != backgroundIndex; });
        if (first == end)
            continue;
        const uint8_t* last = end;
        while (last[-1] == backgroundIndex)
            --last;
        ink.First = std::min(ink.First, static_cast<int>(first - row));
        ink.Last = std::max(ink.Last, static_cast<int>(last - row) - 1);
    }
    return ink;
}

bool IsSpace(uint16_t unicode)
{
    return unicode == 0x0020 || unicode == 0x00A0;
}

} // namespace

int FitGlyphWidth(TGlyphBitmap& bitmap, int target, uint8_t backgroundIndex)
{
    const TInkColumns ink = FindInkColumns(bitmap, backgroundIndex);
    const int left = ink.First;
    const int content = std::max(ink.Last - left + 1, 0);
    int leftPad = 0;
    int rightPad = 0;
    int newWidth = content;
    if (content < target) {
        const int extra = target - content;
        leftPad = extra / 2;
        rightPad = extra - leftPad;
        newWidth = target;
    }
    // Already the right width: the ink stays where it is, even off centre.
    if (newWidth == bitmap.Width())
        return newWidth;
    if (bitmap.Width() < newWidth)
        bitmap.SetWidth(newWidth, backgroundIndex);
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint8_t* row = bitmap.Row(y);
        std::memmove(row + leftPad, row + left, static_cast<size_t>(content));
        std::memset(row, backgroundIndex, static_cast<size_t>(leftPad));
        std::memset(row + leftPad + content, backgroundIndex, static_cast<size_t>(rightPad));
    }
    if (bitmap.Width() > newWidth)
        bitmap.SetWidth(newWidth, backgroundIndex);
    return newWidth;
}

int CountRightBackground(const TGlyphBitmap& bitmap, uint8_t backgroundIndex)
{
    return bitmap.Width() - 1 - FindInkColumns(bitmap, backgroundIndex).Last;
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
    const TGenerationOptions& options = *input.Options;
    const uint8_t background = input.BackgroundIndex;
    const bool commonDigitWidth = input.SameWidthChar && options.SameWidthNumbers;
    const int digitWidth = std::max(input.MinWidth, static_cast<int>(input.DigitWidth));
    uint16_t w = width;

    // A: cut left-right background columns, or fit a digit to the common digit width.
    if (commonDigitWidth)
        w = static_cast<uint16_t>(FitGlyphWidth(bitmap, options.CutLeftRight ? digitWidth : input.DigitWidth, background));
    else if (options.CutLeftRight)
        w = static_cast<uint16_t>(FitGlyphWidth(bitmap, input.MinWidth, background));

    // B: spaces get a minimum width, except in the fixed-width type.
    if (!options.IsTwoColor() && !input.DigitPass && IsSpace(input.Unicode) && w < input.SpaceWidth) {
        w = static_cast<uint16_t>(input.SpaceWidth);
        bitmap.SetWidth(w, background);
    }

    // C: right margin.
    if (options.RightMarginOn) {
        const int right = CountRightBackground(bitmap, background);
        if (right < input.RightMargin) {
            w = commonDigitWidth ? static_cast<uint16_t>(digitWidth) : static_cast<uint16_t>(w + input.RightMargin - right);
            bitmap.SetWidth(w, background);
        }
    }

    // D: width raised to a multiple of the divisor, ink centred again.
    if (options.WidthDivOn) {
        const int divisor = std::max(options.WidthDiv, 1);
        if (w % divisor != 0)
            w = static_cast<uint16_t>(FitGlyphWidth(bitmap, w + divisor - w % divisor, background));
    }

    // E: a character no font draws is stored empty (blank MinWidth in the fixed-width type);
    // W keeps its value for the statistics.
    if (!options.DisplayInvalidChars && !input.Covered && !input.DigitPass) {
        bitmap.SetWidth(0, background);
        if (options.IsTwoColor())
            bitmap.SetWidth(std::max(input.MinWidth, 0), background);
    }
    return w;
}
