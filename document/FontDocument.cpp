#include "document/FontDocument.h"

#include <strings.h>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/FileFormats.h"
#include "font/Format.h"
#include "font/GlyphEdits.h"
#include "generate/FontInfo.h"
#include "generate/ProgramStamp.h"
#include "generate/StoreStatistics.h"

TFontDocument::TFontDocument(TDocumentUse use)
    : FUse(use)
    , FEngine(use == TDocumentUse::Interactive)
    , FFont(std::make_unique<TMtkFont>())
{
}

TFontDocument::~TFontDocument() = default;

std::unique_ptr<TMtkFont> TFontDocument::NewStore() const
{
    auto store = std::make_unique<TMtkFont>();
    store->SetMessageSink(FSink);
    return store;
}

std::unique_ptr<TMtkFont> TFontDocument::ReadFontFile(const TFontFormat& format, const std::string& path,
                                                      const TFontReadSettings& settings) const
{
    std::unique_ptr<TMtkFont> store = NewStore();
    if (!format.Read(*store, path, settings))
        return nullptr;
    // So the font in hand is not swapped for nothing.
    if (store->GlyphCount() == 0 && !format.EmptyReadReason.empty())
        throw EGlyphForgeError(StrFormat(CORE_TEXT("CoreMessage", "\"%s\" %s; the font in hand is kept."), path.c_str(),
                                         format.EmptyReadReason.c_str()));
    return store;
}

void TFontDocument::ReplaceFont(std::unique_ptr<TMtkFont> font, const std::string& file)
{
    FFont = std::move(font);
    FFontFile = file;
    FStoreHoldsGeneration = false;
    FEncoded = {};
    FTable.ClearToZero(FFont->GlyphCount());
    FontReplaced();
    // The statistics line describes the font in hand, wherever it came from.
    FStats = MeasureStore(*FFont, FOptions.NewMode());
    emit Changed(dcFontReplaced | dcStatistics);
}

void TFontDocument::WriteFontFile(const TFontFormat& format, const std::string& path, TBdfDepth bdfDepth)
{
    TFontWriteSettings settings{FOptions.NewMode(), ProgramStamp, {}};
    if (format.Id == TFontFormatId::Bdf) {
        settings.Bdf = BdfDescription();
        settings.BdfDepth = bdfDepth;
    }
    format.Write(*FFont, path, settings);
    if (format.Id == TFontFormatId::Mediatek)
        SetUnsavedEdits(false);
}

void TFontDocument::SaveFont(const std::string& path, bool saveOptions)
{
    const TByteArray fontInfo = saveOptions ? BuildFontInfo(FOptions) : TByteArray{};
    // The size gauge's encoding is the file's; a store it refused is refused here too.
    if (!FEncoded.Body.empty())
        FEncoded.SaveToFile(path, ProgramStamp, fontInfo);
    else
        FFont->SaveToFile(path, FOptions.NewMode(), ProgramStamp, fontInfo);
    SetUnsavedEdits(false);
}

std::unique_ptr<TMtkFont> TFontDocument::Draft() const
{
    std::unique_ptr<TMtkFont> draft = NewStore();
    CopyStore(*FFont, *draft);
    return draft;
}

void TFontDocument::ApplyEdits(std::unique_ptr<TMtkFont> edited)
{
    FFont = std::move(edited);
    FEditedSinceGeneration = true;
    SetUnsavedEdits(true);
    KeepOptions();
    FStats = MeasureStore(*FFont, FOptions.NewMode());
    FEncoded = {};
    emit Changed(dcStatistics);
}

void TFontDocument::SetUnsavedEdits(bool unsaved)
{
    if (unsaved == FUnsavedEdits)
        return;
    FUnsavedEdits = unsaved;
    emit Changed(dcModified);
}

void TFontDocument::FontReplaced()
{
    FEditedSinceGeneration = false;
    SetUnsavedEdits(false);
}

void TFontDocument::LoadTableFile(const std::string& fileName)
{
    // A file that fails, half-way or not, leaves the table and the preset in use as they were.
    TConversionTable loaded = FTable;
    loaded.LoadTableFile(fileName);
    if (loaded.PresetIds().Count() == 0)
        throw EGlyphForgeError(StrFormat(
            CORE_TEXT("CoreMessage", "\"%s\" holds no presets (numbered sections such as [1])."), fileName.c_str()));
    FTable = std::move(loaded);
    FPreset = -1;
}

std::optional<int> TFontDocument::FindPreset(const std::string& preset) const
{
    const TIntegerList& ids = FTable.PresetIds();
    if (ids.Count() == 0)
        return std::nullopt;
    if (preset.empty())
        return 0;
    for (int k = 0; k < ids.Count(); ++k)
        if (std::to_string(ids[k]) == preset)
            return k;
    const std::vector<std::string>& descriptions = FTable.PresetDescriptions();
    for (size_t k = 0; k < descriptions.size() && k < static_cast<size_t>(ids.Count()); ++k)
        if (strcasecmp(descriptions[k].c_str(), preset.c_str()) == 0)
            return static_cast<int>(k);
    return std::nullopt;
}

void TFontDocument::SelectPreset(int index)
{
    FPreset = index;
    // Entries before a bad line are in; the next generation draws from them.
    FGenerationPending = true;
    FTable.LoadTableSection(FTable.PresetIds()[index]);
}
