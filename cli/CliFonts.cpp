#include "cli/CliFonts.h"

#include "cli/CliArguments.h"
#include "cli/PictureModule.h"
#include "font/FileFormats.h"
#include "font/Format.h"
#include "font/MtkFont.h"

bool LoadInputFont(const std::string& command, TMtkFont& font, const std::string& path, bool acceptDamaged)
{
    font.SetMessageSink([command](const std::string& message) { PrintCommandError(command, message); });
    const TFontFormat& format = PictureModule().FontFormatForReading(path);
    if (!format.Read(font, path))
        return false;
    // An empty result would write empty or missing files; in a batch that must not pass as success.
    if (font.GlyphCount() == 0) {
        const std::string reason = format.EmptyReadReason.empty() ? "holds no glyphs" : format.EmptyReadReason;
        PrintCommandError(command, StrFormat("\"%s\" %s; nothing written", path.c_str(), reason.c_str()));
        return false;
    }
    if (font.CutShortGlyphs() > 0 && !acceptDamaged) {
        PrintCommandError(command, StrFormat("\"%s\" is damaged; nothing written (--accept-damaged takes what is "
                                             "there)",
                                             path.c_str()));
        return false;
    }
    return true;
}
