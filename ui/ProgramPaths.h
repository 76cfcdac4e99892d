#pragma once
// Where the program finds its default conversion table and its translations.

#include <QString>

// The program's own path with its extension replaced by the conversion tables' one.
QString DefaultTableFile();

// The folder of the window's translations: beside the program in the build tree, in the shared
// data folder once installed.
QString TranslationsFolder();
