#pragma once
// Pictures written as files: encoded in memory first, so a failed encoding leaves no file.

#include <string>

class QImage;

// Format is Qt's name of the file format ("BMP", "PNG"). Throws EFCreateError on failure.
void SaveImageFile(const QImage& image, const std::string& fileName, const char* format);
