#pragma once
// The pictures of the 28 x 28 buttons, drawn by the program itself.

#include <QIcon>

enum class TIcon {
    OpenFont,
    SaveFont,
    ImportBmp,
    ExportBmp,
    ExportSeparateBmps,
    ImportText,
    ExportText,
    ImportBdf,
    ExportBdf,
    OpenTable,
    FontDialog,
    ImportOptions,
};

constexpr int IconSize = 22;

QIcon MakeIcon(TIcon icon);
