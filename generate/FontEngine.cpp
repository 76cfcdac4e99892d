#include "generate/FontEngine.h"

#include <algorithm>
#include <cctype>

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
    : FLibrary(CreateFontLibrary()), FBudget(cacheRasters ? std::make_shared<TRasterBudget>(CacheLimit) : nullptr)
{
}

TFontEngine::~TFontEngine() = default;

std::vector<std::string> TFontEngine::Families()
{
    return InstalledFamilies();
}

std::shared_ptr<const TFontFace> TFontEngine::OpenFont(const TFontRequest& request)
{
    return Open(request, false);
}

std::shared_ptr<const TFontFace> TFontEngine::OpenNearestFont(const TFontRequest& request)
{
    return Open(request, true);
}

std::shared_ptr<const TFontFace> TFontEngine::Open(const TFontRequest& request, bool nearestFamily)
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
            throw EGlyphForgeError(StrFormat("The font \"%s\" is not installed.", request.Family.c_str()));
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

    const std::string key = spec.Key();
    for (auto face = FFaces.begin(); face != FFaces.end(); ++face) {
        if ((*face)->Spec().Key() == key) {
            FFaces.splice(FFaces.begin(), FFaces, face);
            return FFaces.front();
        }
    }
    FFaces.push_front(std::make_shared<const TFontFace>(FLibrary, spec, FBudget));
    if (FFaces.size() > KeptFaces)
        FFaces.pop_back();
    return FFaces.front();
}

size_t TFontEngine::CachedBytes() const
{
    return FBudget ? FBudget->Used() : 0;
}
