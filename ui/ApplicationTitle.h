#pragma once
// The application title: the main window's caption and the caption of every message box.

#include <QString>

QString ApplicationTitle();
void SetApplicationTitle(const QString& title);
