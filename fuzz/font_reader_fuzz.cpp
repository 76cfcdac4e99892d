// Mediatek font files from arbitrary bytes. What the reader accepts must also go back out:
// the writer either refuses the store or writes exactly the length it counted.
// Short inputs may announce up to the reader's zero-fill allowance of pixels; writing those
// again would only repeat the same runs, so big stores skip the writer and keep the rate up.

#include "font/Errors.h"
#include "font/Format.h"
#include "fuzz/FuzzSupport.h"
#include "font/MtkFont.h"

namespace {

constexpr uint64_t MaxPixelsWritten = uint64_t{1} << 14;

uint64_t PixelCount(const TMtkFont& font)
{
    uint64_t pixels = 0;
    for (int k = 0; k < font.GlyphCount(); ++k)
        pixels += font.GetGlyph(k)->Bits().size();
    return pixels;
}

void RequireWriterAgrees(const TMtkFont& font, bool newMode)
{
    size_t counted;
    try {
        counted = font.SavedSize(newMode, "[stamp]", {});
    } catch (const EFontLimitError&) {
        return;
    }
    std::vector<uint8_t> written;
    font.SaveToStream(written, newMode, "[stamp]", {});
    Require(written.size() == counted,
            StrFormat("counted %zu bytes, wrote %zu (new mode %d)", counted, written.size(), newMode));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TMtkFont font;
    if (!font.LoadFromStream(Bytes(data, size)) || PixelCount(font) > MaxPixelsWritten)
        return 0;
    RequireWriterAgrees(font, false);
    RequireWriterAgrees(font, true);
    return 0;
}
