#pragma once
// Human-readable dump of a font-information block, for the command line.

#include <cstdio>
#include <string>

#include "generate/FontInfo.h"

// "Bold Italic", or "none".
std::string StyleNames(TFontStyles styles);

// A face name with control bytes shown as '?', in double quotes.
std::string QuotedName(const std::string& name);

// "Render: mono" and "Ink: 128" under the given names.
void PrintRendering(const char* modeName, const char* inkName, const TRendering& rendering, std::FILE* out = stdout);

// "Shift", "ShapeArabic", "Shift2" and "Align2", one a line.
void PrintLayout(int shift, bool shapeArabic, int shift2, TSecondaryBaseline align2, std::FILE* out = stdout);

// Version, every option by name, both faces; one "Name: value" per line.
void PrintFontInfo(const TFontInfoBlock& info, std::FILE* out = stdout);
