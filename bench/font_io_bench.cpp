// Mediatek font file writing, size counting and reading on large fonts of 12 x 16 glyphs.
// The 4-colour fonts hold 13104 glyphs, the most a compressed file can; the 2-colour ones 65535.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "font/MtkFont.h"

namespace {

constexpr int GlyphWidth = 12;
constexpr int GlyphHeight = 16;
constexpr int FourColorGlyphs = 13104;
constexpr int TwoColorGlyphs = 65535;
const std::string Stamp = "[GlyphForgeTool 0.6.4]";

// Background with a few short strokes of ink per row, an outline pixel beside each in 4 colours.
TGlyphBitmap RenderedLikeGlyph(std::mt19937& random, bool twoColor)
{
    const uint8_t background = twoColor ? 0 : 1;
    const uint8_t ink = twoColor ? 1 : 3;
    TGlyphBitmap glyph(GlyphWidth, GlyphHeight, twoColor ? TPaletteKind::TwoColor : TPaletteKind::FourColor,
                       background);
    for (int y = 2; y < GlyphHeight - 2; ++y) {
        uint8_t* row = glyph.Row(y);
        for (int stroke = static_cast<int>(random() % 3); stroke > 0; --stroke) {
            const int start = 1 + static_cast<int>(random() % (GlyphWidth - 4));
            const int length = 1 + static_cast<int>(random() % 3);
            for (int x = start; x < start + length; ++x)
                row[x] = ink;
            if (!twoColor)
                row[start + length] = 2;
        }
    }
    return glyph;
}

std::unique_ptr<TMtkFont> MakeFont(int count, bool twoColor)
{
    std::mt19937 random(2024);
    auto font = std::make_unique<TMtkFont>();
    font->Clear();
    for (int k = 0; k < count; ++k)
        font->AddGlyph(RenderedLikeGlyph(random, twoColor), twoColor ? 0 : 1);
    font->FCompression = twoColor ? 0 : 1;
    font->FBitsPerPixel = twoColor ? 1 : 2;
    font->FVariableWidth = !twoColor;
    font->FHeight = GlyphHeight;
    return font;
}

const TMtkFont& FourColorFont()
{
    static const auto font = MakeFont(FourColorGlyphs, false);
    return *font;
}

const TMtkFont& TwoColorFont()
{
    static const auto font = MakeFont(TwoColorGlyphs, true);
    return *font;
}

void Report(benchmark::State& state, const TMtkFont& font, size_t fileBytes)
{
    const auto iterations = static_cast<int64_t>(state.iterations());
    state.SetItemsProcessed(iterations * font.GlyphCount());
    state.SetBytesProcessed(iterations * static_cast<int64_t>(fileBytes));
    state.counters["pixels/s"] = benchmark::Counter(
        static_cast<double>(iterations) * font.GlyphCount() * GlyphWidth * GlyphHeight, benchmark::Counter::kIsRate);
}

void Write(benchmark::State& state, const TMtkFont& font, bool newMode)
{
    size_t size = 0;
    for (auto _ : state) {
        std::vector<uint8_t> file;
        font.SaveToStream(file, newMode, Stamp, {});
        size = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    Report(state, font, size);
}

void Read(benchmark::State& state, const TMtkFont& font, bool newMode)
{
    std::vector<uint8_t> file;
    font.SaveToStream(file, newMode, Stamp, {});
    TMtkFont read;
    for (auto _ : state) {
        read.LoadFromStream(file);
        benchmark::DoNotOptimize(read.GlyphCount());
    }
    Report(state, font, file.size());
}

void BM_WriteFourColorOldMode(benchmark::State& state) { Write(state, FourColorFont(), false); }
void BM_WriteFourColorNewMode(benchmark::State& state) { Write(state, FourColorFont(), true); }
void BM_WriteTwoColor(benchmark::State& state) { Write(state, TwoColorFont(), false); }
void BM_ReadFourColor(benchmark::State& state) { Read(state, FourColorFont(), false); }
void BM_ReadTwoColor(benchmark::State& state) { Read(state, TwoColorFont(), false); }

void BM_SavedSizeFourColor(benchmark::State& state)
{
    const TMtkFont& font = FourColorFont();
    size_t size = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(size = font.SavedSize(true, Stamp, {}));
    Report(state, font, size);
}

} // namespace

BENCHMARK(BM_WriteFourColorOldMode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFourColorNewMode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTwoColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavedSizeFourColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFourColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTwoColor)->Unit(benchmark::kMillisecond);
