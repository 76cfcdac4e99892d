// The one generation both front ends run, and the options whose rules follow its results.

#include <functional>

#include "document/FontDocument.h"
#include "font/Workers.h"
#include "generate/FontTypeChoice.h"

std::vector<std::shared_ptr<const TFontFace>> TFontDocument::OpenFonts(const TFontRequest& request, int workers)
{
    return FEngine.OpenWorkerFonts(request, FUse == TDocumentUse::Interactive, workers);
}

std::shared_ptr<const TFontFace> TFontDocument::OpenFont(const TFontRequest& request)
{
    return OpenFonts(request, 1).front();
}

int TFontDocument::GenerationWorkers() const
{
    return TGlyphGenerator::WorkersWorthStarting(FWorkers > 0 ? FWorkers : AvailableCores(),
                                                 FTable.LastCharIndex() + 1);
}

void TFontDocument::RunGenerator(const TGenerationOptions& options, const std::function<void(TGlyphGenerator&)>& use)
{
    const int workers = GenerationWorkers();
    const std::vector<std::shared_ptr<const TFontFace>> font1 = OpenFonts(PrimaryFontRequest(options), workers);
    std::vector<std::shared_ptr<const TFontFace>> font2(font1.size());
    // No secondary family named: the primary font draws every character.
    if (options.TryFont2 && !options.Font2Name.empty())
        font2 = OpenFonts(SecondaryFontRequest(options), workers);
    TGlyphGenerator generator(
        options, FTable.CharUnicode(), FTable.LastCharIndex(),
        {font1[0].get(), font2[0].get(), font1[0]->Coverage(), font2[0] ? font2[0]->Coverage() : FullCoverage()});
    std::vector<TWorkerFonts> moreWorkers;
    for (size_t worker = 1; worker < font1.size(); ++worker)
        moreWorkers.push_back({font1[worker].get(), font2[worker].get()});
    generator.SetMoreWorkers(std::move(moreWorkers));
    use(generator);
}

int TFontDocument::WidestGlyph(const TGenerationOptions& options)
{
    if (!CanGenerate())
        return 0;
    int widest = 0;
    RunGenerator(options, [&widest](TGlyphGenerator& generator) {
        TMtkFont trial;
        generator.GenerateFont(trial);
        widest = generator.Stats().FMaxGlyphWidth;
    });
    return widest;
}

bool TFontDocument::Generate(const TProgressCallback& progress)
{
    bool fallback = false;
    const TGenerationOptions options = FOptions;
    RunGenerator(options, [&](TGlyphGenerator& generator) { fallback = Generate(generator, progress); });
    // Reached only when the generation completed.
    FGeneratedOptions = options;
    return fallback;
}

bool TFontDocument::Generate(TGlyphGenerator& generator, const TProgressCallback& progress)
{
    generator.SetProgress(progress);
    FStoreHoldsGeneration = false;
    FFontFile.clear();
    FEncoded = {};
    FontReplaced();
    // A fixed-width generation whose glyphs do not fit goes back to variable width, also when
    // it fails half-way; the glyphs stay as made.
    const auto finish = [this, &generator] {
        if (generator.FixedWidthFallback())
            LeaveFixedWidthType(true);
    };
    try {
        generator.GenerateFont(*FFont);
    } catch (...) {
        finish();
        emit Changed(dcFontReplaced | (generator.FixedWidthFallback() ? dcOptions : 0u));
        throw;
    }
    FStats = generator.Stats();
    FSources = generator.Sources();
    FEncoded = generator.TakeEncodedFont();
    FStoreHoldsGeneration = true;
    FGenerationPending = false;
    ++FGenerationCount;
    finish();
    emit Changed(dcFontReplaced | dcStatistics | (generator.FixedWidthFallback() ? dcOptions : 0u));
    return generator.FixedWidthFallback();
}

void TFontDocument::AdoptOptions(const TGenerationOptions& options)
{
    FOptions = options;
    if (FOptions.IsTwoColor())
        ApplyFixedWidthRule(FOptions);
}

int TFontDocument::FixedMinWidth()
{
    TGenerationOptions options = FOptions;
    std::optional<TTakenWidths> none;
    ApplyFontTypeChoice(options, ftTwoColorFixed, FStats.FMaxGlyphWidth,
                        [this](const TGenerationOptions& trial) { return WidestGlyph(trial); }, none);
    return options.MinWidth;
}

void TFontDocument::ChooseFontType(int type)
{
    const TGenerationOptions before = FOptions;
    FWidthStep = ApplyFontTypeChoice(FOptions, type, FStats.FMaxGlyphWidth,
                                     [this](const TGenerationOptions& trial) { return WidestGlyph(trial); },
                                     FTakenWidths);
    // A generated font of the other colour depth would be saved as the type it was made for.
    const int typeBits = FOptions.IsTwoColor() ? 1 : 2;
    if (FOptions.MinWidth != before.MinWidth || FOptions.SpaceWidth != before.SpaceWidth ||
        FOptions.Outline != before.Outline || FOptions.CutLeftRight != before.CutLeftRight ||
        (FStoreHoldsGeneration && FFont->FBitsPerPixel != typeBits))
        FGenerationPending = true;
    // The file to be saved changes with the type.
    FEncoded = MeasureFontFileSize(*FFont, FOptions.NewMode(), FStats, GenerationWorkers());
    emit Changed(dcStatistics);
    KeepOptions();
}

void TFontDocument::LeaveFixedWidthType(bool resetStep)
{
    FOptions.FontType = ftFourColorOld;
    if (resetStep)
        FWidthStep = 1;
}

void TFontDocument::RevertOptions()
{
    FOptions = FOptionsInHand;
    FWidthStep = FWidthStepInHand;
    FGenerationPending = false;
    emit Changed(dcOptions);
}

void TFontDocument::KeepOptions()
{
    // Only edits make the options and the font in hand part.
    if (!FUnsavedEdits)
        return;
    FOptionsInHand = FOptions;
    FWidthStepInHand = FWidthStep;
}
