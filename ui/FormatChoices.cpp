#include "ui/FormatChoices.h"

#include <QCoreApplication>

#include "font/BdfReader.h"
#include "font/MtkFont.h"
#include "ui/DialogSeam.h"

std::optional<TFontReadSettings> AskReadSettings(TDialogSeam& dialogs, QWidget* parent, const TFontFormat& format,
                                                 const std::string& path)
{
    if (format.Id != TFontFormatId::Bdf)
        return TFontReadSettings{};
    // Read once to look; a file the reader refuses is refused by the import after this.
    const TBdfFont bdf = ReadBdfFile(path);
    if (bdf.BitsPerPixel != 1 || !bdf.OneWidth())
        return TFontReadSettings{};
    const std::optional<int> choice = dialogs.ChooseOne(
        parent,
        QCoreApplication::translate("TFormatChoices", "The BDF font has 1 bit per pixel and every glyph is %1 pixels "
                                                      "wide. Which font type should it become?")
            .arg(bdf.Glyphs.front().Width),
        {QCoreApplication::translate("TCreationPage", "2 color uncompr., fix width"),
         QCoreApplication::translate("TFormatChoices", "4 color compr., variable width")});
    if (!choice)
        return std::nullopt;
    return TFontReadSettings{*choice == 0};
}

std::optional<TBdfDepth> AskWriteDepth(TDialogSeam& dialogs, QWidget* parent, const TFontFormat& format,
                                       const TMtkFont& font)
{
    if (format.Id != TFontFormatId::Bdf || font.FBitsPerPixel == 1)
        return TBdfDepth::AsFont;
    const std::optional<int> choice = dialogs.ChooseOne(
        parent, QCoreApplication::translate("TFormatChoices", "How many bits per pixel should the BDF font have?"),
        {QCoreApplication::translate("TFormatChoices", "2 bits: all four colours"),
         QCoreApplication::translate("TFormatChoices", "1 bit: ink and outline, for readers that know only 1 bit")});
    if (!choice)
        return std::nullopt;
    return *choice == 0 ? TBdfDepth::AsFont : TBdfDepth::OneBit;
}
