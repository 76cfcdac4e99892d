#pragma once
// The window's status bar: the statistics line, beside it how many glyphs the cell clips, why the
// font cannot be saved (each when there is something to say) and a note on what a command just did,
// the read-out of the glyph under the pointer, and the zoom box.

#include <QStatusBar>
#include <QString>

class QLabel;
class QTimer;
struct TGenerationStats;

class TStatusLine : public QStatusBar {
    Q_OBJECT

public:
    // Zoom is the zoom box, placed at the right end.
    TStatusLine(QWidget* zoom, QWidget* parent);

    void ShowStatistics(const TGenerationStats& stats);
    void ShowReadOut(const QString& text);
    // What a command just did, beside the statistics for a few seconds.
    void ShowNote(const QString& text);
    // 0: the statistics, 1: the read-out.
    QString PanelText(int panel) const;

private:
    QLabel* FPanels[2] = {nullptr, nullptr};
    QLabel* FSizeLimitPanel = nullptr;
    QLabel* FClippedPanel = nullptr;
    QLabel* FNotePanel = nullptr;
    QTimer* FNoteTimer = nullptr;
};
