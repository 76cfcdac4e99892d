#include "generate/FontEngine.h"

#include <algorithm>
#include <cctype>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/Format.h"
#include "generate/FontCatalog.h"
#include "generate/RasterCache.h"

std::string DefaultPrimaryFamily()
{
    if (IsFamilyInstalled("Arial Narrow"))
        return "Arial Narrow";
    return MatchedFamily("sans-serif");
}

TDefaultFont DefaultSecondaryFont()
{
    if (IsFamilyInstalled("Arial Unicode MS"))
        return {"Arial Unicode MS", 14};
    if (IsFamilyInstalled("Unifont"))
        return {"Unifont", 12};
    return {MatchedFamily("sans-serif"), 8};
}

TFontRequest PrimaryFontRequest(const TGenerationOptions& options)
{
    return {options.FontName, options.FontSize, options.FontStyle, options.Rendering(), options.ShapeArabic};
}

TFontRequest SecondaryFontRequest(const TGenerationOptions& options)
{
    return {options.Font2Name, options.Font2Size, options.Font2Style, options.Rendering2(), options.ShapeArabic};
}

bool IsFontFileName(const std::string& name)
{
    // The formats FreeType reads; a family name seldom ends like a file name.
    static const char* const Extensions[] = {".ttf", ".otf",   ".ttc", ".otc", ".pfa", ".pfb", ".pcf",
                                             ".bdf", ".pcf.gz", ".fon", ".fnt", ".woff", ".woff2", ".dfont"};
    if (name.find('/') != std::string::npos)
        return true;
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::any_of(std::begin(Extensions), std::end(Extensions),
                       [&lower](const char* extension) { return lower.ends_with(extension); });
}

TFontEngine::TFontEngine(bool cacheRasters)
    : FBudget(cacheRasters ? std::make_shared<TRasterBudget>(CacheLimit) : nullptr),
      FWorkers{{CreateFontLibrary(), {}}}
{
}

TFontEngine::~TFontEngine() = default;

std::vector<std::string> TFontEngine::Families()
{
    return InstalledFamilies();
}

std::shared_ptr<const TFontFace> TFontEngine::OpenFont(const TFontRequest& request)
{
    return Face(FaceSpec(request, false), 0);
}

std::vector<std::shared_ptr<const TFontFace>> TFontEngine::OpenWorkerFonts(const TFontRequest& request,
                                                                           bool nearestFamily, int workers)
{
    const TFaceSpec spec = FaceSpec(request, nearestFamily);
    std::vector<std::shared_ptr<const TFontFace>> faces;
    for (size_t worker = 0; worker < static_cast<size_t>(std::max(workers, 1)); ++worker)
        faces.push_back(Face(spec, worker));
    return faces;
}

TFaceSpec TFontEngine::FaceSpec(const TFontRequest& request, bool nearestFamily) const
{
    const bool bold = request.Style & fsBold;
    const bool italic = request.Style & fsItalic;
    TFaceSpec spec;
    if (IsFontFileName(request.Family)) {
        spec.File = request.Family;
    } else {
        const std::optional<TFontLocation> location = nearestFamily ? FindNearestFace(request.Family, bold, italic)
                                                                    : FindInstalledFace(request.Family, bold, italic);
        if (!location)
            throw EGlyphForgeError(
                StrFormat(CORE_TEXT("CoreMessage", "The font \"%s\" is not installed."), request.Family.c_str()));
        spec.File = location->File;
        spec.FaceIndex = location->FaceIndex;
    }
    spec.Bold = bold;
    spec.Italic = italic;
    spec.PixelSize = PointsToPixels(request.SizePoints);
    spec.Underline = request.Style & fsUnderline;
    spec.StrikeOut = request.Style & fsStrikeOut;
    spec.Rendering = request.Rendering;
    spec.ShapeArabic = request.ShapeArabic;
    // The bilevel modes have no threshold: one face serves whatever it is set to.
    spec.Rendering.Ink = spec.Rendering.UsesInk() ? InkRange.Clamp(spec.Rendering.Ink) : DefaultInk;
    return spec;
}

std::shared_ptr<const TFontFace> TFontEngine::Face(const TFaceSpec& spec, size_t worker)
{
    while (FWorkers.size() <= worker)
        FWorkers.push_back({CreateFontLibrary(), {}});
    std::list<std::shared_ptr<const TFontFace>>& faces = FWorkers[worker].Faces;
    const std::string key = spec.Key();
    for (auto face = faces.begin(); face != faces.end(); ++face) {
        if ((*face)->Spec().Key() == key) {
            faces.splice(faces.begin(), faces, face);
            return faces.front();
        }
    }
    faces.push_front(std::make_shared<const TFontFace>(FWorkers[worker].Library, spec, FBudget));
    if (faces.size() > KeptFaces)
        faces.pop_back();
    return faces.front();
}

size_t TFontEngine::CachedBytes() const
{
    return FBudget ? FBudget->Used() : 0;
}
