#pragma once
// JPEG pictures decoded with libjpeg, whatever image plugins Qt has.

#include <QByteArray>
#include <QImage>

// An RGB888 image. Throws EInvalidGraphic "JPEG image is not valid. <reason>".
QImage DecodeJpeg(const QByteArray& data);
