#pragma once
// What a font loaded from a file tells a BDF export: the options its font-information block or
// its file name holds, with the primary face they name when it is installed; else the file's
// name as the family.

#include <memory>
#include <optional>
#include <string>

#include "generate/BdfDescription.h"

class TFontEngine;

class TFileBdfSource {
public:
    TFileBdfSource(const std::string& fileName, TFontEngine& engine);
    // Valid while this object lives.
    TBdfSource Source() const;

private:
    std::optional<TGenerationOptions> FOptions;
    std::shared_ptr<const TFontFace> FFace;
    std::string FFamily;
};
