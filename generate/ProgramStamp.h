#pragma once
// The text the main window appends to every font it saves, after the glyph data.

inline constexpr char ProgramStamp[] = "[GlyphForgeTool 0.6.4]";
