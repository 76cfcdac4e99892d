// BMP strips from arbitrary bytes, decoded the way the open command decodes them.

#include <QByteArrayView>
#include <QImage>

#include "font/Errors.h"
#include "font/MtkFont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QImage image;
    image.loadFromData(QByteArrayView(data, static_cast<qsizetype>(size)), "BMP");
    TMtkFont font;
    try {
        font.LoadFromBmp(image);
    } catch (const EGlyphForgeError&) {
    }
    return 0;
}
