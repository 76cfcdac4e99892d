// BDF reader: the text into a TBdfFont.
//
// Damaged and hostile input: nothing is trusted. Numbers out of range, glyphs without a usable
// code, box or width are skipped; missing or short bitmap rows read as 0; a file cut short keeps
// what it holds. Each kind of problem becomes one warning with a count and the first glyph.
// Sizes are checked before anything is allocated: a glyph is at most 255 x 255 pixels, and the
// glyphs may not ask for far more pixels than the file's bytes can describe.

#include "font/BdfReader.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>

#include "font/BdfWarnings.h"
#include "font/CoreText.h"
#include "font/FileIo.h"
#include "font/Format.h"

namespace {

constexpr int MaxCode = 65534;
constexpr int MaxSize = 255;        // a glyph's width and the font's height in the store
constexpr int64_t MaxOffset = 1 << 20; // box offsets and the cell; anything beyond is garbage
// The glyphs may ask for this many pixels, and PixelsPerByte more for each byte of the file:
// every sound font passes, and a few hostile bytes cannot ask for gigabytes.
constexpr uint64_t PixelAllowance = uint64_t{1} << 24;
constexpr uint64_t PixelsPerByte = 64;

using TTokens = std::vector<std::string_view>;

TTokens Tokenize(std::string_view line)
{
    TTokens tokens;
    size_t position = 0;
    while (position < line.size()) {
        while (position < line.size() && static_cast<unsigned char>(line[position]) <= ' ')
            ++position;
        const size_t start = position;
        while (position < line.size() && static_cast<unsigned char>(line[position]) > ' ')
            ++position;
        if (position > start)
            tokens.push_back(line.substr(start, position - start));
    }
    return tokens;
}

std::optional<int> Number(const TTokens& tokens, size_t index, int64_t min = -MaxOffset, int64_t max = MaxOffset)
{
    if (index >= tokens.size())
        return std::nullopt;
    std::string_view text = tokens[index];
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int64_t value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || stop != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return static_cast<int>(value);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Lines of the text, CR LF or LF ended.
class TLineCursor {
public:
    explicit TLineCursor(std::span<const uint8_t> data)
        : FText(reinterpret_cast<const char*>(data.data()), data.size())
    {
    }

    bool Next(std::string_view& line)
    {
        if (FPosition >= FText.size())
            return false;
        size_t end = FText.find('\n', FPosition);
        if (end == std::string_view::npos)
            end = FText.size();
        line = FText.substr(FPosition, end - FPosition);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        FPosition = end + 1;
        return true;
    }

private:
    std::string_view FText;
    size_t FPosition = 0;
};

struct TBox {
    int Width = 0;
    int Height = 0;
    int X = 0;
    int Y = 0;
};

std::optional<TBox> ParseBox(const TTokens& tokens)
{
    const auto width = Number(tokens, 1, 0, MaxOffset);
    const auto height = Number(tokens, 2, 0, MaxOffset);
    const auto x = Number(tokens, 3);
    const auto y = Number(tokens, 4);
    if (!width || !height || !x || !y)
        return std::nullopt;
    return TBox{*width, *height, *x, *y};
}

// One glyph as its record gives it, before it is checked and trimmed.
struct TGlyphRecord {
    std::string Name;
    bool EncodingGiven = false;
    std::optional<int> Encoding; // none when not given or outside 0..65534
    std::optional<int> Advance;
    bool AdvanceGiven = false;
    std::optional<TBox> Box;
    bool BoxGiven = false;
    std::vector<std::string_view> Rows;
    bool Ended = false;
};

class TBdfParser {
public:
    explicit TBdfParser(std::span<const uint8_t> data) : FLines(data), FFileSize(data.size()) {}

    TBdfFont Parse()
    {
        ReadHeader();
        int records = 0;
        bool ended = false;
        std::optional<TGlyphRecord> record = NextRecord(ended);
        while (record) {
            ++records;
            std::optional<TGlyphRecord> following;
            ReadRecord(*record, following, ended);
            AddGlyph(*record);
            if (following)
                record = std::move(following);
            else
                record = ended ? std::nullopt : NextRecord(ended);
        }
        if (!ended)
            FWarnings.AddFileProblem(CORE_TEXT("CoreMessage", "The file ends without ENDFONT: it may be cut short."));
        if (FDeclaredChars != records)
            FWarnings.AddFileProblem(
                StrFormat(CORE_TEXT("CoreMessage", "CHARS does not count the %d glyphs that follow."), records));
        return Finish();
    }

private:
    void ReadHeader()
    {
        std::string_view line;
        bool started = false;
        TLineCursor before = FLines;
        for (; FLines.Next(line); before = FLines) {
            const TTokens tokens = Tokenize(line);
            if (tokens.empty())
                continue;
            if (!started) {
                if (tokens[0] != "STARTFONT")
                    break;
                started = true;
            } else if (tokens[0] == "SIZE" && tokens.size() > 4) {
                const auto bits = Number(tokens, 4);
                if (!bits || (*bits != 1 && *bits != 2 && *bits != 4 && *bits != 8))
                    throw EBdfError(StrFormat(
                        CORE_TEXT("CoreMessage", "The BDF font has %s bits per pixel; 1, 2, 4 or 8 can be read."),
                        std::string(tokens[4].substr(0, 16)).c_str()));
                FBitsPerPixel = *bits;
            } else if (tokens[0] == "FONTBOUNDINGBOX") {
                FBoundingBox = ParseBox(tokens);
            } else if (tokens[0] == "STARTPROPERTIES") {
                ReadProperties(Number(tokens, 1, 0, MaxOffset));
            } else if (tokens[0] == "CHARS") {
                FDeclaredChars = Number(tokens, 1, 0, MaxOffset);
                return;
            } else if (tokens[0] == "STARTCHAR" || tokens[0] == "ENDFONT") {
                FLines = before; // no CHARS line: its count is checked at the end
                return;
            }
        }
        if (!started)
            throw EBdfError(CORE_TEXT("CoreMessage", "Not a BDF font file: it does not start with STARTFONT."));
    }

    void ReadProperties(std::optional<int> declared)
    {
        std::string_view line;
        int count = 0;
        TLineCursor before = FLines;
        for (; FLines.Next(line); before = FLines) {
            const TTokens tokens = Tokenize(line);
            if (tokens.empty())
                continue;
            if (tokens[0] == "ENDPROPERTIES")
                break;
            // Without ENDPROPERTIES the header goes on: its glyphs are not properties.
            if (tokens[0] == "CHARS" || tokens[0] == "STARTCHAR" || tokens[0] == "ENDFONT") {
                FLines = before;
                break;
            }
            ++count;
            if (tokens[0] == "FONT_ASCENT")
                FAscent = Number(tokens, 1);
            else if (tokens[0] == "FONT_DESCENT")
                FDescent = Number(tokens, 1);
        }
        if (declared != count)
            FWarnings.AddFileProblem(StrFormat(
                CORE_TEXT("CoreMessage", "STARTPROPERTIES does not count the %d properties that follow."), count));
    }

    // The next STARTCHAR; none at ENDFONT (Ended set) or at the end of the text.
    std::optional<TGlyphRecord> NextRecord(bool& ended)
    {
        std::string_view line;
        while (FLines.Next(line)) {
            const TTokens tokens = Tokenize(line);
            if (tokens.empty())
                continue;
            if (tokens[0] == "STARTCHAR")
                return StartRecord(line);
            if (tokens[0] == "ENDFONT") {
                ended = true;
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    TGlyphRecord StartRecord(std::string_view line)
    {
        TGlyphRecord record;
        const size_t start = line.find("STARTCHAR") + 9;
        record.Name = std::string(TrimName(line.substr(start)));
        return record;
    }

    static std::string_view TrimName(std::string_view name)
    {
        while (!name.empty() && static_cast<unsigned char>(name.front()) <= ' ')
            name.remove_prefix(1);
        while (!name.empty() && static_cast<unsigned char>(name.back()) <= ' ')
            name.remove_suffix(1);
        return name.substr(0, 64);
    }

    // Reads up to ENDCHAR. A STARTCHAR or ENDFONT before it ends the glyph early; a STARTCHAR
    // becomes the next pending record.
    void ReadRecord(TGlyphRecord& record, std::optional<TGlyphRecord>& pending, bool& ended)
    {
        std::string_view line;
        bool inBitmap = false;
        while (FLines.Next(line)) {
            const TTokens tokens = Tokenize(line);
            if (tokens.empty())
                continue;
            const std::string_view keyword = tokens[0];
            if (keyword == "ENDCHAR") {
                record.Ended = true;
                return;
            }
            if (keyword == "STARTCHAR") {
                pending = StartRecord(line);
                return;
            }
            if (keyword == "ENDFONT") {
                ended = true;
                return;
            }
            if (inBitmap) {
                record.Rows.push_back(tokens[0]);
                if (tokens.size() > 1)
                    record.Rows.back() = std::string_view(); // garbage: read as a blank row
            } else if (keyword == "ENCODING") {
                record.EncodingGiven = true;
                record.Encoding = Number(tokens, 1, 0, MaxCode);
            } else if (keyword == "DWIDTH") {
                record.AdvanceGiven = true;
                record.Advance = Number(tokens, 1, 0, MaxOffset);
            } else if (keyword == "BBX") {
                record.BoxGiven = true;
                record.Box = ParseBox(tokens);
            } else if (keyword == "BITMAP") {
                inBitmap = true;
            }
        }
    }

    std::string Label(const TGlyphRecord& record) const
    {
        return record.Encoding
                   ? StrFormat(CORE_TEXT("CoreMessage", "\"%s\" (code %d)"), record.Name.c_str(), *record.Encoding)
                   : StrFormat("\"%s\"", record.Name.c_str());
    }

    void AddGlyph(TGlyphRecord& record)
    {
        // Named only for the first glyph of a kind of problem.
        const std::function<std::string()> label = [this, &record] { return Label(record); };
        if (!record.Ended)
            FWarnings.Add(TBdfProblem::CutShort, label);
        if (!record.Encoding) {
            FWarnings.Add(record.EncodingGiven ? TBdfProblem::CodeOutOfRange : TBdfProblem::NoEncoding, label);
            return;
        }
        if (FCodeTaken[static_cast<size_t>(*record.Encoding)]) {
            FWarnings.Add(TBdfProblem::RepeatedCode, label);
            return;
        }
        if (!record.Box && FBoundingBox && !record.BoxGiven) {
            FWarnings.Add(TBdfProblem::NoBox, label);
            record.Box = FBoundingBox;
        }
        if (!record.Box || record.Box->Width > MaxSize || record.Box->Height > MaxSize) {
            FWarnings.Add(TBdfProblem::BadBox, label);
            return;
        }
        if (!record.Advance) {
            if (record.AdvanceGiven) {
                FWarnings.Add(TBdfProblem::BadAdvance, label);
                return;
            }
            FWarnings.Add(TBdfProblem::NoAdvance, label);
            record.Advance = std::max(0, record.Box->X + record.Box->Width);
        }
        TBdfGlyph glyph;
        glyph.Name = record.Name;
        glyph.Code = *record.Encoding;
        ReadLevels(record, glyph, label);
        // Ink left of the origin or right of the advance widens the glyph instead of being cut.
        const int left = std::min(0, glyph.InkLeft);
        const int right = std::max(*record.Advance, glyph.InkLeft + glyph.InkWidth);
        if (right - left > MaxSize) {
            FWarnings.Add(TBdfProblem::TooWide, label);
            return;
        }
        if (left < 0 || right > *record.Advance)
            FWarnings.Add(TBdfProblem::Widened, label);
        glyph.InkLeft -= left;
        glyph.Width = right - left;
        Spend(glyph.Levels.size());
        FCodeTaken[static_cast<size_t>(glyph.Code)] = true;
        FGlyphs.push_back(std::move(glyph));
    }

    // The box's levels, trimmed to the ink.
    void ReadLevels(const TGlyphRecord& record, TBdfGlyph& glyph, const std::function<std::string()>& label)
    {
        const TBox& box = *record.Box;
        const size_t digits = (static_cast<size_t>(box.Width) * FBitsPerPixel + 7) / 8 * 2;
        const int pixelsPerDigit = 4 / std::min(FBitsPerPixel, 4);
        const unsigned levelMask = (1u << FBitsPerPixel) - 1;
        if (record.Rows.size() < static_cast<size_t>(box.Height))
            FWarnings.Add(TBdfProblem::MissingRows, label);
        else if (record.Rows.size() > static_cast<size_t>(box.Height))
            FWarnings.Add(TBdfProblem::ExtraRows, label);

        // Rows the record lacks are blank, so only the rows it has cost memory and time.
        const int present = static_cast<int>(std::min(record.Rows.size(), static_cast<size_t>(box.Height)));
        std::vector<uint8_t> levels(static_cast<size_t>(box.Width) * present, 0);
        bool badRow = false;
        for (int y = 0; y < present; ++y) {
            const std::string_view row = record.Rows[static_cast<size_t>(y)];
            badRow |= row.size() != digits;
            uint8_t* out = levels.data() + static_cast<size_t>(y) * box.Width;
            for (int x = 0; x < box.Width; ++x) {
                const size_t bit = static_cast<size_t>(x) * FBitsPerPixel;
                const size_t digit = bit / 4;
                if (digit >= row.size())
                    break;
                int value = HexDigit(row[digit]);
                if (FBitsPerPixel == 8 && value >= 0 && digit + 1 < row.size()) {
                    const int low = HexDigit(row[digit + 1]);
                    value = low < 0 ? -1 : value * 16 + low;
                } else if (FBitsPerPixel == 8) {
                    value = -1;
                }
                if (value < 0) {
                    badRow = true;
                    continue;
                }
                if (FBitsPerPixel < 8)
                    value = (value >> ((pixelsPerDigit - 1 - x % pixelsPerDigit) * FBitsPerPixel)) & levelMask;
                out[x] = static_cast<uint8_t>(value);
            }
        }
        if (badRow)
            FWarnings.Add(TBdfProblem::BadRow, label);
        Trim(levels, box, present, glyph);
    }

    // Levels holds the box's top Rows rows.
    static void Trim(const std::vector<uint8_t>& levels, const TBox& box, int rows, TBdfGlyph& glyph)
    {
        int left = box.Width, right = 0, top = rows, bottom = 0;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < box.Width; ++x)
                if (levels[static_cast<size_t>(y) * box.Width + x] != 0) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
        if (left >= right)
            return;
        glyph.InkLeft = box.X + left;
        glyph.InkWidth = right - left;
        glyph.InkHeight = bottom - top;
        glyph.InkBottom = box.Y + box.Height - bottom;
        glyph.Levels.resize(static_cast<size_t>(glyph.InkWidth) * glyph.InkHeight);
        for (int y = 0; y < glyph.InkHeight; ++y)
            std::copy_n(levels.data() + static_cast<size_t>(top + y) * box.Width + left, glyph.InkWidth,
                        glyph.Levels.data() + static_cast<size_t>(y) * glyph.InkWidth);
    }

    // Ink kept so far may not run far beyond what the file's bytes describe.
    void Spend(uint64_t pixels)
    {
        FPixels += pixels;
        if (FPixels > PixelAllowance + PixelsPerByte * FFileSize)
            throw EBdfError(StrFormat(
                CORE_TEXT("CoreMessage", "The BDF font asks for more than %llu pixels, far more than its %zu bytes can "
                                         "describe."),
                static_cast<unsigned long long>(FPixels), FFileSize));
    }

    TBdfFont Finish()
    {
        TBdfFont font;
        font.BitsPerPixel = FBitsPerPixel;
        if (FAscent && FDescent) {
            font.Ascent = *FAscent;
            font.Descent = *FDescent;
        } else if (FBoundingBox) {
            font.Ascent = FBoundingBox->Height + FBoundingBox->Y;
            font.Descent = -FBoundingBox->Y;
        }
        const int declared = font.Height();
        const int declaredAscent = font.Ascent;
        const int declaredDescent = font.Descent;
        std::string firstTaller;
        int taller = 0;
        for (const TBdfGlyph& glyph : FGlyphs) {
            if (glyph.InkHeight == 0)
                continue;
            const int top = glyph.InkBottom + glyph.InkHeight;
            if (top > declaredAscent || -glyph.InkBottom > declaredDescent) {
                if (taller++ == 0)
                    firstTaller =
                        StrFormat(CORE_TEXT("CoreMessage", "\"%s\" (code %d)"), glyph.Name.c_str(), glyph.Code);
                font.Ascent = std::max(font.Ascent, top);
                font.Descent = std::max(font.Descent, -glyph.InkBottom);
            }
        }
        font.Ascent = std::max(font.Ascent, -font.Descent);
        if (font.Height() > MaxSize)
            throw EBdfError(StrFormat(
                CORE_TEXT("CoreMessage", "The BDF font's glyphs need a cell %d pixels high (%d above the baseline, %d "
                                         "below); a font can be at most %d pixels high."),
                font.Height(), font.Ascent, font.Descent, MaxSize));
        if (taller > 0)
            FWarnings.AddFileProblem(StrFormat(
                CORE_TEXT("CoreMessage", "The cell was made %d pixels high instead of FONT_ASCENT + FONT_DESCENT "
                                         "= %d, to hold the ink of %d glyphs (the first %s)."),
                font.Height(), declared, taller, firstTaller.c_str()));
        if (FGlyphs.empty())
            throw EBdfError(JoinWarnings(CORE_TEXT("CoreMessage", "The BDF font holds no glyph that can be imported."),
                                         FWarnings.Lines()));

        FPixels = 0;
        for (const TBdfGlyph& glyph : FGlyphs)
            Spend(uint64_t(glyph.Width) * font.Height());

        std::sort(FGlyphs.begin(), FGlyphs.end(), [](const TBdfGlyph& a, const TBdfGlyph& b) { return a.Code < b.Code; });
        font.Glyphs = std::move(FGlyphs);
        font.Warnings = FWarnings.Lines();
        return font;
    }

    TLineCursor FLines;
    size_t FFileSize;
    int FBitsPerPixel = 1;
    std::optional<TBox> FBoundingBox;
    std::optional<int> FAscent;
    std::optional<int> FDescent;
    std::optional<int> FDeclaredChars;
    std::vector<TBdfGlyph> FGlyphs;
    std::vector<bool> FCodeTaken = std::vector<bool>(MaxCode + 1);
    uint64_t FPixels = 0;
    TBdfWarnings FWarnings;
};

} // namespace

bool TBdfFont::OneWidth() const
{
    return std::all_of(Glyphs.begin(), Glyphs.end(), [&](const TBdfGlyph& glyph) { return glyph.Width == Glyphs.front().Width; });
}

TBdfFont ReadBdf(std::span<const uint8_t> data)
{
    return TBdfParser(data).Parse();
}

TBdfFont ReadBdfFile(const std::string& fileName)
{
    const std::vector<uint8_t> data = ReadWholeFile(fileName);
    return ReadBdf(data);
}
