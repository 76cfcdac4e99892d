#pragma once
// The application title: the main window's caption and the caption of every message box.

#include <QString>

// What the splash window sets it to.
inline constexpr char ProgramTitle[] = "GlyphForgeTool 0.6.4 by Brimwick (aka Sorrel)";

QString ApplicationTitle();
void SetApplicationTitle(const QString& title);
