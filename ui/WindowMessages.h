#pragma once
// The main window's longer messages, put together from its controls' captions and the core's names.

#include <QString>

class QComboBox;
struct TGenerationStats;

// Why the type just left the fixed width, and the way back to it; Types is the type list.
QString FixedWidthFallbackMessage(const TGenerationStats& stats, int minWidth, int fixedMinWidth,
                                  const QComboBox& types);
// A dropped file that no kind opens, and the kinds a drop opens.
QString UnopenableDropMessage(const QString& fileName);
