// Mediatek font file writer.
//
// Stores the format cannot hold are refused before a byte is written: too many glyphs, glyphs
// too wide for the one-byte width or padded row length, glyphs higher than the one-byte height
// or not as high as the font, a fixed-width font of width 0 (which every reader takes for a
// variable-width one, or refuses), and bit depths other than 1 and 2. A file is not written for
// a store without glyphs either, since no reader would open it. A compressed fixed-width font is laid out with its offset table
// at byte 12, where a CharWidth other than 0 tells every reader to look for it.

#include <algorithm>
#include <array>
#include <cstring>

#include "font/ByteWords.h"
#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"
#include "font/MtkFont.h"
#include "font/MtkLayout.h"
#include "font/Workers.h"

namespace {

constexpr int MaxGlyphs = 65535;
// Beyond this the data offset of a variable-width font no longer fits its 16-bit field.
constexpr int MaxCompressedGlyphs = 13104;
constexpr int MaxWidth = 255;
constexpr int MaxHeight = 255;
constexpr int MaxPaddedWidth = 252;
constexpr int MaxRunLength = 255;
// Fewer glyphs are not worth waking a worker for.
constexpr int GlyphsPerWorker = 1024;

uint64_t CompressedDataStart(uint64_t count, bool variableWidth)
{
    return MtkOffsetTableStart(count, variableWidth) + 4 * (count + 1);
}

// Zero bits that end each 2-colour row in OLD mode, up to a multiple of 4 bits.
int TwoColorRowFill(int charWidth, bool newMode)
{
    return newMode ? 0 : MtkPaddedWidth(charWidth) - charWidth;
}

// Run-length code of every length 1..255: the leading zero pairs make each form just the
// length in 2, 6, 10 or 14 bits.
struct TRunCode {
    uint16_t Bits = 0;
    uint8_t Count = 0;
};

constexpr std::array<TRunCode, MaxRunLength + 1> RunCodes = [] {
    std::array<TRunCode, MaxRunLength + 1> codes{};
    for (int length = 1; length <= MaxRunLength; ++length) {
        const uint8_t count = length < 4 ? 2 : length < 16 ? 6 : length < 64 ? 10 : 14;
        codes[static_cast<size_t>(length)] = {static_cast<uint16_t>(length), count};
    }
    return codes;
}();

// Packs bits most significant first into Out from index At on. Out is already long enough for
// every byte to come, so whole 32-bit groups go out at once.
class TBitWriter {
public:
    TBitWriter(std::vector<uint8_t>& out, size_t at) : FOut(out), FAt(at) {}

    // The end of the bytes written so far; pending bits not counted.
    size_t At() const { return FAt; }

    // Count = 0..32.
    void Put(uint32_t bits, int count)
    {
        FPending = (FPending << count) | bits;
        FCount += count;
        if (FCount >= 32) {
            FCount -= 32;
            PutBytes(static_cast<uint32_t>(FPending >> FCount), 4);
        }
    }

    void PutZeros(int count)
    {
        for (; count > 0; count -= 32)
            Put(0, std::min(count, 32));
    }

    // Completes the last byte with zero bits.
    void Flush()
    {
        PutBytes(static_cast<uint32_t>(FPending << (32 - FCount)), (FCount + 7) / 8);
        FPending = 0;
        FCount = 0;
    }

private:
    // The Count most significant bytes of Word.
    void PutBytes(uint32_t word, int count)
    {
        for (int k = 0; k < count; ++k)
            FOut[FAt++] = static_cast<uint8_t>(word >> (24 - 8 * k));
    }

    std::vector<uint8_t>& FOut;
    size_t FAt;
    uint64_t FPending = 0;
    int FCount = 0; // 0..31 between calls
};

// Writes the run codes of the glyphs; each glyph ends on a byte boundary. Only the low two bits
// of a run's colour are stored.
class TRunWriter {
public:
    TRunWriter(std::vector<uint8_t>& out, size_t at) : FBits(out, at) {}
    size_t At() const { return FBits.At(); }
    void Run(int length, uint8_t color)
    {
        const TRunCode code = RunCodes[static_cast<size_t>(length)];
        FBits.Put((uint32_t{code.Bits} << 2) | (color & 3u), code.Count + 2);
    }
    void EndGlyph() { FBits.Flush(); }

private:
    TBitWriter FBits;
};

// The first index from Begin on whose pixel byte is not Color, or End; eight pixels per step.
// Runs are formed on whole pixel bytes, so values of 4 and more (from an imported strip) never
// join a run of their low-bit twin.
size_t SameColorEnd(const uint8_t* pixels, size_t begin, size_t end, uint8_t color)
{
    const uint64_t same = BroadcastByte(color);
    size_t x = begin;
    for (; x + 8 <= end; x += 8) {
        const uint64_t differs = LoadWord(pixels + x) ^ same;
        if (differs != 0)
            return x + static_cast<size_t>(FirstNonZeroByte(differs));
    }
    while (x < end && pixels[x] == color)
        ++x;
    return x;
}

// A glyph's pixels in the order the file stores them: rows of RowLength pixels, its own
// SourceWidth columns and then the pad colour. Runs carry on across row ends, so the rows are
// one sequence; a glyph stored as it is needs no copy.
std::span<const uint8_t> StoredPixels(const TGlyphBitmap& glyph, int sourceWidth, int rowLength, uint8_t padColor,
                                      std::vector<uint8_t>& scratch)
{
    if (sourceWidth == glyph.Width() && rowLength == sourceWidth)
        return glyph.Bits();
    scratch.assign(static_cast<size_t>(rowLength) * glyph.Height(), padColor);
    for (int r = 0; r < glyph.Height() && sourceWidth > 0; ++r)
        std::memcpy(scratch.data() + static_cast<size_t>(r) * rowLength, glyph.Row(r), static_cast<size_t>(sourceWidth));
    return scratch;
}

// One compressed glyph as runs of at most 255 pixels of one colour.
void EncodeCompressedGlyph(const TMtkFont& font, int index, bool newMode, std::vector<uint8_t>& scratch,
                           TRunWriter& runs)
{
    const TGlyphBitmap& glyph = *font.GetGlyph(index);
    const int width = font.FVariableWidth ? glyph.Width() : font.GetGlyph(0)->Width();
    const int sourceWidth = std::min(glyph.Width(), width);
    const int rowLength = newMode ? width : MtkPaddedWidth(width);
    const std::span<const uint8_t> pixels =
        StoredPixels(glyph, sourceWidth, rowLength, font.GetPadColor(index), scratch);

    for (size_t i = 0; i < pixels.size();) {
        const uint8_t color = pixels[i];
        const size_t end = SameColorEnd(pixels.data(), i + 1, pixels.size(), color);
        size_t length = end - i;
        for (; length > MaxRunLength; length -= MaxRunLength)
            runs.Run(MaxRunLength, color);
        runs.Run(static_cast<int>(length), color);
        i = end;
    }
    runs.EndGlyph();
}

[[noreturn]] void Refuse(const std::string& message)
{
    throw EFontLimitError(message);
}

void CheckWritable(const TMtkFont& font, bool newMode)
{
    const int count = font.GlyphCount();
    if (font.FBitsPerPixel != 1 && font.FBitsPerPixel != 2)
        Refuse(StrFormat(CORE_TEXT("CoreMessage",
                                   "Cannot save a font of %d bits per pixel: only 1 (2 colours) and 2 (4 colours) are "
                                   "possible."),
                         font.FBitsPerPixel));
    if (count > MaxGlyphs)
        Refuse(StrFormat(CORE_TEXT("CoreMessage", "The font has %d glyphs; a Mediatek font holds at most %d."), count,
                         MaxGlyphs));
    const bool compressed = font.FBitsPerPixel == 2;
    if (compressed && count > MaxCompressedGlyphs)
        Refuse(
            StrFormat(CORE_TEXT("CoreMessage", "The font has %d glyphs; a compressed Mediatek font holds at most %d."),
                      count, MaxCompressedGlyphs));

    for (int k = 0; k < count; ++k) {
        const TGlyphBitmap& glyph = *font.GetGlyph(k);
        if (glyph.Height() > MaxHeight)
            Refuse(StrFormat(
                CORE_TEXT("CoreMessage", "Glyph %d is %d pixels high; a Mediatek font holds at most %d rows."), k,
                glyph.Height(), MaxHeight));
        if (glyph.Height() != font.FHeight)
            Refuse(StrFormat(CORE_TEXT("CoreMessage",
                                       "Glyph %d is %d pixels high; every glyph of this font must be %d pixels high."),
                             k, glyph.Height(), font.FHeight));
        // Only glyph 0 sets the width of a fixed-width font; the others are written at its width.
        if (k > 0 && !(compressed && font.FVariableWidth))
            continue;
        const int width = glyph.Width();
        if (width == 0 && !(compressed && font.FVariableWidth))
            Refuse(
                CORE_TEXT("CoreMessage",
                          "Glyph 0 is 0 pixels wide; the glyphs of a fixed-width font must be at least 1 pixel wide."));
        if (!compressed && width > MaxWidth)
            Refuse(StrFormat(
                CORE_TEXT("CoreMessage", "Glyph 0 is %d pixels wide; a 2-colour glyph can be at most %d pixels wide."),
                width, MaxWidth));
        if (compressed && width > MaxWidth)
            Refuse(StrFormat(CORE_TEXT("CoreMessage",
                                       "Glyph %d is %d pixels wide; a compressed glyph can be at most %d pixels wide."),
                             k, width, MaxWidth));
        if (compressed && !newMode && width > MaxPaddedWidth)
            Refuse(StrFormat(
                CORE_TEXT("CoreMessage",
                          "Glyph %d is %d pixels wide; in OLD compatibility mode a compressed glyph can be at "
                          "most %d pixels wide."),
                k, width, MaxPaddedWidth));
    }
}

uint64_t TwoColorPixelBytes(const TMtkFont& font, int charWidth, bool newMode)
{
    const uint64_t rowBits = uint64_t(charWidth) + TwoColorRowFill(charWidth, newMode);
    return (uint64_t(font.GlyphCount()) * font.FHeight * rowBits + 7) / 8;
}

// Glyphs First..End-1 of a 2-colour font, from the bit where glyph First starts, which must be
// a byte's first.
void WriteTwoColorGlyphs(const TMtkFont& font, int first, int end, int charWidth, int fill, TBitWriter bits)
{
    for (int k = first; k < end; ++k) {
        const TGlyphBitmap& glyph = *font.GetGlyph(k);
        // Columns beyond a narrower glyph's own width are background.
        const int sourceWidth = std::min(glyph.Width(), charWidth);
        for (int r = 0; r < font.FHeight; ++r) {
            const uint8_t* row = glyph.Row(r);
            int c = 0;
            for (; c + 8 <= sourceWidth; c += 8)
                bits.Put(NonZeroBits(row + c), 8);
            for (; c < sourceWidth; ++c)
                bits.Put(row[c] != 0, 1);
            bits.PutZeros(charWidth - sourceWidth + fill);
        }
    }
    bits.Flush();
}

void WriteTwoColor(const TMtkFont& font, std::vector<uint8_t>& stream, bool newMode, int workers)
{
    TFontHeader header;
    font.BuildHeader(false, header);
    const int charWidth = header.Bytes[9];
    const size_t pixelStart = stream.size() + MtkHeaderSize;
    stream.insert(stream.end(), header.Bytes.begin(), header.Bytes.begin() + MtkHeaderSize);
    stream.resize(pixelStart + TwoColorPixelBytes(font, charWidth, newMode));

    const int fill = TwoColorRowFill(charWidth, newMode);
    // Every glyph takes the same bits, so eight glyphs take whole bytes: each worker writes
    // a share of a multiple of eight glyphs, from the byte where its first glyph starts.
    const uint64_t glyphBits = uint64_t(font.FHeight) * static_cast<uint64_t>(charWidth + fill);
    RunOnShares(
        workers, font.GlyphCount(), GlyphsPerWorker,
        [&](int first, int end) {
            WriteTwoColorGlyphs(font, first, end, charWidth, fill,
                                TBitWriter(stream, pixelStart + static_cast<size_t>(glyphBits * uint64_t(first) / 8)));
        },
        8);
}

void PutLongWord(uint8_t* at, uint32_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
    at[2] = static_cast<uint8_t>(value >> 16);
    at[3] = static_cast<uint8_t>(value >> 24);
}

// Each run costs at most 4 bits per pixel, so this bounds a glyph's data from above.
uint64_t GlyphDataBound(const TMtkFont& font, int index, bool newMode)
{
    const int width = font.FVariableWidth ? font.GetGlyph(index)->Width() : font.GetGlyph(0)->Width();
    const uint64_t rowLength = newMode ? width : MtkPaddedWidth(width);
    return (rowLength * font.FHeight + 1) / 2;
}

uint64_t CompressedDataBound(const TMtkFont& font, bool newMode)
{
    uint64_t bound = 0;
    for (int k = 0; k < font.GlyphCount(); ++k)
        bound += GlyphDataBound(font, k, newMode);
    return bound;
}

void WriteCompressed(const TMtkFont& font, std::vector<uint8_t>& stream, bool newMode)
{
    const uint64_t count = static_cast<uint64_t>(font.GlyphCount());
    const uint64_t tableStart = MtkOffsetTableStart(count, font.FVariableWidth);
    const uint64_t dataStart = CompressedDataStart(count, font.FVariableWidth);
    TFontHeader header;
    font.BuildHeader(true, header);
    const size_t fileStart = stream.size();
    stream.insert(stream.end(), header.Bytes.begin(), header.Bytes.begin() + static_cast<ptrdiff_t>(tableStart));
    // The offset table is filled in below; each glyph gets room for its longest data.
    const size_t glyphDataStart = fileStart + dataStart;
    stream.reserve(glyphDataStart + CompressedDataBound(font, newMode));
    stream.resize(glyphDataStart, 0);

    std::vector<uint32_t> offsets(count + 1);
    std::vector<uint8_t> scratch;
    TRunWriter runs(stream, glyphDataStart);
    for (uint64_t k = 0; k < count; ++k) {
        offsets[k] = static_cast<uint32_t>(runs.At() - glyphDataStart);
        stream.resize(runs.At() + GlyphDataBound(font, static_cast<int>(k), newMode));
        EncodeCompressedGlyph(font, static_cast<int>(k), newMode, scratch, runs);
    }
    offsets[count] = static_cast<uint32_t>(runs.At() - glyphDataStart);
    stream.resize(runs.At());

    uint8_t* table = stream.data() + fileStart + tableStart;
    for (uint64_t k = 0; k <= count; ++k)
        PutLongWord(table + 4 * k, offsets[k]);
}

uint64_t RoundUpTo4(uint64_t size)
{
    return (size + 3) & ~uint64_t{3};
}

} // namespace

void TMtkFont::BuildHeader(bool compressed, TFontHeader& header) const
{
    auto& bytes = header.Bytes;
    const int count = GlyphCount();
    const TGlyphBitmap* first = GetGlyph(0);
    const auto firstWidth = static_cast<uint8_t>(first ? first->Width() : 0);
    const auto putWord = [&bytes](size_t at, uint64_t value) {
        bytes[at] = static_cast<uint8_t>(value);
        bytes[at + 1] = static_cast<uint8_t>(value >> 8);
    };

    bytes[0] = 'F';
    bytes[1] = 'O';
    bytes[2] = 'N';
    putWord(7, static_cast<uint64_t>(count));
    bytes[10] = FHeight;
    if (!compressed) {
        bytes[3] = 0;
        putWord(4, MtkHeaderSize - 1);
        bytes[6] = 1;
        bytes[9] = firstWidth;
        return;
    }
    bytes[3] = 1;
    putWord(4, CompressedDataStart(static_cast<uint64_t>(count), FVariableWidth) - 1);
    bytes[6] = 2;
    bytes[9] = FVariableWidth ? 0 : firstWidth;
    if (!FVariableWidth)
        return;
    const int tableEntries = std::min(count, static_cast<int>(bytes.size() - MtkHeaderSize));
    for (int k = 0; k < tableEntries; ++k)
        bytes[MtkHeaderSize + static_cast<size_t>(k)] = static_cast<uint8_t>(GetGlyph(k)->Width());
}

TEncodedFont TMtkFont::Encode(bool newMode, int workers) const
{
    TEncodedFont encoded;
    if (GlyphCount() == 0)
        return encoded;
    CheckWritable(*this, newMode);
    if (FBitsPerPixel == 1)
        WriteTwoColor(*this, encoded.Body, newMode, workers);
    else
        WriteCompressed(*this, encoded.Body, newMode);
    return encoded;
}

void TMtkFont::SaveToStream(std::vector<uint8_t>& stream, bool newMode, const std::string& programStamp,
                            std::span<const uint8_t> fontInfo) const
{
    Encode(newMode).AppendFile(stream, programStamp, fontInfo);
}

size_t TMtkFont::SavedSize(bool newMode, const std::string& programStamp, std::span<const uint8_t> fontInfo) const
{
    return Encode(newMode).FileSize(programStamp, fontInfo);
}

void TMtkFont::SaveToFile(const std::string& fileName, bool newMode, const std::string& programStamp,
                          std::span<const uint8_t> fontInfo) const
{
    Encode(newMode).SaveToFile(fileName, programStamp, fontInfo);
}

size_t TEncodedFont::FileSize(const std::string& programStamp, std::span<const uint8_t> fontInfo) const
{
    if (Body.empty())
        return 0;
    return RoundUpTo4(Body.size() + programStamp.size() + fontInfo.size());
}

void TEncodedFont::AppendFile(std::vector<uint8_t>& stream, const std::string& programStamp,
                              std::span<const uint8_t> fontInfo) const
{
    if (Body.empty())
        return;
    const size_t fileStart = stream.size();
    stream.reserve(fileStart + FileSize(programStamp, fontInfo));
    stream.insert(stream.end(), Body.begin(), Body.end());
    stream.insert(stream.end(), programStamp.begin(), programStamp.end());
    stream.insert(stream.end(), fontInfo.begin(), fontInfo.end());
    stream.resize(fileStart + FileSize(programStamp, fontInfo), 0);
}

void TEncodedFont::SaveToFile(const std::string& fileName, const std::string& programStamp,
                              std::span<const uint8_t> fontInfo) const
{
    if (Body.empty())
        Refuse(CORE_TEXT("CoreMessage", "The font has no glyphs; there is nothing to save."));
    std::vector<uint8_t> file;
    AppendFile(file, programStamp, fontInfo);
    WriteFileAtomically(fileName, file);
}
