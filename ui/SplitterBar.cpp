#include "ui/SplitterBar.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

TSplitterBar::TSplitterBar(QWidget* parent, std::function<void(int)> moved)
    : QWidget(parent)
    , FMoved(std::move(moved))
{
    setCursor(Qt::SizeVerCursor);
}

int TSplitterBar::ClampedHeight(int y, int parentHeight, int belowReserved)
{
    const int highest = std::max(MinSize, parentHeight - belowReserved - MinSize);
    return std::clamp(y, MinSize, highest);
}

void TSplitterBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FGrabY = event->position().toPoint().y();
}

void TSplitterBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || !FMoved)
        return;
    const int top = mapToParent(event->position().toPoint()).y() - FGrabY;
    if (top != y())
        FMoved(top);
}

void TSplitterBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // A row of dots in the middle shows that the bar can be dragged.
    constexpr int Dots = 9;
    constexpr int Spacing = 4;
    const int left = (width() - (Dots - 1) * Spacing) / 2;
    const int top = height() / 2 - 1;
    for (int k = 0; k < Dots; ++k)
        painter.fillRect(left + k * Spacing, top, 2, 2, palette().mid());
}
