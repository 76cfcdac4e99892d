// BMP strips from arbitrary bytes, decoded the way the open command decodes them.

#include <QByteArrayView>
#include <QImage>
#include <QtGlobal>

#include "font/Errors.h"
#include "font/MtkFont.h"

namespace {

// The import visits every pixel once; bigger pictures only repeat the same loops.
constexpr qint64 MaxPixelsImported = qint64{1} << 18;

QtMessageHandler QtHandler = nullptr;

// Qt's BMP reader warns about nearly every damaged file; a million such lines an hour
// would bury the fuzzer's own report.
void DropWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtWarningMsg)
        QtHandler(type, context, message);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QtHandler = qInstallMessageHandler(DropWarnings);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QImage image;
    image.loadFromData(QByteArrayView(data, static_cast<qsizetype>(size)), "BMP");
    if (qint64{image.width()} * image.height() > MaxPixelsImported)
        return 0;
    TMtkFont font;
    try {
        font.LoadFromBmp(image);
    } catch (const EGlyphForgeError&) {
    }
    return 0;
}
