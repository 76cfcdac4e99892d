#pragma once
// The application title: the main window's caption and the caption of every message box.

#include <QString>

// The program's name and version, which no language changes.
inline constexpr char ProgramNameAndVersion[] = "GlyphForgeTool 0.6.4";
// What the splash window sets it to, in English.
inline constexpr char ProgramTitle[] = "GlyphForgeTool 0.6.4 by Brimwick (aka Sorrel)";

// ProgramTitle in the window's language: only the words around the names change.
QString TranslatedProgramTitle();
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);
