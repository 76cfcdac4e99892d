#include "ui/ProgramPaths.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "font/FileFormats.h"

QString DefaultTableFile()
{
    // The executable's resolved path, so a symbolic link to the program finds the table beside it.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return program.absolutePath() + QLatin1Char('/') + program.completeBaseName() +
           QString::fromStdString(TableFileKind().Extensions.front());
}
