#include "document/FontDocument.h"

#include "generate/OptionsImport.h"

TImportOrigin TFontDocument::ImportOptions(const std::string& path)
{
    TGenerationOptions options = FOptions;
    TImportOutcome outcome;
    try {
        outcome = ImportOptionsFromFile(path, TFontEngine::Families(), options);
    } catch (...) {
        // A bad number in the name leaves the face, style and size of its head applied.
        TGenerationOptions applied = FOptions;
        applied.FontName = options.FontName;
        applied.FontSize = options.FontSize;
        applied.FontStyle = options.FontStyle;
        if (!(applied == FOptions)) {
            FOptions = applied;
            RequestGeneration();
        }
        throw;
    }
    if (outcome.Origin != TImportOrigin::Nothing) {
        FOptions = options;
        LeaveFixedWidthType(false);
        RequestGeneration();
    }
    return outcome.Origin;
}
