#pragma once
// How the open commands, and files dropped on the window, read each format into a new store.
// False when the reader refused the file; its message went to the store's sink. A picture or
// text that yields no glyph throws, so the font in hand is not swapped for nothing.

#include <string>

class TMtkFont;

bool ReadMediatekFont(TMtkFont& store, const std::string& fileName);
bool ReadStripBmp(TMtkFont& store, const std::string& fileName);
bool ReadFonToolText(TMtkFont& store, const std::string& fileName);
