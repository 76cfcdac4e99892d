#include "generate/FontCatalog.h"

#include <algorithm>
#include <memory>
#include <strings.h>

#include <fontconfig/fontconfig.h>

#include "font/CoreText.h"
#include "font/Errors.h"

namespace {

// fontconfig's current configuration, loaded once; it lives for the process.
FcConfig* Config()
{
    static FcConfig* config = [] {
        if (!FcInit())
            throw EGlyphForgeError(CORE_TEXT("CoreMessage", "The font configuration could not be loaded."));
        return FcConfigGetCurrent();
    }();
    return config;
}

struct TPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternDeleter>;

struct TFontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

std::vector<std::string> FamiliesOf(const FcPattern* pattern)
{
    std::vector<std::string> names;
    FcChar8* name = nullptr;
    for (int k = 0; FcPatternGetString(pattern, FC_FAMILY, k, &name) == FcResultMatch; ++k)
        names.emplace_back(reinterpret_cast<const char*>(name));
    return names;
}

bool SameName(const std::string& a, const std::string& b)
{
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

std::optional<TFontLocation> LocationOf(const FcPattern* match)
{
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch)
        return std::nullopt;
    TFontLocation location;
    location.File = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match, FC_INDEX, 0, &location.FaceIndex);
    return location;
}

TPattern Match(const std::string& family, bool bold, bool italic)
{
    TPattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    return TPattern(FcFontMatch(Config(), pattern.get(), &result));
}

} // namespace

std::vector<std::string> InstalledFamilies()
{
    TPattern all(FcPatternCreate());
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    std::unique_ptr<FcFontSet, TFontSetDeleter> fonts(FcFontList(Config(), all.get(), objects));
    FcObjectSetDestroy(objects);
    std::vector<std::string> families;
    for (int i = 0; fonts && i < fonts->nfont; ++i)
        for (std::string& name : FamiliesOf(fonts->fonts[i]))
            families.push_back(std::move(name));
    std::sort(families.begin(), families.end());
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

bool IsFamilyInstalled(const std::string& family)
{
    const std::vector<std::string> families = InstalledFamilies();
    return std::any_of(families.begin(), families.end(), [&](const std::string& name) { return SameName(name, family); });
}

std::optional<TFontLocation> FindInstalledFace(const std::string& family, bool bold, bool italic)
{
    const TPattern match = Match(family, bold, italic);
    if (!match)
        return std::nullopt;
    // fontconfig always offers something; only a face of the asked family counts.
    const std::vector<std::string> names = FamiliesOf(match.get());
    if (std::none_of(names.begin(), names.end(), [&](const std::string& name) { return SameName(name, family); }))
        return std::nullopt;
    return LocationOf(match.get());
}

std::optional<TFontLocation> FindNearestFace(const std::string& family, bool bold, bool italic)
{
    const TPattern match = Match(family, bold, italic);
    if (!match)
        return std::nullopt;
    return LocationOf(match.get());
}

std::string MatchedFamily(const std::string& pattern)
{
    const TPattern match = Match(pattern, false, false);
    FcChar8* name = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &name) != FcResultMatch)
        return {};
    return reinterpret_cast<const char*>(name);
}
