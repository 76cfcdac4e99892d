#include "ui/ApplicationTitle.h"

#include <QCoreApplication>

namespace {

// Kept apart from Qt's application display name, which Qt would append to the caption of
// every other window.
QString& Title()
{
    static QString title;
    return title;
}

} // namespace

QString TranslatedProgramTitle()
{
    return QCoreApplication::translate("ApplicationTitle", "%1 by %2 (aka %3)")
        .arg(QLatin1String(ProgramNameAndVersion), QStringLiteral("Brimwick"), QStringLiteral("Sorrel"));
}

QString ApplicationTitle()
{
    return Title();
}

void SetApplicationTitle(const QString& title)
{
    Title() = title;
}
