#pragma once
// A kind of file as the dialogs, drops and lists of kinds name it. The font forms are in
// font/FileFormats.h; this part needs no picture code, so the command line can name kinds
// without loading Qt's imaging.

#include <string>
#include <vector>

struct TFileKind {
    std::vector<std::string> Extensions; // lower case with the dot, the default first; none: a folder
    std::string Description;              // as a list of kinds names it: "a Mediatek font"
    std::string OpenFilter;               // "Desc|pat;pat|..." pairs
    std::string SaveFilter;

    // By extension, ignoring case; a folder kind takes a path ending in '/'.
    bool Matches(const std::string& path) const;
    // Without the dot; empty for a folder.
    std::string DefaultExtension() const;
    // "a Mediatek font (.mtf, .bin)"
    std::string DescriptionWithExtensions() const;
};

// Conversion tables, read by the document.
const TFileKind& TableFileKind();

// The parts with Separator between them; with LastSeparator before the last one when given.
std::string JoinTexts(const std::vector<std::string>& parts, const std::string& separator,
                      const std::string& lastSeparator = {});
