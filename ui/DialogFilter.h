#pragma once
// File dialog filters: "Desc|pat;pat|Desc2|pat" pairs as Qt name filters.

#include <QString>
#include <QStringList>

// Each pair becomes "Desc (pat pat)": the description stays as written, even when it already
// shows patterns in parentheses, because Qt reads the patterns from the last parentheses only.
// A description without a pattern part matches every file.
QStringList ConvertFilter(const QString& filter);
