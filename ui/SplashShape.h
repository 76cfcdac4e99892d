#pragma once
// The outline of a shaped window, taken from a picture with a key colour.

#include <QImage>
#include <QRegion>
#include <QRgb>

constexpr QRgb SplashKeyColor = qRgb(255, 0, 255);

// Every pixel whose colour is not exactly the key, gathered row by row in runs of one colour.
QRegion BuildShapeRegion(const QImage& shape, QRgb key = SplashKeyColor);
