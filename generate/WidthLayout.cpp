#include "generate/WidthLayout.h"

#include <algorithm>
#include <cstring>

#include "font/ByteWords.h"

namespace {

bool IsSpace(uint16_t unicode)
{
    return unicode == 0x0020 || unicode == 0x00A0;
}

} // namespace

std::vector<uint8_t> FindInkColumns(const TGlyphBitmap& bitmap, uint8_t backgroundIndex)
{
    // Each row's difference from the background, ORed together eight columns at a time. A row's
    // last word may reach into the next row: what it adds lies beyond the width and is dropped.
    const size_t width = static_cast<size_t>(bitmap.Width());
    const uint64_t background = BroadcastByte(backgroundIndex);
    const uint8_t* const end = bitmap.Bits().data() + bitmap.Bits().size();
    std::vector<uint8_t> differs((width + 7) / 8 * 8, 0);
    uint8_t* columns = differs.data();
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* row = bitmap.Row(y);
        for (size_t x = 0; x < width; x += 8) {
            uint64_t word = background;
            if (end - (row + x) >= 8)
                word = LoadWord(row + x);
            else
                std::memcpy(&word, row + x, static_cast<size_t>(end - (row + x)));
            StoreWord(columns + x, LoadWord(columns + x) | (word ^ background));
        }
    }
    differs.resize(width);
    for (uint8_t& column : differs)
        column = column != 0;
    return differs;
}

TColumnLayout::TColumnLayout(std::span<const uint8_t> inkColumns)
    : FInk(inkColumns), FWidth(static_cast<int>(inkColumns.size())), FEnd(FWidth)
{
}

void TColumnLayout::SetWidth(int width)
{
    FWidth = width;
    FEnd = std::max(FFirst, std::min(FEnd, width - FShift));
}

TColumnLayout::TExtent TColumnLayout::InkExtent() const
{
    int first = FFirst;
    while (first < FEnd && !FInk[static_cast<size_t>(first)])
        ++first;
    int last = FEnd - 1;
    while (last >= first && !FInk[static_cast<size_t>(last)])
        --last;
    return first == FEnd ? TExtent{FEnd, FEnd - 1} : TExtent{first, last};
}

int TColumnLayout::Fit(int target, bool joinsLeft, bool joinsRight)
{
    const TExtent ink = InkExtent();
    const int content = std::max(ink.Last - ink.First + 1, 0);
    int leftPad = 0;
    int newWidth = content;
    if (content < target && !(joinsLeft && joinsRight)) {
        const int extra = target - content;
        leftPad = joinsLeft ? 0 : (joinsRight ? extra : extra / 2);
        newWidth = target;
    }
    if (newWidth == FWidth)
        return newWidth;
    FFirst = ink.First;
    FEnd = ink.First + content;
    FShift = leftPad - ink.First;
    FWidth = newWidth;
    return newWidth;
}

int TColumnLayout::RightBackground() const
{
    const TExtent ink = InkExtent();
    const int last = ink.Last < ink.First ? -1 : ink.Last + FShift;
    return FWidth - 1 - last;
}

TGlyphBitmap TColumnLayout::Build(const TGlyphBitmap& drawn, uint8_t backgroundIndex) const
{
    TGlyphBitmap result;
    Build(drawn, backgroundIndex, result);
    return result;
}

void TColumnLayout::Build(const TGlyphBitmap& drawn, uint8_t backgroundIndex, TGlyphBitmap& result) const
{
    result.Reset(FWidth, drawn.Height(), drawn.PaletteKind(), backgroundIndex);
    const int columns = FEnd - FFirst;
    if (columns <= 0)
        return;
    for (int y = 0; y < drawn.Height(); ++y)
        std::memcpy(result.Row(y) + FFirst + FShift, drawn.Row(y) + FFirst, static_cast<size_t>(columns));
}

TWidthPlan PlanWidthRules(std::span<const uint8_t> inkColumns, uint16_t width, const TWidthRuleInput& input)
{
    const TGenerationOptions& options = *input.Options;
    const bool commonDigitWidth = input.SameWidthChar && options.SameWidthNumbers;
    const int digitWidth = std::max(input.MinWidth, static_cast<int>(input.DigitWidth));
    TColumnLayout layout(inkColumns);
    uint16_t w = width;

    // A: cut left-right background columns, or fit a digit to the common digit width.
    if (commonDigitWidth)
        w = static_cast<uint16_t>(layout.Fit(options.CutLeftRight ? digitWidth : input.DigitWidth));
    else if (options.CutLeftRight)
        w = static_cast<uint16_t>(layout.Fit(input.MinWidth, input.JoinsLeft, input.JoinsRight));

    // B: spaces get a minimum width, except in the fixed-width type.
    if (!options.IsTwoColor() && !input.DigitPass && IsSpace(input.Unicode) && w < input.SpaceWidth) {
        w = static_cast<uint16_t>(input.SpaceWidth);
        layout.SetWidth(w);
    }

    // C: right margin, except where a joining form meets its neighbour.
    if (options.RightMarginOn && !input.JoinsRight) {
        const int right = layout.RightBackground();
        if (right < input.RightMargin) {
            w = commonDigitWidth ? static_cast<uint16_t>(digitWidth) : static_cast<uint16_t>(w + input.RightMargin - right);
            layout.SetWidth(w);
        }
    }

    // D: width raised to a multiple of the divisor, ink centred again.
    if (options.WidthDivOn) {
        const int divisor = std::max(options.WidthDiv, 1);
        if (w % divisor != 0)
            w = static_cast<uint16_t>(layout.Fit(w + divisor - w % divisor, input.JoinsLeft, input.JoinsRight));
    }

    // E: a character no font draws is stored empty (blank MinWidth in the fixed-width type);
    // W keeps its value for the statistics.
    if (!options.DisplayInvalidChars && !input.Covered && !input.DigitPass) {
        layout.SetWidth(0);
        if (options.IsTwoColor())
            layout.SetWidth(std::max(input.MinWidth, 0));
    }
    return {w, layout};
}
