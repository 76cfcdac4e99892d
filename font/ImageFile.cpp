#include "font/ImageFile.h"

#include <span>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/FileIo.h"
#include "font/Format.h"

void SaveImageFile(const QImage& image, const std::string& fileName, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw EFCreateError(
            StrFormat(CORE_TEXT("CoreMessage", "Cannot create file \"%s\". The %s picture could not be encoded."),
                      fileName.c_str(), format));
    WriteFileAtomically(fileName, std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                            static_cast<size_t>(bytes.size())));
}
