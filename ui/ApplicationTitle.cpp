#include "ui/ApplicationTitle.h"

namespace {

// Kept apart from Qt's application display name, which Qt would append to the caption of
// every other window.
QString& Title()
{
    static QString title;
    return title;
}

} // namespace

QString ApplicationTitle()
{
    return Title();
}

void SetApplicationTitle(const QString& title)
{
    Title() = title;
}
