#pragma once
// What a font form lets the user choose before it is read or written, asked through the
// dialog seam: the font type of a 1-bit BDF of one width, the depth of a 4-colour BDF export.
// Forms without a choice ask nothing; none means the user cancelled.

#include <optional>
#include <string>

#include "font/FileFormats.h"

class QWidget;
class TDialogSeam;

std::optional<TFontReadSettings> AskReadSettings(TDialogSeam& dialogs, QWidget* parent, const TFontFormat& format,
                                                 const std::string& path);
std::optional<TBdfDepth> AskWriteDepth(TDialogSeam& dialogs, QWidget* parent, const TFontFormat& format,
                                       const TMtkFont& font);
