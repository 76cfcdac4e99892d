#pragma once
// How the open commands, and files dropped on the window, read each format into a new store.
// False when the reader refused the file; its message went to the store's sink.

#include <string>

class TMtkFont;

bool ReadMediatekFont(TMtkFont& store, const std::string& fileName);
bool ReadStripBmp(TMtkFont& store, const std::string& fileName);
bool ReadFonToolText(TMtkFont& store, const std::string& fileName);
