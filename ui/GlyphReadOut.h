#pragma once
// The line that names a glyph by its code, its Unicode and its width, for the preview's hover
// read-out and the glyph editor's header.

#include <cstdint>

#include <QString>

// Four upper-case hex digits at least: "00E9".
QString HexCode(unsigned value);
QString GlyphReadOut(int index, uint16_t unicode, int width);
