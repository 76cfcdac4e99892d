#include "font/FileIo.h"

#include <QFile>
#include <QSaveFile>

#include "font/CoreText.h"
#include "font/Errors.h"
#include "font/Format.h"

namespace {

QString ToQString(const std::string& fileName)
{
    return QString::fromStdString(fileName);
}

std::string Reason(const QFileDevice& file)
{
    return file.errorString().toStdString();
}

} // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& fileName)
{
    QFile file(ToQString(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(
            StrFormat(CORE_TEXT("CoreMessage", "Cannot open file \"%s\". %s"), fileName.c_str(), Reason(file).c_str()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFOpenError(
            StrFormat(CORE_TEXT("CoreMessage", "Cannot open file \"%s\". %s"), fileName.c_str(), Reason(file).c_str()));
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void WriteFileAtomically(const std::string& fileName, std::span<const uint8_t> data)
{
    QSaveFile file(ToQString(fileName));
    if (!file.open(QIODevice::WriteOnly))
        throw EFCreateError(StrFormat(CORE_TEXT("CoreMessage", "Cannot create file \"%s\". %s"), fileName.c_str(),
                                      Reason(file).c_str()));
    const qint64 size = static_cast<qint64>(data.size());
    if (size > 0 && file.write(reinterpret_cast<const char*>(data.data()), size) != size) {
        const std::string reason = Reason(file);
        file.cancelWriting();
        throw EWriteError(
            StrFormat(CORE_TEXT("CoreMessage", "Error writing file \"%s\". %s"), fileName.c_str(), reason.c_str()));
    }
    if (!file.commit())
        throw EWriteError(StrFormat(CORE_TEXT("CoreMessage", "Error writing file \"%s\". %s"), fileName.c_str(),
                                    Reason(file).c_str()));
}

std::vector<std::string> SplitLines(std::span<const uint8_t> text)
{
    std::vector<std::string> lines;
    const char* const end = reinterpret_cast<const char*>(text.data()) + text.size();
    const char* lineStart = reinterpret_cast<const char*>(text.data());
    for (const char* c = lineStart; c < end; ++c) {
        if (*c != '\r' && *c != '\n')
            continue;
        lines.emplace_back(lineStart, c);
        if (*c == '\r' && c + 1 < end && c[1] == '\n')
            ++c;
        lineStart = c + 1;
    }
    if (lineStart < end)
        lines.emplace_back(lineStart, end);
    return lines;
}

std::vector<std::string> LoadTextLines(const std::string& fileName)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(fileName);
    return SplitLines(bytes);
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void SaveTextLines(const std::string& fileName, const std::vector<std::string>& lines)
{
    const std::string text = JoinLines(lines);
    WriteFileAtomically(fileName, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}
