#pragma once
// Where the program finds its default conversion table.

#include <QString>

// The program's own path with its extension replaced by the conversion tables' one.
QString DefaultTableFile();
