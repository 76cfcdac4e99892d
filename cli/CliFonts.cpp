#include "cli/CliFonts.h"

#include "cli/CliArguments.h"
#include "cli/PictureModule.h"
#include "font/Format.h"
#include "font/MtkFont.h"

bool LoadInputFont(const std::string& command, TMtkFont& font, const std::string& path, bool acceptDamaged)
{
    font.SetMessageSink([command](const std::string& message) { PrintCommandError(command, message); });
    if (!PictureModule().LoadFontFile(font, path))
        return false;
    // An empty result would write empty or missing files; in a batch that must not pass as success.
    if (font.GlyphCount() == 0) {
        PrintCommandError(command, StrFormat("\"%s\" holds no glyphs; nothing written", path.c_str()));
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
