#include "ui/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "font/FileFormats.h"

QString DefaultTableFile()
{
    // The executable's resolved path, so a symbolic link to the program finds the table beside it.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return program.absolutePath() + QLatin1Char('/') + program.completeBaseName() +
           QString::fromStdString(TableFileKind().Extensions.front());
}

QString TranslationsFolder()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(QStringLiteral("translations"));
    if (QFileInfo(beside).isDir())
        return beside;
    // Set with the install rules, relative to the installed program's folder.
    return QDir::cleanPath(programFolder.filePath(QStringLiteral(GLYPHFORGE_INSTALLED_TRANSLATIONS)));
}
