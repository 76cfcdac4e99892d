// Generation against a bare FreeType load-and-render loop over the same characters and fonts,
// in each rendering mode (a mode may cost more than Smooth only by what FreeType itself spends
// more on it; compare medians of repetitions), and regeneration from the kept cells after a
// width option changes, or from the kept rasters after a cut changes; the full plane by one
// worker and by one per core.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "font/Workers.h"
#include "generate/FontCatalog.h"
#include "generate/FontEngine.h"
#include "generate/Generator.h"

namespace {

std::vector<uint16_t> IdentityTable()
{
    std::vector<uint16_t> table(65536);
    for (size_t k = 0; k < table.size(); ++k)
        table[k] = static_cast<uint16_t>(k);
    return table;
}

const std::vector<uint16_t>& Table()
{
    static const std::vector<uint16_t> table = IdentityTable();
    return table;
}

void ReportPeakMemory(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Both fonts opened for each worker; one worker draws as before workers came.
TGlyphGenerator Generate(TFontEngine& engine, const TGenerationOptions& options, int32_t lastCharIndex,
                         TMtkFont& store, int workers = 1)
{
    const auto primary = engine.OpenWorkerFonts({"DejaVu Sans", 16, 0, options.Rendering()}, false, workers);
    const auto secondary = engine.OpenWorkerFonts({"Unifont", 12, 0, options.Rendering2()}, false, workers);
    TGlyphGenerator generator(options, Table(), lastCharIndex,
                              {primary[0].get(), secondary[0].get(), primary[0]->Coverage(), secondary[0]->Coverage()});
    std::vector<TWorkerFonts> more;
    for (size_t worker = 1; worker < primary.size(); ++worker)
        more.push_back({primary[worker].get(), secondary[worker].get()});
    generator.SetMoreWorkers(std::move(more));
    generator.GenerateFont(store);
    return generator;
}

// A first generation, both fonts in one rendering mode (TRenderMode): nothing rendered yet.
void BM_Generate(benchmark::State& state)
{
    const int32_t last = static_cast<int32_t>(state.range(0));
    TGenerationOptions options;
    options.RenderMode = options.RenderMode2 = static_cast<TRenderMode>(state.range(1));
    for (auto _ : state) {
        TFontEngine engine;
        TMtkFont store;
        benchmark::DoNotOptimize(Generate(engine, options, last, store).Stats());
    }
    ReportPeakMemory(state);
}
BENCHMARK(BM_Generate)->ArgsProduct({{255, 65535}, {0, 1, 2, 3}})->ArgNames({"last", "mode"})->Unit(benchmark::kMillisecond);

// The full plane in the fixed-width type, first generation, by one worker and by one per core
// (the faces opened in the timing, as a command-line run opens them). Wall time: the workers'
// CPU time adds up.
void BM_GenerateFullPlaneWorkers(benchmark::State& state)
{
    TGenerationOptions options;
    options.FontType = ftTwoColorFixed;
    options.MinWidth = 40;
    options.CutLeftRight = true;
    options.Outline = 0;
    for (auto _ : state) {
        TFontEngine engine(false);
        TMtkFont store;
        benchmark::DoNotOptimize(Generate(engine, options, 65535, store, static_cast<int>(state.range(0))).Stats());
    }
}
BENCHMARK(BM_GenerateFullPlaneWorkers)->Arg(1)->Arg(AvailableCores())->ArgName("workers")->Unit(benchmark::kMillisecond)->UseRealTime();

struct TBareMode {
    FT_Int32 LoadFlags;
    FT_Render_Mode RenderMode;
};

// FreeType's own settings for each TRenderMode, in its order.
const TBareMode BareModes[] = {
    {FT_LOAD_TARGET_NORMAL, FT_RENDER_MODE_NORMAL},
    {FT_LOAD_TARGET_MONO, FT_RENDER_MODE_MONO},
    {FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT, FT_RENDER_MODE_MONO},
    {FT_LOAD_TARGET_LIGHT | FT_LOAD_FORCE_AUTOHINT, FT_RENDER_MODE_LIGHT},
};

// The baseline: each character loaded and rendered by whichever face has it, primary first,
// in one rendering mode.
void BM_BareFreeTypeFullPlane(benchmark::State& state)
{
    const TBareMode& bare = BareModes[state.range(0)];
    FT_Library library = nullptr;
    FT_Init_FreeType(&library);
    FT_Face faces[2] = {};
    const char* families[2] = {"DejaVu Sans", "Unifont"};
    const int pixels[2] = {PointsToPixels(16), PointsToPixels(12)};
    for (int k = 0; k < 2; ++k) {
        const TFontLocation location = *FindInstalledFace(families[k], false, false);
        FT_New_Face(library, location.File.c_str(), location.FaceIndex, &faces[k]);
        FT_Set_Pixel_Sizes(faces[k], 0, static_cast<FT_UInt>(pixels[k]));
    }
    for (auto _ : state) {
        int64_t ink = 0;
        for (FT_ULong code = 0; code <= 0xFFFF; ++code) {
            FT_Face face = FT_Get_Char_Index(faces[0], code) || !FT_Get_Char_Index(faces[1], code) ? faces[0] : faces[1];
            if (FT_Load_Char(face, code, bare.LoadFlags) == 0 && FT_Render_Glyph(face->glyph, bare.RenderMode) == 0)
                ink += face->glyph->bitmap.rows;
        }
        benchmark::DoNotOptimize(ink);
    }
    for (FT_Face face : faces)
        FT_Done_Face(face);
    FT_Done_FreeType(library);
}
BENCHMARK(BM_BareFreeTypeFullPlane)->DenseRange(0, 3)->ArgName("mode")->Unit(benchmark::kMillisecond);

// Regenerations of the full plane on a warm engine, each after Change has altered the options.
template <typename TChange>
void RegenerateFullPlane(benchmark::State& state, TChange change)
{
    const int workers = static_cast<int>(state.range(0));
    TFontEngine engine;
    TGenerationOptions options;
    TMtkFont store;
    Generate(engine, options, 65535, store, workers);
    for (auto _ : state) {
        change(options);
        benchmark::DoNotOptimize(Generate(engine, options, 65535, store, workers).Stats());
    }
    state.counters["cache_MB"] = static_cast<double>(engine.CachedBytes()) / (1 << 20);
    ReportPeakMemory(state);
}

// A change of MinWidth only: the finished cells are kept from the previous generation.
void BM_RegenerateFullPlaneAfterWidthChange(benchmark::State& state)
{
    RegenerateFullPlane(state, [](TGenerationOptions& options) { options.MinWidth = options.MinWidth == 2 ? 3 : 2; });
}
BENCHMARK(BM_RegenerateFullPlaneAfterWidthChange)->Arg(1)->Arg(AvailableCores())->ArgName("workers")->Unit(benchmark::kMillisecond)->UseRealTime();

// A change of the top cut: every cell is drawn again, from the kept rasters.
void BM_RegenerateFullPlaneAfterCutChange(benchmark::State& state)
{
    RegenerateFullPlane(state, [](TGenerationOptions& options) {
        options.TopCutOn = true;
        options.TopCut = options.TopCut == 1 ? 2 : 1;
    });
}
BENCHMARK(BM_RegenerateFullPlaneAfterCutChange)->Arg(1)->Arg(AvailableCores())->ArgName("workers")->Unit(benchmark::kMillisecond)->UseRealTime();

// The command line's work: every BMP character of DejaVu Sans at 16 points, primary font only,
// against a bare FreeType loop that opens the face and loads and renders the same characters.
// Both are timed in every iteration, one after the other, so load on the machine hits both.
void BM_GenerationAgainstBareFreeType(benchmark::State& state)
{
    const TFontLocation location = *FindInstalledFace("DejaVu Sans", false, false);
    const FT_UInt pixels = static_cast<FT_UInt>(PointsToPixels(16));
    std::vector<uint16_t> table;
    {
        FT_Library library = nullptr;
        FT_Face face = nullptr;
        FT_Init_FreeType(&library);
        FT_New_Face(library, location.File.c_str(), location.FaceIndex, &face);
        FT_UInt glyph = 0;
        for (FT_ULong code = FT_Get_First_Char(face, &glyph); glyph != 0 && code <= 0xFFFF;
             code = FT_Get_Next_Char(face, code, &glyph))
            table.push_back(static_cast<uint16_t>(code));
        FT_Done_Face(face);
        FT_Done_FreeType(library);
    }
    TGenerationOptions options;
    options.TryFont2 = false;

    using TClock = std::chrono::steady_clock;
    TClock::duration bare{};
    TClock::duration generation{};
    for (auto _ : state) {
        const TClock::time_point start = TClock::now();
        FT_Library library = nullptr;
        FT_Face face = nullptr;
        FT_Init_FreeType(&library);
        FT_New_Face(library, location.File.c_str(), location.FaceIndex, &face);
        FT_Set_Pixel_Sizes(face, 0, pixels);
        int64_t ink = 0;
        for (const uint16_t code : table)
            if (FT_Load_Char(face, code, FT_LOAD_TARGET_NORMAL) == 0 &&
                FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0)
                ink += face->glyph->bitmap.rows;
        FT_Done_Face(face);
        FT_Done_FreeType(library);
        benchmark::DoNotOptimize(ink);
        const TClock::time_point middle = TClock::now();

        {
            TFontEngine engine(false); // as the command line has it: one generation keeps nothing
            const auto font = engine.OpenFont({"DejaVu Sans", 16, 0});
            TGlyphGenerator generator(options, table, static_cast<int32_t>(table.size()) - 1,
                                      {font.get(), nullptr, font->Coverage(), FullCoverage()});
            TMtkFont store;
            generator.GenerateFont(store);
            benchmark::DoNotOptimize(generator.Stats());
        }
        bare += middle - start;
        generation += TClock::now() - middle;
    }
    const auto perCharacter = [&](TClock::duration total) {
        return std::chrono::duration<double, std::micro>(total).count() / double(state.iterations()) /
               double(table.size());
    };
    state.counters["bare_us_per_char"] = perCharacter(bare);
    state.counters["generate_us_per_char"] = perCharacter(generation);
    state.counters["ratio"] = perCharacter(generation) / perCharacter(bare);
    ReportPeakMemory(state);
}
BENCHMARK(BM_GenerationAgainstBareFreeType)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
