#include "generate/FontTypeChoice.h"

namespace {

// The box's maximum is itself a multiple of 4, so the search always ends on one.
int FixedWidthFor(TGenerationOptions options, int maxGlyphWidth, const TWidestGlyph& widest)
{
    for (int width = PixelRange.Clamp(RoundUpToMultipleOf4(maxGlyphWidth));; width += 4) {
        options.MinWidth = width;
        if (width + 4 > PixelRange.Max || widest(options) <= width)
            return width;
    }
}

void GiveBackWidths(TGenerationOptions& options, std::optional<TTakenWidths>& taken)
{
    if (!taken)
        return;
    if (options.MinWidth == taken->GivenMinWidth)
        options.MinWidth = taken->MinWidth;
    if (options.SpaceWidth == taken->GivenSpaceWidth)
        options.SpaceWidth = taken->SpaceWidth;
    taken.reset();
}

} // namespace

int RoundUpToMultipleOf4(int value)
{
    const int remainder = value % 4;
    return remainder > 0 ? value + 4 - remainder : value;
}

void ApplyFixedWidthRule(TGenerationOptions& options)
{
    options.Outline = 0;
    options.CutLeftRight = true;
}

int ApplyFontTypeChoice(TGenerationOptions& options, int newType, int maxGlyphWidth, const TWidestGlyph& widest,
                        std::optional<TTakenWidths>& taken)
{
    if (newType != ftTwoColorFixed) {
        options.FontType = newType == ftFourColorNew ? ftFourColorNew : ftFourColorOld;
        GiveBackWidths(options, taken);
        return 1;
    }
    if (!taken)
        taken = TTakenWidths{options.MinWidth, options.SpaceWidth, 0, 0};
    ApplyFixedWidthRule(options);
    options.FontType = ftTwoColorFixed;
    options.SpaceWidth = PixelRange.Clamp(RoundUpToMultipleOf4(options.SpaceWidth));
    options.MinWidth = FixedWidthFor(options, maxGlyphWidth, widest);
    taken->GivenMinWidth = options.MinWidth;
    taken->GivenSpaceWidth = options.SpaceWidth;
    return 4;
}
