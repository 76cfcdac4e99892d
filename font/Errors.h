#pragma once
// Errors carry the text the user sees. The core throws them; front ends show them.

#include <stdexcept>
#include <string>

#include "font/CoreText.h"

class EGlyphForgeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Cannot open file "%s". %s"
class EFOpenError : public EGlyphForgeError {
public:
    using EGlyphForgeError::EGlyphForgeError;
};

// "Cannot create file "%s". %s"
class EFCreateError : public EGlyphForgeError {
public:
    using EGlyphForgeError::EGlyphForgeError;
};

// A write that did not complete.
class EWriteError : public EGlyphForgeError {
public:
    using EGlyphForgeError::EGlyphForgeError;
};

// "'%s' is not a valid integer value"
class EConvertError : public EGlyphForgeError {
public:
    using EGlyphForgeError::EGlyphForgeError;
};

// "Range check error"
class ERangeError : public EGlyphForgeError {
public:
  ERangeError() : EGlyphForgeError(CORE_TEXT("CoreMessage", "Range check error")) {}
};

// A line or item index that is not there, e.g. a text that ends inside a glyph.
class EListError : public EGlyphForgeError {
public:
    using EGlyphForgeError::EGlyphForgeError;
};

// A picture file that cannot be read, or one the store cannot hold.
class EInvalidGraphic : public EGlyphForgeError {
public:
    using EGlyphForgeError::EGlyphForgeError;
};

// A store the file format cannot represent; refused before anything is written.
class EFontLimitError : public EGlyphForgeError {
public:
    using EGlyphForgeError::EGlyphForgeError;
};
