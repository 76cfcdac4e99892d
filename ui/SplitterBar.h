#pragma once
// The bar between the pages and the preview. Dragging it resizes the control above it live.

#include <functional>

#include <QWidget>

class TSplitterBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinSize = 30; // the least either side keeps
    static constexpr int Thickness = 6; // enough to grab

    // Moved gets the new height of the control above the bar.
    TSplitterBar(QWidget* parent, std::function<void(int)> moved);

    // The height the control above may take when the bar's top goes to Y in parent coordinates.
    static int ClampedHeight(int y, int parentHeight, int belowReserved);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(int)> FMoved;
    int FGrabY = 0;
};
