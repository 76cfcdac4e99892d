#pragma once
// Where the program finds its default conversion table.

#include <QString>

// The program's own path with its extension replaced by ".ini".
QString DefaultTableFile();
