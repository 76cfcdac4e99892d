#include "ui/ApplicationTitle.h"

#include <QGuiApplication>

// Qt appends the display name to window titles that do not end with it, so the
// title is kept there: a caption equal to it then shows unchanged.
QString ApplicationTitle()
{
    return QGuiApplication::applicationDisplayName();
}

void SetApplicationTitle(const QString& title)
{
    QGuiApplication::setApplicationDisplayName(title);
}
