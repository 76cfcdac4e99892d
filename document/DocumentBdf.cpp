// What a BDF export of the font in hand says besides its glyphs.

#include "document/FontDocument.h"
#include "font/Errors.h"
#include "generate/BdfDescription.h"
#include "generate/BdfFileSource.h"

TBdfDescription TFontDocument::BdfDescription()
{
    if (!FStoreHoldsGeneration) {
        if (FFontFile.empty())
            return DescribeForBdf(*FFont, {});
        const TFileBdfSource file(FFontFile, FEngine);
        return DescribeForBdf(*FFont, file.Source());
    }
    TBdfSource source;
    source.Options = &FGeneratedOptions;
    std::shared_ptr<const TFontFace> face;
    try {
        face = OpenFont(PrimaryFontRequest(FGeneratedOptions));
    } catch (const EGlyphForgeError&) {
        // The face is gone since the generation: the baseline is estimated.
    }
    source.Face = face.get();
    if (FTable.MapsUnicode())
        source.CharUnicode = FTable.CharUnicode();
    const std::vector<std::string>& descriptions = FTable.PresetDescriptions();
    if (FPreset >= 0 && static_cast<size_t>(FPreset) < descriptions.size())
        source.PresetDescription = descriptions[static_cast<size_t>(FPreset)];
    return DescribeForBdf(*FFont, source);
}
