#include "font/MtkFont.h"

#include "font/CoreText.h"
#include "font/Format.h"

TMtkFont::TMtkFont() = default;
TMtkFont::~TMtkFont() = default;

void TMtkFont::Clear()
{
    if (FGlyphs)
        FGlyphs->Clear();
    else
        NewGlyphList(GlyphListGrowBy);
    FCompression = 0;
    FHeight = 0;
    FBitsPerPixel = 0;
    FVariableWidth = false;
    FCutShortGlyphs = 0;
}

std::vector<std::unique_ptr<TGlyphBitmap>> TMtkFont::TakeGlyphs()
{
    std::vector<std::unique_ptr<TGlyphBitmap>> glyphs;
    if (FGlyphs)
        glyphs = FGlyphs->TakeItems();
    Clear();
    return glyphs;
}

void TMtkFont::NewGlyphList(int growBy)
{
    FGlyphs = std::make_unique<TBitmapList>(growBy > 0 ? growBy : 1);
}

int TMtkFont::AddGlyph(const TGlyphBitmap& bitmap, uint8_t padColor)
{
    if (!FGlyphs)
        NewGlyphList(GlyphListGrowBy);
    return FGlyphs->Add(bitmap, padColor);
}

int TMtkFont::AddGlyph(std::unique_ptr<TGlyphBitmap> bitmap, uint8_t padColor)
{
    if (!FGlyphs)
        NewGlyphList(GlyphListGrowBy);
    return FGlyphs->Add(std::move(bitmap), padColor);
}

int TMtkFont::GlyphCount() const
{
    return FGlyphs ? FGlyphs->Count() : 0;
}

const TGlyphBitmap* TMtkFont::GetGlyph(int index) const
{
    return FGlyphs ? FGlyphs->Item(index) : nullptr;
}

uint8_t TMtkFont::GetPadColor(int index) const
{
    return FGlyphs ? FGlyphs->PadColor(index) : 0;
}

TGlyphBitmap* TMtkFont::EditGlyph(int index)
{
    return FGlyphs ? FGlyphs->Item(index) : nullptr;
}

void TMtkFont::SetPadColor(int index, uint8_t padColor)
{
    if (FGlyphs)
        FGlyphs->SetPadColor(index, padColor);
}

TPaletteKind TMtkFont::GlyphPaletteKind() const
{
    return FBitsPerPixel == 1 ? TPaletteKind::TwoColor : TPaletteKind::FourColor;
}

std::string TMtkFont::ErrorMessage(int code, const std::string& detail)
{
    std::string message;
    switch (code) {
    case mfeNotMediatek: message = CORE_TEXT("CoreMessage", "Not a Mediatek FON file."); break;
    case mfeUnknownCompression: message = CORE_TEXT("CoreMessage", "Unknown compression type."); break;
    case mfeUnknownFontType: message = CORE_TEXT("CoreMessage", "Unknown font type."); break;
    default: message = StrFormat(CORE_TEXT("CoreMessage", "Error #%d."), code); break;
    }
    if (!detail.empty())
        message += " " + detail;
    return message;
}

void TMtkFont::ShowError(int code, const std::string& detail) const
{
    Report(ErrorMessage(code, detail));
}

void TMtkFont::Report(const std::string& message) const
{
    if (FMessageSink)
        FMessageSink(message);
}
