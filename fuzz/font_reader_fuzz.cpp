// Mediatek font files from arbitrary bytes. What the reader accepts must also go back out:
// the writer either refuses the store or writes exactly the length it counted.

#include "font/Errors.h"
#include "font/Format.h"
#include "fuzz/FuzzSupport.h"
#include "font/MtkFont.h"

namespace {

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
    if (!font.LoadFromStream(Bytes(data, size)))
        return 0;
    RequireWriterAgrees(font, false);
    RequireWriterAgrees(font, true);
    return 0;
}
