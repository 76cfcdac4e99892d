#pragma once
// Every font form the system reads or writes, chosen by the file name.

#include <string>

class TMtkFont;

enum class TFontFileKind {
    Mediatek,    // .mtf, .bin
    StripBmp,    // .bmp
    FonToolText, // .txt
    GlyphFolder, // a path ending in '/': one BMP per glyph, written only
    Unknown,
};

// By extension, case-insensitive.
TFontFileKind FontFileKindOf(const std::string& path);

// Replaces the store's content. Returns false when the Mediatek reader refused the file
// (its message went to the store's sink). Throws for an unreadable file or an unknown kind.
bool LoadFontFile(TMtkFont& font, const std::string& path);

// NewMode and ProgramStamp apply to Mediatek files only. A missing glyph folder is created.
void SaveFontFile(const TMtkFont& font, const std::string& path, bool newMode, const std::string& programStamp);
