#include "font/FontFiles.h"

#include <algorithm>
#include <cctype>

#include <QDir>

#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/MtkFont.h"

namespace {

std::string LowerExtension(const std::string& path)
{
    const size_t dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.')
        return std::string();
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

[[noreturn]] void RefuseKind(const std::string& path, const char* what)
{
    throw EGlyphForgeError(StrFormat("\"%s\": %s", path.c_str(), what));
}

constexpr const char* KnownKinds = "use .mtf, .bin, .bmp, .txt, or a folder ending in \"/\" for glyph BMPs";

} // namespace

TFontFileKind FontFileKindOf(const std::string& path)
{
    if (!path.empty() && path.back() == '/')
        return TFontFileKind::GlyphFolder;
    const std::string extension = LowerExtension(path);
    if (extension == ".mtf" || extension == ".bin")
        return TFontFileKind::Mediatek;
    if (extension == ".bmp")
        return TFontFileKind::StripBmp;
    if (extension == ".txt")
        return TFontFileKind::FonToolText;
    return TFontFileKind::Unknown;
}

bool LoadFontFile(TMtkFont& font, const std::string& path)
{
    switch (FontFileKindOf(path)) {
    case TFontFileKind::Mediatek:
        return font.LoadFromFile(path);
    case TFontFileKind::StripBmp:
        font.LoadFromBmpFile(path);
        return true;
    case TFontFileKind::FonToolText:
        font.ImportFonToolText(LoadTextLines(path), TMtkFont::FonToolPixelChars[0], TMtkFont::FonToolPixelChars[1],
                               TMtkFont::FonToolPixelChars[2], TMtkFont::FonToolPixelChars[3]);
        return true;
    case TFontFileKind::GlyphFolder:
        RefuseKind(path, "a folder of glyph BMPs can be written but not read");
    case TFontFileKind::Unknown:
        break;
    }
    RefuseKind(path, KnownKinds);
}

void SaveFontFile(const TMtkFont& font, const std::string& path, bool newMode, const std::string& programStamp)
{
    switch (FontFileKindOf(path)) {
    case TFontFileKind::Mediatek:
        font.SaveToFile(path, newMode, programStamp, {});
        return;
    case TFontFileKind::StripBmp:
        font.SaveToBmpFile(path);
        return;
    case TFontFileKind::FonToolText:
        SaveTextLines(path, font.ExportFonToolText(TMtkFont::FonToolPixelChars[0], TMtkFont::FonToolPixelChars[1],
                                                   TMtkFont::FonToolPixelChars[2], TMtkFont::FonToolPixelChars[3], -1));
        return;
    case TFontFileKind::GlyphFolder:
        if (!QDir().mkpath(QString::fromStdString(path)))
            throw EFCreateError(StrFormat("Cannot create file \"%s\". %s", path.c_str(), "The folder cannot be made."));
        font.SaveGlyphBmps(path);
        return;
    case TFontFileKind::Unknown:
        break;
    }
    RefuseKind(path, KnownKinds);
}
