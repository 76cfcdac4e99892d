// A read BDF into the glyph store: each glyph in its slot, its ink placed in the cell against
// the baseline, its levels turned into the colours of the chosen font type.

#include <algorithm>
#include <array>

#include "font/BdfReader.h"
#include "font/BdfWarnings.h"
#include "font/CoreText.h"
#include "font/Format.h"
#include "font/MtkFont.h"

namespace {

constexpr uint8_t FourColorBackground = 1;
// The blank cells a fixed-width import may add for the codes a font leaves out: they cost
// memory no byte of the file describes.
constexpr uint64_t MaxBlankPixels = uint64_t{1} << 28;
constexpr uint8_t FourColorPadColor = 1;

// Level -> palette index for every level of the font's depth.
std::array<uint8_t, 256> ColourOfLevel(int bitsPerPixel, TBdfTarget target)
{
    std::array<uint8_t, 256> colour{};
    const int top = (1 << bitsPerPixel) - 1;
    for (int level = 0; level <= top; ++level) {
        if (target == TBdfTarget::TwoColorFixed) {
            colour[level] = 2 * level > top ? 1 : 0;
        } else if (bitsPerPixel == 2) {
            // The four colours as the export writes them: background, second background, outline, ink.
            static constexpr uint8_t FourLevels[4] = {1, 0, 2, 3};
            colour[level] = FourLevels[level];
        } else if (level == 0) {
            colour[level] = FourColorBackground;
        } else {
            // The nearest of background 0, outline 2/3 and ink 3/3 of the top level.
            colour[level] = 3 * level < top ? FourColorBackground : (6 * level < 5 * top ? 2 : 3);
        }
    }
    return colour;
}

} // namespace

void LoadBdf(TMtkFont& store, const TBdfFont& font, TBdfTarget target)
{
    const bool twoColor = target == TBdfTarget::TwoColorFixed;
    if (twoColor && !font.OneWidth()) {
        const auto [narrow, wide] = std::minmax_element(
            font.Glyphs.begin(), font.Glyphs.end(), [](const TBdfGlyph& a, const TBdfGlyph& b) { return a.Width < b.Width; });
        throw EBdfError(StrFormat(
            CORE_TEXT("CoreMessage", "The 2-colour type needs one width for every glyph; the BDF font's glyphs are %d "
                                     "(\"%s\", code %d) to %d (\"%s\", code %d) pixels wide."),
            narrow->Width, narrow->Name.c_str(), narrow->Code, wide->Width, wide->Name.c_str(), wide->Code));
    }
    const TPaletteKind palette = twoColor ? TPaletteKind::TwoColor : TPaletteKind::FourColor;
    const uint8_t background = twoColor ? 0 : FourColorBackground;
    const uint8_t padColor = twoColor ? 0 : FourColorPadColor;
    // A fixed-width font has no room for a glyph of width 0: a missing code is a blank cell.
    const int missingWidth = twoColor ? font.Glyphs.front().Width : 0;
    const int missingCodes =
        font.Glyphs.empty() ? 0 : font.Glyphs.back().Code + 1 - static_cast<int>(font.Glyphs.size());
    if (uint64_t(missingCodes) * uint64_t(missingWidth) * uint64_t(font.Height()) > MaxBlankPixels)
        throw EBdfError(StrFormat(
            CORE_TEXT("CoreMessage", "In the 2-colour type the %d codes the BDF font leaves out below its last glyph "
                                     "would be blank cells of %d x %d pixels, more than the %llu pixels such cells "
                                     "may take."),
            missingCodes, missingWidth, font.Height(), static_cast<unsigned long long>(MaxBlankPixels)));
    const std::array<uint8_t, 256> colour = ColourOfLevel(font.BitsPerPixel, target);

    store.Clear();
    store.FCompression = twoColor ? 0 : 1;
    store.FBitsPerPixel = twoColor ? 1 : 2;
    store.FVariableWidth = !twoColor;
    store.FHeight = static_cast<uint8_t>(font.Height());
    int code = 0;
    for (const TBdfGlyph& glyph : font.Glyphs) {
        for (; code < glyph.Code; ++code)
            store.AddGlyph(std::make_unique<TGlyphBitmap>(missingWidth, font.Height(), palette, background), padColor);
        auto bitmap = std::make_unique<TGlyphBitmap>(glyph.Width, font.Height(), palette, background);
        const int top = font.Ascent - (glyph.InkBottom + glyph.InkHeight);
        for (int y = 0; y < glyph.InkHeight; ++y) {
            const uint8_t* levels = glyph.Levels.data() + static_cast<size_t>(y) * glyph.InkWidth;
            uint8_t* row = bitmap->Row(top + y) + glyph.InkLeft;
            for (int x = 0; x < glyph.InkWidth; ++x)
                row[x] = colour[levels[x]];
        }
        store.AddGlyph(std::move(bitmap), padColor);
        ++code;
    }
    if (!font.Warnings.empty())
        store.Report(
            JoinWarnings(CORE_TEXT("CoreMessage", "The BDF font was imported, with these changes:"), font.Warnings));
}
