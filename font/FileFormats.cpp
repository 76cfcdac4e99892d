#include "font/FileFormats.h"

#include <QDir>

#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/MtkFont.h"

namespace {

const char* const Chars = TMtkFont::FonToolPixelChars;

bool ReadMediatek(TMtkFont& store, const std::string& path)
{
    return store.LoadFromFile(path);
}

void WriteMediatek(const TMtkFont& store, const std::string& path, const TFontWriteSettings& settings)
{
    store.SaveToFile(path, settings.NewMode, settings.ProgramStamp, settings.FontInfo);
}

bool ReadStripBmp(TMtkFont& store, const std::string& path)
{
    store.LoadFromBmpFile(path);
    return true;
}

void WriteStripBmp(const TMtkFont& store, const std::string& path, const TFontWriteSettings&)
{
    store.SaveToBmpFile(path);
}

void WriteGlyphBmps(const TMtkFont& store, const std::string& path, const TFontWriteSettings&)
{
    if (!QDir().mkpath(QString::fromStdString(path)))
        throw EFCreateError(StrFormat("Cannot create file \"%s\". %s", path.c_str(), "The folder cannot be made."));
    store.SaveGlyphBmps(path.back() == '/' ? path : path + '/');
}

bool ReadFonToolText(TMtkFont& store, const std::string& path)
{
    store.ImportFonToolText(LoadTextLines(path), Chars[0], Chars[1], Chars[2], Chars[3]);
    return true;
}

void WriteFonToolText(const TMtkFont& store, const std::string& path, const TFontWriteSettings&)
{
    SaveTextLines(path, store.ExportFonToolText(Chars[0], Chars[1], Chars[2], Chars[3], -1));
}

TFontFormat Entry(TFontFormatId id, TFileKind kind, decltype(TFontFormat::Read) read,
                  decltype(TFontFormat::Write) write, std::string emptyReadReason)
{
    TFontFormat format;
    static_cast<TFileKind&>(format) = std::move(kind);
    format.Id = id;
    format.Read = read;
    format.Write = write;
    format.EmptyReadReason = std::move(emptyReadReason);
    return format;
}

const std::vector<TFontFormat>& Table()
{
    static const std::vector<TFontFormat> table{
        Entry(TFontFormatId::Mediatek,
              {{".mtf", ".bin"},
               "a Mediatek font",
               "Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Font File (.mtf)|*.mtf|Binary File (*.bin)|*.bin|All "
               "Files (*.*)|*.*",
               "Mediatek Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Mediatek Font File (*.mtf)|*.mtf|Binary File "
               "(*.bin)|*.bin|All Files (*.*)|*.*"},
              ReadMediatek, WriteMediatek, ""),
        // Only 8-bit pictures hold glyphs, and those always hold one at least.
        Entry(TFontFormatId::StripBmp,
              {{".bmp"},
               "a glyph strip BMP",
               "Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*",
               "Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*"},
              ReadStripBmp, WriteStripBmp, "is not an 8-bit palette picture"),
        Entry(TFontFormatId::GlyphBmps, {{}, "a folder of glyph BMPs", "", ""}, nullptr, WriteGlyphBmps, ""),
        Entry(TFontFormatId::FonToolText,
              {{".txt"},
               "a FonTool text",
               "Text Files (*.txt)|*.txt|All Files (*.*)|*.*",
               "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"},
              ReadFonToolText, WriteFonToolText, "holds no FonTool font (no glyph starting with \"#G\")"),
    };
    return table;
}

[[noreturn]] void RefuseKind(const std::string& path, const std::string& what)
{
    throw EGlyphForgeError(StrFormat("\"%s\": %s", path.c_str(), what.c_str()));
}

[[noreturn]] void RefuseUnknownKind(const std::string& path)
{
    std::vector<std::string> extensions;
    for (const TFontFormat& format : Table())
        extensions.insert(extensions.end(), format.Extensions.begin(), format.Extensions.end());
    RefuseKind(path, "use " + JoinTexts(extensions, ", ") + ", or a folder ending in \"/\" for glyph BMPs");
}

} // namespace

std::span<const TFontFormat> FontFormats()
{
    return Table();
}

const TFontFormat& FontFormat(TFontFormatId id)
{
    for (const TFontFormat& format : Table())
        if (format.Id == id)
            return format;
    throw EGlyphForgeError("Unknown font format.");
}

const TFontFormat* FontFormatOf(const std::string& path)
{
    for (const TFontFormat& format : Table())
        if (format.Matches(path))
            return &format;
    return nullptr;
}

const TFontFormat& FontFormatForReading(const std::string& path)
{
    const TFontFormat* format = FontFormatOf(path);
    if (format && !format->Read)
        RefuseKind(path, format->Description + " can be written but not read");
    if (!format)
        RefuseUnknownKind(path);
    return *format;
}

const TFontFormat& FontFormatForWriting(const std::string& path)
{
    const TFontFormat* format = FontFormatOf(path);
    if (!format)
        RefuseUnknownKind(path);
    return *format;
}
