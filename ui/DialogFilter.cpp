#include "ui/DialogFilter.h"

#include <QFileDialog>
#include <QRegularExpression>

#include "ui/DialogSeam.h"

namespace {

// The patterns of every pair that name an extension ("*.ext"), not those matching any file.
QStringList ExtensionPatterns(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 1; i < parts.size(); i += 2)
        for (const QString& pattern : parts[i].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (const QString trimmed = pattern.trimmed(); trimmed != QStringLiteral("*") && trimmed != QStringLiteral("*.*"))
                result << trimmed;
    return result;
}

bool OffersName(const QString& filter, const QString& name)
{
    for (const QString& pattern : ExtensionPatterns(filter))
        if (QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive).match(name).hasMatch())
            return true;
    return false;
}

// The name's extension: a short run of letters and digits after its last dot; empty when none.
QString ExtensionOf(const QString& name)
{
    static const QRegularExpression extension(QStringLiteral("\\.([A-Za-z0-9]{1,5})$"));
    return extension.match(name).captured(1);
}

} // namespace

QStringList ConvertFilter(const QString& filter)
{
    QStringList result;
    if (filter.isEmpty())
        return result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QStringList patterns;
        if (i + 1 < parts.size())
            patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        patterns.removeAll(QString());
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        result << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return result;
}

void SetFileDialogFilter(QFileDialog& dialog, const QString& filter)
{
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(ConvertFilter(filter));
}

void TFileDialogSpec::SetUp(const QString& title, const QString& filter, const QString& defaultExt)
{
    Title = title;
    Filter = filter;
    DefaultExt = defaultExt;
    const qsizetype nameStart = FileName.lastIndexOf(QLatin1Char('/')) + 1;
    const QString name = FileName.mid(nameStart);
    if (name.isEmpty() || defaultExt.isEmpty() || OffersName(filter, name))
        return;
    const QString extension = ExtensionOf(name);
    const QString stem = extension.isEmpty() ? name : name.chopped(extension.size() + 1);
    FileName = FileName.left(nameStart) + stem + QLatin1Char('.') + defaultExt;
}
