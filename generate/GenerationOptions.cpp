#include "generate/GenerationOptions.h"

void TGenerationOptions::ClampToRanges()
{
    FontSize = FontSizeRange.Clamp(FontSize);
    Font2Size = FontSizeRange.Clamp(Font2Size);
    for (int* value : {&Outline, &Outline2, &MinWidth, &SpaceWidth, &RightMargin, &TopCut, &BottomCut, &MinHeight})
        *value = PixelRange.Clamp(*value);
    WidthDiv = WidthDivRange.Clamp(WidthDiv);
    if (FontType < ftFourColorOld || FontType > ftTwoColorFixed)
        FontType = ftFourColorOld;
}
