#pragma once
// The area below the pages: shows the window's cached preview image and reports the pointer.

#include <functional>

#include <QImage>
#include <QWidget>

class TPreviewArea : public QWidget {
    Q_OBJECT
public:
    // MouseMoved gets positions in this widget's coordinates.
    TPreviewArea(QWidget* parent, std::function<void(QPoint)> mouseMoved);

    // Shown from the area's top-left corner; a null image shows nothing.
    void SetImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage FScreenImage; // the preview converted once for fast painting
    std::function<void(QPoint)> FMouseMoved;
};
