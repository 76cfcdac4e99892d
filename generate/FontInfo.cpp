#include "generate/FontInfo.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "font/Errors.h"
#include "font/FileIo.h"

namespace {

constexpr std::string_view Marker = "FONT_INFO";
constexpr std::string_view RenderingMarker = "[RENDERING";
constexpr std::string_view LayoutMarker = "[LAYOUT";
constexpr uint8_t StyleMask = fsBold | fsItalic | fsUnderline | fsStrikeOut;

uint8_t CheckedByte(int value)
{
    if (value < 0 || value > 255)
        throw ERangeError();
    return static_cast<uint8_t>(value);
}

uint8_t CheckedLength(const std::string& name)
{
    if (name.size() > 255)
        throw ERangeError();
    return static_cast<uint8_t>(name.size());
}

uint8_t FlagsOf(const TGenerationOptions& options)
{
    uint8_t flags = 0;
    if (options.CutLeftRight)
        flags |= fifCutLeftRight;
    if (options.EffectiveMinusSameWidth())
        flags |= fifMinusSameWidth;
    if (options.SameWidthNumbers)
        flags |= fifSameWidthNumbers;
    if (options.TopCutOn)
        flags |= fifTopCutOn;
    if (options.BottomCutOn)
        flags |= fifBottomCutOn;
    if (options.RightMarginOn)
        flags |= fifRightMarginOn;
    if (options.WidthDivOn)
        flags |= fifWidthDivOn;
    if (options.DisplayInvalidChars)
        flags |= fifDisplayInvalidChars;
    return flags;
}

// Reads forward through the data; every byte past its end is 0.
class TBoundedReader {
public:
    TBoundedReader(std::span<const uint8_t> data, size_t position) : FData(data), FPosition(position) {}

    uint8_t Byte()
    {
        const uint8_t value = FPosition < FData.size() ? FData[FPosition] : 0;
        ++FPosition;
        return value;
    }

    std::string Name()
    {
        const size_t length = Byte();
        const size_t start = std::min(FPosition, FData.size());
        const size_t available = std::min(length, FData.size() - start);
        FPosition += length;
        if (available == 0)
            return {};
        return std::string(reinterpret_cast<const char*>(FData.data()) + start, available);
    }

    // True, past them, when the data holds Text here.
    bool Skip(std::string_view text)
    {
        if (FPosition > FData.size() || FData.size() - FPosition < text.size() ||
            !std::equal(text.begin(), text.end(), FData.begin() + static_cast<std::ptrdiff_t>(FPosition)))
            return false;
        FPosition += text.size();
        return true;
    }

private:
    std::span<const uint8_t> FData;
    size_t FPosition;
};

void AddRenderingRecord(const TGenerationOptions& options, TByteArray& block)
{
    const TRendering primary = options.Rendering();
    const TRendering secondary = options.Rendering2();
    if (primary.IsDefault() && secondary.IsDefault())
        return;
    const uint8_t record[RenderingRecordSize] = {
        static_cast<uint8_t>(primary.Mode),
        CheckedByte(primary.Ink),
        static_cast<uint8_t>(secondary.Mode),
        CheckedByte(secondary.Ink),
    };
    block.insert(block.end(), RenderingMarker.begin(), RenderingMarker.end());
    block.insert(block.end(), std::begin(record), std::end(record));
    block.push_back(']');
}

void AddLayoutRecord(const TGenerationOptions& options, TByteArray& block)
{
    const TGenerationOptions defaults;
    if (options.Shift == defaults.Shift && options.Shift2 == defaults.Shift2 && options.Align2 == defaults.Align2 &&
        options.ShapeArabic == defaults.ShapeArabic)
        return;
    const uint8_t record[LayoutRecordSize] = {
        static_cast<uint8_t>(ShiftRange.Clamp(options.Shift)),
        static_cast<uint8_t>(ShiftRange.Clamp(options.Shift2)),
        static_cast<uint8_t>(options.Align2 == TSecondaryBaseline::Primary ? 1 : 0),
        static_cast<uint8_t>(options.ShapeArabic ? LayoutShapeArabic : 0),
    };
    block.insert(block.end(), LayoutMarker.begin(), LayoutMarker.end());
    block.insert(block.end(), std::begin(record), std::end(record));
    block.push_back(']');
}

TRendering RenderingOf(uint8_t mode, uint8_t ink)
{
    return {RenderModeFromValue(mode).value_or(TRenderMode::Smooth), InkRange.Clamp(ink)};
}

// A record of Size bytes after Marker and before "]"; none when it is not there whole.
template <size_t Size>
std::optional<std::array<uint8_t, Size>> ReadRecord(TBoundedReader& reader, std::string_view marker)
{
    if (!reader.Skip(marker))
        return std::nullopt;
    std::array<uint8_t, Size> record{};
    for (uint8_t& byte : record)
        byte = reader.Byte();
    if (!reader.Skip("]"))
        return std::nullopt;
    return record;
}

// The records right after the block's "]", each when it is there whole.
void ReadRecords(TBoundedReader& reader, TFontInfoBlock& result)
{
    if (!reader.Skip("]"))
        return;
    if (const auto record = ReadRecord<RenderingRecordSize>(reader, RenderingMarker)) {
        result.HasRendering = true;
        result.Rendering = RenderingOf((*record)[frMode], (*record)[frInk]);
        result.Rendering2 = RenderingOf((*record)[frMode2], (*record)[frInk2]);
    }
    if (const auto record = ReadRecord<LayoutRecordSize>(reader, LayoutMarker)) {
        result.HasLayout = true;
        result.Shift = ShiftRange.Clamp(static_cast<int8_t>((*record)[flShift]));
        result.Shift2 = ShiftRange.Clamp(static_cast<int8_t>((*record)[flShift2]));
        result.Align2 = (*record)[flAlign2] == 1 ? TSecondaryBaseline::Primary : TSecondaryBaseline::Centred;
        result.ShapeArabic = ((*record)[flFlags] & LayoutShapeArabic) != 0;
    }
}

} // namespace

uint8_t StyleToBits(TFontStyles styles)
{
    return styles & StyleMask;
}

TFontStyles BitsToStyle(uint8_t bits)
{
    return bits & StyleMask;
}

TByteArray BuildFontInfo(const TGenerationOptions& options)
{
    const uint8_t optionBlock[FontInfoOptionBlockSize] = {
        FontInfoVersion,
        CheckedByte(options.FontSize),
        StyleToBits(options.FontStyle),
        CheckedByte(options.Outline),
        FlagsOf(options),
        CheckedByte(options.MinWidth),
        CheckedByte(options.SpaceWidth),
        CheckedByte(options.RightMargin),
        CheckedByte(options.TopCut),
        CheckedByte(options.BottomCut),
        CheckedByte(options.MinHeight),
        CheckedByte(options.Font2Size),
        StyleToBits(options.Font2Style),
        CheckedByte(options.Outline2),
        CheckedByte(options.WidthDiv),
    };
    const uint8_t length1 = CheckedLength(options.FontName);
    const uint8_t length2 = CheckedLength(options.Font2Name);

    TByteArray block;
    block.reserve(28 + length1 + length2);
    block.push_back('[');
    block.insert(block.end(), Marker.begin(), Marker.end());
    block.insert(block.end(), std::begin(optionBlock), std::end(optionBlock));
    block.push_back(length1);
    block.insert(block.end(), options.FontName.begin(), options.FontName.end());
    block.push_back(length2);
    block.insert(block.end(), options.Font2Name.begin(), options.Font2Name.end());
    block.push_back(']');
    AddRenderingRecord(options, block);
    AddLayoutRecord(options, block);
    return block;
}

int TFontInfoBlock::Version() const
{
    const uint8_t stored = Block[fiVersion];
    return stored == 1 || stored == 2 ? stored : FontInfoVersion;
}

TFontInfoBlock ReadFontInfo(std::span<const uint8_t> data)
{
    TFontInfoBlock result;
    const auto* begin = reinterpret_cast<const char*>(data.data());
    const size_t markerAt = std::string_view(begin, data.size()).find(Marker);
    if (markerAt == std::string_view::npos)
        return result;
    result.Found = true;

    const size_t optionsAt = markerAt + Marker.size();
    TBoundedReader optionReader(data, optionsAt);
    for (uint8_t& byte : result.Block)
        byte = optionReader.Byte();

    size_t namesAt = optionsAt + FontInfoOptionBlockSize;
    switch (result.Version()) {
    case 1:
        result.Block[fiMinHeight] = 16;
        result.Block[fiFont2Size] = result.Block[fiFontSize];
        result.Block[fiFont2Style] = result.Block[fiFontStyle];
        result.Block[fiOutline2] = result.Block[fiOutline];
        result.Block[fiWidthDiv] = 4;
        namesAt = optionsAt + 10;
        break;
    case 2:
        result.Block[fiWidthDiv] = 4;
        namesAt = optionsAt + 14;
        break;
    default:
        break;
    }

    TBoundedReader nameReader(data, namesAt);
    result.FontName = nameReader.Name();
    result.Font2Name = result.Version() == 1 ? result.FontName : nameReader.Name();
    ReadRecords(nameReader, result);
    return result;
}

TFontInfoBlock ReadFontInfo(const std::string& fileName)
{
    const std::vector<uint8_t> data = ReadWholeFile(fileName);
    return ReadFontInfo(data);
}
