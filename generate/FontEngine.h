#pragma once
// The font engine: installed families, and sized faces chosen by family (or file), size and
// style. Faces stay open with their rendered glyphs, so asking again for the same font is cheap.

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "generate/FontFace.h"
#include "generate/GenerationOptions.h"

struct TFontRequest {
    TFontRequest(std::string family, int sizePoints, TFontStyles style, TRendering rendering = {},
                 bool shapeArabic = false)
        : Family(std::move(family)), SizePoints(sizePoints), Style(style), Rendering(rendering),
          ShapeArabic(shapeArabic)
    {
    }

    std::string Family; // an installed family, or the path of a font file
    int SizePoints;
    TFontStyles Style;
    TRendering Rendering;
    bool ShapeArabic;
};

// The primary and the secondary font as the options ask for them.
TFontRequest PrimaryFontRequest(const TGenerationOptions& options);
TFontRequest SecondaryFontRequest(const TGenerationOptions& options);

struct TDefaultFont {
    std::string Family;
    int SizePoints = 0;
};

// "Arial Narrow" when installed, else the desktop's default sans-serif family.
std::string DefaultPrimaryFamily();
// "Arial Unicode MS" at 14 points when installed, else GNU Unifont at 12 points, which is its
// native 16-pixel em on a 96-dpi screen, else the default sans-serif family at 8 points.
TDefaultFont DefaultSecondaryFont();

// A name with a path separator, or ending in a font file extension, is a font file rather than
// a family; a family name that happens to match a file in the current folder stays a family.
bool IsFontFileName(const std::string& name);

class TFontEngine {
public:
    // Without the raster cache every glyph is drawn afresh (for comparison).
    explicit TFontEngine(bool cacheRasters = true);
    ~TFontEngine();
    TFontEngine(const TFontEngine&) = delete;
    TFontEngine& operator=(const TFontEngine&) = delete;

    static std::vector<std::string> Families();

    // The real bold or italic face when the family has one, otherwise the style is added by
    // the engine. Each rendering is a face of its own, kept as long as the others. Throws
    // EGlyphForgeError for a family that is not installed and EFOpenError for a file that is
    // not a readable font.
    std::shared_ptr<const TFontFace> OpenFont(const TFontRequest& request);
    // The font for each of Workers workers drawing at once, as OpenFont gives it to the first,
    // or with NearestFamily a family that is not installed drawn with the nearest installed one,
    // as the desktop's font mapper would (then only a bad font file, or no font at all, throws).
    // A face serves one thread at a time, so every worker gets a face of its own, opened on a
    // rasteriser instance of its own and kept as long as the others.
    std::vector<std::shared_ptr<const TFontFace>> OpenWorkerFonts(const TFontRequest& request, bool nearestFamily,
                                                                  int workers);

    // Bytes the kept glyph rasters take.
    size_t CachedBytes() const;

private:
    // The faces one worker draws with.
    struct TWorkerFaces {
        std::shared_ptr<TFontLibrary> Library;
        std::list<std::shared_ptr<const TFontFace>> Faces; // most recently asked first
    };

    TFaceSpec FaceSpec(const TFontRequest& request, bool nearestFamily) const;
    std::shared_ptr<const TFontFace> Face(const TFaceSpec& spec, size_t worker);

    // Both fonts in every rendering, so trying the modes and going back redraws nothing.
    static constexpr size_t KeptFaces = 8;
    static constexpr size_t CacheLimit = size_t{96} << 20;

    std::shared_ptr<TRasterBudget> FBudget;
    std::vector<TWorkerFaces> FWorkers; // the first is OpenFont's
};
