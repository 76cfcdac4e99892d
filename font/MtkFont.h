#pragma once
// The glyph store: one Mediatek font in memory. Glyph index = character code.
// The file formats live in their own sources: MtkFontReader.cpp, MtkFontWriter.cpp,
// MtkFontBmp.cpp and MtkFontText.cpp.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "font/BitmapList.h"
#include "font/GlyphBitmap.h"
#include "font/MessageSink.h"

class QImage;

// The 11 header bytes followed by room for 65536 width bytes.
struct TFontHeader {
    std::array<uint8_t, 11 + 65536> Bytes{};
};

// A store encoded as a Mediatek font file up to its trailer, so that the size gauge and the
// save share one encoding.
struct TEncodedFont {
    std::vector<uint8_t> Body; // header, tables and glyph data; empty for a store without glyphs

    // The whole file: the body, the program stamp, the block and zero bytes up to a multiple of 4;
    // nothing at all for an empty body.
    size_t FileSize(const std::string& programStamp, std::span<const uint8_t> fontInfo) const;
    void AppendFile(std::vector<uint8_t>& stream, const std::string& programStamp,
                    std::span<const uint8_t> fontInfo) const;
    void SaveToFile(const std::string& fileName, const std::string& programStamp,
                    std::span<const uint8_t> fontInfo) const;
};

// Codes of ShowError.
enum TMtkFontError : int {
    mfeNotMediatek = 1,
    mfeUnknownCompression = 2,
    mfeUnknownFontType = 3,
};

class TMtkFont {
public:
    static constexpr int GlyphListGrowBy = 32;
    // Pixel characters of the FonTool text, by colour index 0..3.
    static constexpr char FonToolPixelChars[4] = {' ', '.', '-', '*'};

    // Font-wide values mirroring the file header; the generator sets them directly.
    uint8_t FCompression = 0;   // 0 uncompressed, 1 compressed (header byte 3)
    uint8_t FHeight = 0;        // glyph height (header byte 10)
    uint8_t FBitsPerPixel = 0;  // 1 two colours, 2 four colours, 0 not set (header byte 6)
    bool FVariableWidth = false;

    TMtkFont();
    ~TMtkFont();
    TMtkFont(const TMtkFont&) = delete;
    TMtkFont& operator=(const TMtkFont&) = delete;

    // Empties the glyph list (or creates one) and zeroes the font-wide values.
    void Clear();
    // Clears the store, handing its glyphs over in order: memory to draw the next ones in.
    std::vector<std::unique_ptr<TGlyphBitmap>> TakeGlyphs();
    // Copies Bitmap; returns the new index.
    int AddGlyph(const TGlyphBitmap& bitmap, uint8_t padColor);
    // Takes Bitmap over; returns the new index.
    int AddGlyph(std::unique_ptr<TGlyphBitmap> bitmap, uint8_t padColor);

    bool HasGlyphList() const { return FGlyphs != nullptr; }
    const TBitmapList* GlyphList() const { return FGlyphs.get(); }
    int GlyphCount() const;
    // None (nullptr) when there is no list or Index is out of range. The store keeps ownership.
    const TGlyphBitmap* GetGlyph(int index) const;
    uint8_t GetPadColor(int index) const;
    // For changing a glyph in place (the glyph editor); none as for GetGlyph.
    TGlyphBitmap* EditGlyph(int index);
    void SetPadColor(int index, uint8_t padColor);
    TPaletteKind GlyphPaletteKind() const;

    // The reader's messages go here; without a sink they are dropped.
    void SetMessageSink(TMessageSink sink) { FMessageSink = std::move(sink); }
    static std::string ErrorMessage(int code, const std::string& detail);
    void ShowError(int code, const std::string& detail) const;
    // A reader's message that is not one of ShowError's codes, e.g. the warnings of a BDF import.
    void Report(const std::string& message) const;

    // --- Mediatek font file reader (MtkFontReader.cpp) ---
    // Throws EFOpenError when the file cannot be read; the store is then unchanged.
    // Returns false when the reader refused the file (its message went to the sink).
    // Glyph data that ends early is still read, missing pixels as 0, with a warning to the sink.
    bool LoadFromFile(const std::string& fileName);
    bool LoadFromStream(std::span<const uint8_t> data);
    // Glyphs of the last file read whose data ended early; 0 after anything else fills the store.
    int CutShortGlyphs() const { return FCutShortGlyphs; }

    // --- Mediatek font file writer (MtkFontWriter.cpp) ---
    void BuildHeader(bool compressed, TFontHeader& header) const;
    // Throws EFontLimitError for a store the format cannot hold.
    // Workers: how many may encode parts of it at once.
    TEncodedFont Encode(bool newMode, int workers = 1) const;
    // Appends the whole file to Stream. Throws EFontLimitError, before writing anything,
    // for a store the format cannot hold.
    void SaveToStream(std::vector<uint8_t>& stream, bool newMode, const std::string& programStamp,
                      std::span<const uint8_t> fontInfo) const;
    // Exact length SaveToStream would write; refuses the same stores.
    size_t SavedSize(bool newMode, const std::string& programStamp, std::span<const uint8_t> fontInfo) const;
    void SaveToFile(const std::string& fileName, bool newMode, const std::string& programStamp,
                    std::span<const uint8_t> fontInfo) const;

    // --- Strip and per-glyph BMP (MtkFontBmp.cpp) ---
    void SaveToBmpFile(const std::string& fileName) const;
    void LoadFromBmpFile(const std::string& fileName);
    void LoadFromBmp(const QImage& bitmap);
    // Folder must end with the path separator.
    void SaveGlyphBmps(const std::string& folder) const;

    // --- FonTool text (MtkFontText.cpp) ---
    // Size < 0: computed as the OLD-mode file length without stamp or block.
    std::vector<std::string> ExportFonToolText(char c0, char c1, char c2, char c3, int64_t size) const;
    void ImportFonToolText(const std::vector<std::string>& lines, char c0, char c1, char c2, char c3);

private:
    // The reader replaces the list in one step, sized to the file's glyph count.
    void DiscardGlyphList() { FGlyphs.reset(); }
    void NewGlyphList(int growBy);
    void WarnOfCutShortGlyphs() const;

    std::unique_ptr<TBitmapList> FGlyphs;
    TMessageSink FMessageSink;
    int FCutShortGlyphs = 0;
};
