#include "generate/BdfFileSource.h"

#include <filesystem>

#include "font/Errors.h"
#include "generate/FontEngine.h"
#include "generate/OptionsImport.h"

TFileBdfSource::TFileBdfSource(const std::string& fileName, TFontEngine& engine)
    : FFamily(std::filesystem::path(fileName).stem().string())
{
    TGenerationOptions options;
    // Left empty, the face shows whether the file named one.
    options.FontName.clear();
    try {
        if (ImportOptionsFromFile(fileName, TFontEngine::Families(), options).Origin == TImportOrigin::Nothing)
            return;
    } catch (const EGlyphForgeError&) {
        return; // options that cannot be read count as none
    }
    if (options.FontName.empty())
        return;
    FOptions = options;
    try {
        FFace = engine.OpenFont(PrimaryFontRequest(options));
    } catch (const EGlyphForgeError&) {
        FFace.reset(); // not installed: the baseline is estimated
    }
}

TBdfSource TFileBdfSource::Source() const
{
    TBdfSource source;
    source.Options = FOptions ? &*FOptions : nullptr;
    source.Face = FFace.get();
    source.Family = FFamily;
    return source;
}
