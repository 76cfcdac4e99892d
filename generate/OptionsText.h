#pragma once
// The one-line summary of the generation options that names a saved font, e.g.
// "Arial Bold 12 [16 pix] [Spc 8] [CutLR MinWidth 2] [MinHeight 16] ... [4Color VarW]".
// OptionsImport reads it back from a file name.

#include <optional>
#include <string>
#include <string_view>

#include "generate/GenerationOptions.h"

// "Bold ", "Italic ", "Underline ", "StrikeOut " for each style present, in that order.
std::string StyleWords(TFontStyles styles);

// "Centred" or "Baseline", the options text's word (the command line's in lower case).
const char* SecondaryBaselineWord(TSecondaryBaseline align);
// Either word in any case, and "centered"; none for anything else.
std::optional<TSecondaryBaseline> SecondaryBaselineFromWord(std::string_view word);

// maxGlyphHeight: the pixel height of the last generated font.
std::string BuildOptionsText(const TGenerationOptions& options, int maxGlyphHeight);

// The options text + ".mtf", with any '/' in it (from a face name) made '-', so the
// proposal stays one file name in the chosen folder.
std::string ProposedFontFileName(const TGenerationOptions& options, int maxGlyphHeight);
