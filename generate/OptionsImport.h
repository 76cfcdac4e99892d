#pragma once
// Restoring the generation options of a saved font: from the font-information block
// inside the file, or else from the options text in its file name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generate/FontInfo.h"
#include "generate/GenerationOptions.h"

// What an import gathers before it is applied. Rule values are -1 while their rule is off.
struct TImportedOptions {
    std::optional<std::string> FontName; // absent: the current face stays
    std::optional<int> FontSize;         // absent: the current size stays
    TFontStyles FontStyle = 0;           // replaces the current style

    // Block path only (Source above 0).
    std::string Font2Name;
    int Font2Size = 0;
    TFontStyles Font2Style = 0;
    int Outline2 = 0;
    TRendering Rendering2;

    TRendering Rendering; // the default when the name has no items for it
    // The defaults when the name or block has nothing for them; the name's items restore them
    // as the block does.
    int Shift = 0;
    bool ShapeArabic = false;
    int Shift2 = 0;
    TSecondaryBaseline Align2 = TSecondaryBaseline::Centred;

    int Outline = -1;
    int SpaceWidth = -1;
    int MinHeight = -1;
    int WidthDiv = 4;
    int MinWidth = -1;
    int RightMargin = -1;
    int TopCut = -1;
    int BottomCut = -1;
    bool SameWidthNumbers = false;
    bool MinusSameWidth = false;
    bool WidthDivOn = false;

    // A block stores the rule values also while their rule is off; they go into the
    // value boxes before the rules are applied, so those numbers come back.
    struct TStoredRuleValues {
        int MinWidth;
        int RightMargin;
        int TopCut;
        int BottomCut;
    };
    std::optional<TStoredRuleValues> StoredRuleValues;
    std::optional<bool> DisplayInvalidChars; // block path only

    uint8_t Source = 0; // the block's version, or 0 for a file name
};

// False for the empty text; else true when every character is 0..9.
bool IsDigits(std::string_view text);
// First index whose entry equals text, both upper-cased (ASCII letters only); -1 when none.
int IndexOfText(const std::vector<std::string>& list, const std::string& text);

// For a value key the number after it, for a flag key 0; -1 when the key is absent or no
// digit follows. Throws EConvertError when the digits overflow a 32-bit integer.
int FindOptionValue(const std::string& tail, const std::string& key, bool hasValue);
// The number after a value key, with an optional minus sign; none when the key is absent or no
// digit follows. Throws EConvertError when the number overflows a 32-bit integer.
std::optional<int> FindSignedOptionValue(const std::string& tail, const std::string& key);
// The word after a value key, up to "]" or a space; empty when the key is absent.
std::string FindOptionWord(const std::string& tail, const std::string& key);

// The options text of a file name, split around the deleted height item.
struct TOptionsTextParts {
    std::string Head; // face, style words and size
    std::string Tail; // the items, framed by one space on each side
};
// Empty when the name (folder removed) holds no "pix" or no "[" / "(" before it.
std::optional<TOptionsTextParts> SplitOptionsFileName(const std::string& fileName);

// Reads face, style and size from the head, right to left; a face of several words grows
// leftwards until it matches an installed face.
void ParseOptionsHead(const std::string& head, const std::vector<std::string>& installedFaces,
                      TImportedOptions& imported);
// Throws EConvertError for a number too long for 32 bits.
void ParseOptionsTail(const std::string& tail, TImportedOptions& imported);

// False when the name holds no options text; imported is then untouched.
bool ParseOptionsFileName(const std::string& fileName, const std::vector<std::string>& installedFaces,
                          TImportedOptions& imported);

TImportedOptions ImportedFromFontInfo(const TFontInfoBlock& info);

// Primary face, size and style only: what the head of a file name sets even when the
// tail then fails.
void ApplyImportedFontToOptions(const TImportedOptions& imported, TGenerationOptions& options);
// Everything, as writing the values into the controls would leave them: value boxes
// clamp (-1 becomes the minimum), rules are on for values >= 0, the type returns to 0.
void ApplyImportedToOptions(const TImportedOptions& imported, TGenerationOptions& options);

enum class TImportOrigin { Nothing, FileName, Block };
struct TImportOutcome {
    TImportOrigin Origin = TImportOrigin::Nothing;
    int BlockVersion = 0;
};

// The block when the file holds one, else the file name. Throws EFOpenError when the file
// cannot be read; EConvertError from the tail leaves the head applied to options.
TImportOutcome ImportOptionsFromFile(const std::string& fileName, const std::vector<std::string>& installedFaces,
                                     TGenerationOptions& options);
