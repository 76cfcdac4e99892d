#include "generate/FontCatalog.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>
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

// What fontconfig matched for a family and style. The configuration is loaded once, so the
// answer stays the same for the process, and a window asks on every generation.
struct TMatchResult {
    std::vector<std::string> Families;
    std::optional<TFontLocation> Location;
};

TMatchResult MatchResult(const std::string& family, bool bold, bool italic)
{
    static std::mutex lock;
    static std::map<std::tuple<std::string, bool, bool>, TMatchResult> known;
    const std::lock_guard guard(lock);
    const auto [entry, added] = known.try_emplace({family, bold, italic});
    if (added) {
        if (const TPattern match = Match(family, bold, italic)) {
            entry->second.Families = FamiliesOf(match.get());
            entry->second.Location = LocationOf(match.get());
        }
    }
    return entry->second;
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
    const TMatchResult match = MatchResult(family, bold, italic);
    // fontconfig always offers something; only a face of the asked family counts.
    if (std::none_of(match.Families.begin(), match.Families.end(),
                     [&](const std::string& name) { return SameName(name, family); }))
        return std::nullopt;
    return match.Location;
}

std::optional<TFontLocation> FindNearestFace(const std::string& family, bool bold, bool italic)
{
    return MatchResult(family, bold, italic).Location;
}

std::string MatchedFamily(const std::string& pattern)
{
    const TMatchResult match = MatchResult(pattern, false, false);
    return match.Families.empty() ? std::string() : match.Families.front();
}
