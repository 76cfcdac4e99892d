#pragma once
// File dialog filters: "Desc|pat;pat|Desc2|pat" pairs as Qt name filters.

#include <QString>
#include <QStringList>

class QFileDialog;

// Each pair becomes "Desc (pat pat)": the description stays as written, even when it already
// shows patterns in parentheses, because Qt reads the patterns from the last parentheses only.
// A description without a pattern part matches every file.
QStringList ConvertFilter(const QString& filter);

// The dialog's filters, each shown by its description alone: the descriptions name their
// patterns themselves, and Qt would show them a second time.
void SetFileDialogFilter(QFileDialog& dialog, const QString& filter);
