#pragma once
// What glyphforge generate prints besides the statistics line: progress while it draws, and the
// report of the codes another font drew, no font covers or the cell clips.

#include "generate/Generator.h"

class TFontDocument;

// Progress on a terminal only, so redirected output stays clean.
TProgressCallback TerminalProgress();
void PrintReport(const TFontDocument& document);
