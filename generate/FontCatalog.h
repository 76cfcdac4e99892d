#pragma once
// The installed font families and the file behind a family and style (fontconfig).

#include <optional>
#include <string>
#include <vector>

// A face inside a font file.
struct TFontLocation {
    std::string File;
    int FaceIndex = 0;
};

// Every family name of every installed font, sorted and without duplicates.
std::vector<std::string> InstalledFamilies();

// Whether some installed font carries exactly this family name (ignoring case).
bool IsFamilyInstalled(const std::string& family);

// The installed face of Family closest to the style, or none when the family is not installed.
// It may lack the style: the face itself tells (fontconfig reports asked-for styles as present).
std::optional<TFontLocation> FindInstalledFace(const std::string& family, bool bold, bool italic);

// The face fontconfig draws Family with, installed or not: its best match, as the desktop's
// font mapper substitutes one; none only when no font is installed at all.
std::optional<TFontLocation> FindNearestFace(const std::string& family, bool bold, bool italic);

// The family fontconfig substitutes for a generic name such as "sans-serif"; empty when none.
std::string MatchedFamily(const std::string& pattern);
