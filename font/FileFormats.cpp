#include "font/FileFormats.h"

#include <QDir>

#include "font/BdfReader.h"
#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/MtkFont.h"

namespace {

const char* const Chars = TMtkFont::FonToolPixelChars;

bool ReadMediatek(TMtkFont& store, const std::string& path, const TFontReadSettings&)
{
    return store.LoadFromFile(path);
}

void WriteMediatek(const TMtkFont& store, const std::string& path, const TFontWriteSettings& settings)
{
    store.SaveToFile(path, settings.NewMode, settings.ProgramStamp, settings.FontInfo);
}

bool ReadStripBmp(TMtkFont& store, const std::string& path, const TFontReadSettings&)
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
        throw EFCreateError(StrFormat(CORE_TEXT("CoreMessage", "Cannot create file \"%s\". %s"), path.c_str(),
                                      CORE_TEXT("CoreMessage", "The folder cannot be made.")));
    store.SaveGlyphBmps(path.back() == '/' ? path : path + '/');
}

bool ReadFonToolText(TMtkFont& store, const std::string& path, const TFontReadSettings&)
{
    store.ImportFonToolText(LoadTextLines(path), Chars[0], Chars[1], Chars[2], Chars[3]);
    return true;
}

void WriteFonToolText(const TMtkFont& store, const std::string& path, const TFontWriteSettings&)
{
    SaveTextLines(path, store.ExportFonToolText(Chars[0], Chars[1], Chars[2], Chars[3], -1));
}

// A refused BDF throws: its message says what is wrong.
bool ReadBdfFont(TMtkFont& store, const std::string& path, const TFontReadSettings& settings)
{
    LoadBdf(store, ReadBdfFile(path), settings.TwoColorFixed ? TBdfTarget::TwoColorFixed : TBdfTarget::FourColor);
    return true;
}

void WriteBdfFont(const TMtkFont& store, const std::string& path, const TFontWriteSettings& settings)
{
    SaveBdfFile(store, settings.Bdf, settings.BdfDepth, path);
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
        Entry(
            TFontFormatId::Mediatek,
            {{".mtf", ".bin"},
             CORE_TEXT("CoreName", "a Mediatek font"),
             CORE_TEXT(
                 "CoreName",
                 "Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Font File (.mtf)|*.mtf|Binary File (*.bin)|*.bin|All "
                 "Files (*.*)|*.*"),
             CORE_TEXT(
                 "CoreName",
                 "Mediatek Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Mediatek Font File (*.mtf)|*.mtf|Binary File "
                 "(*.bin)|*.bin|All Files (*.*)|*.*")},
            ReadMediatek, WriteMediatek, ""),
        // Only 8-bit pictures hold glyphs, and those always hold one at least.
        Entry(TFontFormatId::StripBmp,
              {{".bmp"},
               CORE_TEXT("CoreName", "a glyph strip BMP"),
               CORE_TEXT("CoreName", "Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*"),
               CORE_TEXT("CoreName", "Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*")},
              ReadStripBmp, WriteStripBmp, CORE_TEXT("CoreMessage", "is not an 8-bit palette picture")),
        Entry(TFontFormatId::GlyphBmps, {{}, CORE_TEXT("CoreName", "a folder of glyph BMPs"), "", ""}, nullptr,
              WriteGlyphBmps, ""),
        Entry(TFontFormatId::FonToolText,
              {{".txt"},
               CORE_TEXT("CoreName", "a FonTool text"),
               CORE_TEXT("CoreName", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"),
               CORE_TEXT("CoreName", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*")},
              ReadFonToolText, WriteFonToolText,
              CORE_TEXT("CoreMessage", "holds no FonTool font (no glyph starting with \"#G\")")),
        Entry(TFontFormatId::Bdf,
              {{".bdf"},
               CORE_TEXT("CoreName", "a BDF font"),
               CORE_TEXT("CoreName", "BDF Font (*.bdf)|*.bdf|All Files (*.*)|*.*"),
               CORE_TEXT("CoreName", "BDF Font (*.bdf)|*.bdf|All Files (*.*)|*.*")},
              ReadBdfFont, WriteBdfFont, ""),
    };
    return table;
}

[[noreturn]] void RefuseKind(const std::string& path, const std::string& what)
{
    throw EGlyphForgeError(StrFormat(CORE_TEXT("CoreMessage", "\"%s\": %s"), path.c_str(), what.c_str()));
}

[[noreturn]] void RefuseUnknownKind(const std::string& path)
{
    std::vector<std::string> extensions;
    for (const TFontFormat& format : Table())
        extensions.insert(extensions.end(), format.Extensions.begin(), format.Extensions.end());
    RefuseKind(path, StrFormat(CORE_TEXT("CoreMessage", "use %s, or a folder ending in \"/\" for glyph BMPs"),
                               JoinTexts(extensions, ", ").c_str()));
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
    throw EGlyphForgeError(CORE_TEXT("CoreMessage", "Unknown font format."));
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
        RefuseKind(path,
                   StrFormat(CORE_TEXT("CoreMessage", "%s can be written but not read"), format->Description.c_str()));
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
