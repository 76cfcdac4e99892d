#pragma once
// The table of font forms: each with its extensions, dialog filters, reader, writer and whether
// a read without glyphs is refused. The window's commands, its drops and the command line all
// choose a form here, so a new form is one entry. Its readers use Qt's imaging: the command line
// reaches this table only through its picture module.

#include <cstdint>
#include <span>
#include <string>

#include "font/FileKind.h"

class TMtkFont;

enum class TFontFormatId { Mediatek, StripBmp, GlyphBmps, FonToolText };

struct TFontWriteSettings {
    bool NewMode = false; // Mediatek only, as the rest below
    std::string ProgramStamp;
    std::span<const uint8_t> FontInfo;
};

struct TFontFormat : TFileKind {
    TFontFormatId Id;
    // Replaces the store's content. False when the reader refused the file; its message went to
    // the store's sink. None: the form is written only.
    bool (*Read)(TMtkFont& store, const std::string& path) = nullptr;
    void (*Write)(const TMtkFont& store, const std::string& path, const TFontWriteSettings& settings) = nullptr;
    // Why a read that yields no glyph is refused ("is not an 8-bit palette picture"); empty: taken.
    std::string EmptyReadReason;
};

// Every font form, in the order the lists of kinds name them.
std::span<const TFontFormat> FontFormats();
const TFontFormat& FontFormat(TFontFormatId id);
// The form a path names, or none.
const TFontFormat* FontFormatOf(const std::string& path);
// As FontFormatOf, but a form that cannot be read, or an unknown one, throws with what to use.
const TFontFormat& FontFormatForReading(const std::string& path);
const TFontFormat& FontFormatForWriting(const std::string& path);
