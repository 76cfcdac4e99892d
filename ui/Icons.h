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
    OpenTable,
    FontDialog,
    ImportOptions,
};

constexpr int IconSize = 22;

QIcon MakeIcon(TIcon icon);
