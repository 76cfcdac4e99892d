#pragma once
// The font-information block a saved font may carry after its program stamp:
// "[" "FONT_INFO", a 15-byte option block, the two face names (length byte + bytes), "]".
// When a font is not rendered the default way, the rendering record follows the "]":
// "[" "RENDERING", mode and ink of the primary font, mode and ink of the secondary one, "]".
// When glyphs are shifted, set on the primary's baseline or shaped, the layout record follows:
// "[" "LAYOUT", shift, secondary shift (both signed), secondary baseline, flags, "]".
// Readers that know only the block stop at its "]" and never see them.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "generate/GenerationOptions.h"

using TByteArray = std::vector<uint8_t>;

constexpr uint8_t FontInfoVersion = 3;
constexpr size_t FontInfoOptionBlockSize = 15;

// Bytes of the option block (offset 10 of the block onwards).
enum TFontInfoByte : size_t {
    fiVersion = 0,
    fiFontSize = 1,
    fiFontStyle = 2,
    fiOutline = 3,
    fiFlags = 4,
    fiMinWidth = 5,
    fiSpaceWidth = 6,
    fiRightMargin = 7,
    fiTopCut = 8,
    fiBottomCut = 9,
    fiMinHeight = 10,
    fiFont2Size = 11,
    fiFont2Style = 12,
    fiOutline2 = 13,
    fiWidthDiv = 14,
};

// Bits of the flags byte.
enum TFontInfoFlag : uint8_t {
    fifCutLeftRight = 0x01,
    fifMinusSameWidth = 0x02, // the effective value
    fifSameWidthNumbers = 0x04,
    fifTopCutOn = 0x08,
    fifBottomCutOn = 0x10,
    fifRightMarginOn = 0x20,
    fifWidthDivOn = 0x40,
    fifDisplayInvalidChars = 0x80,
};

uint8_t StyleToBits(TFontStyles styles);
TFontStyles BitsToStyle(uint8_t bits);

// Bytes of the rendering record after "[RENDERING".
enum TRenderingByte : size_t {
    frMode = 0,
    frInk = 1,
    frMode2 = 2,
    frInk2 = 3,
};
constexpr size_t RenderingRecordSize = 4;

// Bytes of the layout record after "[LAYOUT".
enum TLayoutByte : size_t {
    flShift = 0,  // two's complement
    flShift2 = 1, // two's complement
    flAlign2 = 2, // 0 centred, 1 on the primary's baseline
    flFlags = 3,
};
constexpr size_t LayoutRecordSize = 4;
constexpr uint8_t LayoutShapeArabic = 0x01; // flag

// Throws ERangeError when a number or a face name's byte length is outside 0..255.
TByteArray BuildFontInfo(const TGenerationOptions& options);

struct TFontInfoBlock {
    bool Found = false;
    // Older versions completed: version 1 gets MinHeight 16, the secondary font copied from
    // the primary one and WidthDiv 4; version 2 gets WidthDiv 4. Byte 0 keeps the stored version.
    std::array<uint8_t, FontInfoOptionBlockSize> Block{};
    std::string FontName;
    std::string Font2Name;
    // The defaults when the block carries no rendering record; an unknown mode reads as Smooth.
    bool HasRendering = false;
    TRendering Rendering;
    TRendering Rendering2;
    // The defaults when the block carries no layout record; shifts are clamped to their range.
    bool HasLayout = false;
    int Shift = 0;
    int Shift2 = 0;
    TSecondaryBaseline Align2 = TSecondaryBaseline::Centred;
    bool ShapeArabic = false;

    // 1 or 2 as stored; every other version byte reads as the current layout.
    int Version() const;
};

// Searches the whole data for the first "FONT_INFO". Bytes past the end read as 0;
// a name that runs past the end is cut there. The rendering and layout records count only when
// they follow the block's "]" directly, one after the other, and are whole.
TFontInfoBlock ReadFontInfo(std::span<const uint8_t> data);
// Throws EFOpenError when the file cannot be read.
TFontInfoBlock ReadFontInfo(const std::string& fileName);
