#pragma once
// The window's status bar: the statistics line, beside it why the font cannot be saved (when it
// cannot), the read-out of the glyph under the pointer, and the zoom box.

#include <QStatusBar>
#include <QString>

class QLabel;
struct TGenerationStats;

class TStatusLine : public QStatusBar {
    Q_OBJECT

public:
    // Zoom is the zoom box, placed at the right end.
    TStatusLine(QWidget* zoom, QWidget* parent);

    void ShowStatistics(const TGenerationStats& stats);
    void ShowReadOut(const QString& text);
    // 0: the statistics, 1: the read-out.
    QString PanelText(int panel) const;

private:
    QLabel* FPanels[2] = {nullptr, nullptr};
    QLabel* FSizeLimitPanel = nullptr;
};
