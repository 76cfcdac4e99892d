#include "ui/SplashShape.h"

#include <QList>
#include <QRect>

QRegion BuildShapeRegion(const QImage& shape, QRgb key)
{
    const QImage image = shape.convertToFormat(QImage::Format_RGB32);
    const QRgb opaqueKey = key | 0xFF000000u;
    QList<QRect> rects;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x1 = 0;
        while (x1 < image.width()) {
            int x2 = x1;
            while (x2 + 1 < image.width() && row[x2 + 1] == row[x1])
                ++x2;
            if (row[x1] != opaqueKey) {
                // Neighbouring runs of other colours join: a region's rectangles may not abut.
                if (!rects.isEmpty() && rects.last().top() == y && rects.last().right() + 1 == x1)
                    rects.last().setRight(x2);
                else
                    rects.append(QRect(x1, y, x2 - x1 + 1, 1));
            }
            x1 = x2 + 1;
        }
    }
    QRegion region;
    region.setRects(rects.constData(), static_cast<int>(rects.size()));
    return region;
}
