#include "cli/GenerationReport.h"

#include <cstdio>
#include <unistd.h>

#include "document/FontDocument.h"

TProgressCallback TerminalProgress()
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [shown = -1](int position, int maximum) mutable {
        const int percent = maximum > 0 ? static_cast<int>(int64_t{position} * 100 / maximum) : 100;
        if (percent == shown)
            return;
        shown = percent;
        std::fprintf(stderr, "\rGenerating... %3d%%%s", percent, percent == 100 ? "\n" : "");
    };
}

void PrintReport(const TFontDocument& document)
{
    const std::vector<TGlyphSource>& sources = document.Sources();
    for (size_t code = 0; code < sources.size(); ++code) {
        if (sources[code] == TGlyphSource::Primary)
            continue;
        std::printf("%s 0x%04zX U+%04X\n", sources[code] == TGlyphSource::Secondary ? "secondary" : "missing", code,
                    document.Table().CharUnicode(static_cast<int>(code)));
    }
    for (const TClippedGlyph& glyph : document.Stats().FClipped) {
        std::printf("clipped 0x%04X U+%04X", static_cast<unsigned>(glyph.Code), glyph.Unicode);
        if (glyph.Rows.Top > 0)
            std::printf(" top %d", glyph.Rows.Top);
        if (glyph.Rows.Bottom > 0)
            std::printf(" bottom %d", glyph.Rows.Bottom);
        std::printf("\n");
    }
}
