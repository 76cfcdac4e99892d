#include "ui/PreviewArea.h"

#include <QMouseEvent>
#include <QPainter>

TPreviewArea::TPreviewArea(QWidget* parent, std::function<void(QPoint)> mouseMoved)
    : QWidget(parent)
    , FMouseMoved(std::move(mouseMoved))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TPreviewArea::SetImage(const QImage& image)
{
    FScreenImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    update();
}

void TPreviewArea::paintEvent(QPaintEvent* event)
{
    if (FScreenImage.isNull())
        return;
    QPainter painter(this);
    const QRect exposed = event->rect() & FScreenImage.rect();
    painter.drawImage(exposed.topLeft(), FScreenImage, exposed);
}

void TPreviewArea::mouseMoveEvent(QMouseEvent* event)
{
    if (FMouseMoved)
        FMouseMoved(event->position().toPoint());
}
