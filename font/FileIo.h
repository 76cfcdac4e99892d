#pragma once
// Whole-file reads and checked, all-or-nothing writes.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Throws EFOpenError "Cannot open file "%s". %s".
std::vector<uint8_t> ReadWholeFile(const std::string& fileName);

// Writes through a temporary file beside the target, replacing the target only when
// every byte is written and flushed. The previous file stays untouched on failure.
// Throws EFCreateError "Cannot create file "%s". %s" or EWriteError naming the file.
void WriteFileAtomically(const std::string& fileName, std::span<const uint8_t> data);

// Splits text into lines; CR, LF and CR LF each end a line. A final line end adds no line.
std::vector<std::string> SplitLines(std::span<const uint8_t> text);

// Lines joined with CR LF, each line ended by one.
std::string JoinLines(const std::vector<std::string>& lines);

std::vector<std::string> LoadTextLines(const std::string& fileName);
// Writes JoinLines of Lines.
void SaveTextLines(const std::string& fileName, const std::vector<std::string>& lines);
