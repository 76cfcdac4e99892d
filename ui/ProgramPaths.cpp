#include "ui/ProgramPaths.h"

#include <QCoreApplication>
#include <QFileInfo>

QString DefaultTableFile()
{
    // The executable's resolved path, so a symbolic link to the program finds the table beside it.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return program.absolutePath() + QLatin1Char('/') + program.completeBaseName() + QStringLiteral(".ini");
}
