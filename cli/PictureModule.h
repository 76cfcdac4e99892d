#pragma once
// The commands' work that needs Qt's imaging: the font forms (strip and glyph BMPs among them)
// and the preview sheet.
// Loading Qt's imaging would add milliseconds to every start of the tool, so that work lives
// in a module of its own, loaded the first time a command needs it.

#include <string>

class TMtkFont;
struct TFontFormat;

struct TPictureModule {
    // FontFormatForReading and FontFormatForWriting of font/FileFormats.h: every font form, by file name.
    const TFontFormat& (*FontFormatForReading)(const std::string& path);
    const TFontFormat& (*FontFormatForWriting)(const std::string& path);
    // The window's preview of the font, laid out Width pixels wide, each pixel enlarged to
    // Scale x Scale, as a PNG picture.
    void (*SavePreviewSheet)(const TMtkFont& font, int width, int scale, const std::string& fileName);
};

// The module beside the tool, else in its installed folder, loaded once. Throws EFOpenError
// when it cannot be loaded.
const TPictureModule& PictureModule();

// What the module exports; the loader looks it up by this name.
extern "C" const TPictureModule* GlyphForgePictureModule();
