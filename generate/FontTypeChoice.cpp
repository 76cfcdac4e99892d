#include "generate/FontTypeChoice.h"

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

int ApplyFontTypeChoice(TGenerationOptions& options, int newType, int maxGlyphWidth)
{
    if (newType != ftTwoColorFixed) {
        options.FontType = newType == ftFourColorNew ? ftFourColorNew : ftFourColorOld;
        return 1;
    }
    ApplyFixedWidthRule(options);
    options.FontType = ftTwoColorFixed;
    // The value boxes clamp; their maximum is itself a multiple of 4.
    options.MinWidth = PixelRange.Clamp(RoundUpToMultipleOf4(maxGlyphWidth));
    options.SpaceWidth = PixelRange.Clamp(RoundUpToMultipleOf4(options.SpaceWidth));
    return 4;
}
