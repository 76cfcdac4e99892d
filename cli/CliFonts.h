#pragma once
// Loading an input font for a command, with the reader's messages on stderr.

#include <string>

#include "font/FileFormats.h"

class TMtkFont;

// Loads any supported input into Font. Returns false, after a message on stderr, when the
// reader refused the file, it holds no glyphs, or its glyph data ends early and AcceptDamaged
// is false. Other failures are thrown.
bool LoadInputFont(const std::string& command, TMtkFont& font, const std::string& path, bool acceptDamaged,
                   const TFontReadSettings& settings = {});
