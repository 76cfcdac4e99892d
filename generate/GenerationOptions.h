#pragma once
// Every generation option as one record, with the range and default of its control.

#include <cstdint>
#include <string>

#include "generate/Rendering.h"

enum TFontStyleBit : uint8_t {
    fsBold = 0x01,
    fsItalic = 0x02,
    fsUnderline = 0x04,
    fsStrikeOut = 0x08,
};
using TFontStyles = uint8_t; // a set of TFontStyleBit

enum TFontType : int {
    ftFourColorOld = 0, // "4 color compr., variable width (OLD compatibility mode)"
    ftFourColorNew = 1, // "4 color compr., variable width (NEW mode)"
    ftTwoColorFixed = 2, // "2 color uncompr., fix width"
};

// Where the secondary font's glyphs sit in the cell.
enum class TSecondaryBaseline : uint8_t {
    Centred, // its own line height centred, as the primary's is
    Primary, // its baseline on the primary font's baseline row
};

struct TSpinRange {
    int Min;
    int Max;
    constexpr int Clamp(int value) const { return value < Min ? Min : (value > Max ? Max : value); }
};

constexpr TSpinRange FontSizeRange{1, 100};
constexpr TSpinRange PixelRange{0, 100}; // outline, widths, margins, cuts, min height
constexpr TSpinRange WidthDivRange{1, 32};
constexpr TSpinRange InkRange{1, 255};
constexpr TSpinRange ShiftRange{-50, 50}; // rows up

struct TGenerationOptions {
    std::string FontName;
    int FontSize = 16;
    TFontStyles FontStyle = 0;
    int Outline = 0;
    TRenderMode RenderMode = TRenderMode::Smooth;
    int Ink = DefaultInk;
    int Shift = 0;
    bool ShapeArabic = false;
    std::string Font2Name;
    int Font2Size = 14;
    TFontStyles Font2Style = 0;
    int Outline2 = 0;
    TRenderMode RenderMode2 = TRenderMode::Smooth;
    int Ink2 = DefaultInk;
    int Shift2 = 0;
    TSecondaryBaseline Align2 = TSecondaryBaseline::Centred;
    bool TryFont2 = true;
    bool CutLeftRight = true;
    int MinWidth = 2;
    int SpaceWidth = 8;
    bool SameWidthNumbers = true;
    bool MinusSameWidth = true;
    bool RightMarginOn = true;
    int RightMargin = 2;
    bool TopCutOn = false;
    int TopCut = 1;
    bool BottomCutOn = false;
    int BottomCut = 1;
    int MinHeight = 16;
    bool WidthDivOn = false;
    int WidthDiv = 4;
    bool DisplayInvalidChars = false;
    int FontType = ftFourColorOld;
    bool BackColor2 = false;

    bool operator==(const TGenerationOptions&) const = default;

    // The '-' rule counts only while its box is enabled, that is while SameWidthNumbers is on.
    bool EffectiveMinusSameWidth() const { return SameWidthNumbers && MinusSameWidth; }
    bool IsTwoColor() const { return FontType == ftTwoColorFixed; }
    // The writer's NEW mode is exactly type 1.
    bool NewMode() const { return FontType == ftFourColorNew; }
    TRendering Rendering() const { return {RenderMode, Ink}; }
    TRendering Rendering2() const { return {RenderMode2, Ink2}; }
};
