#include "ui/WindowMessages.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QStringList>

#include "font/FileFormats.h"
#include "generate/Generator.h"
#include "ui/CoreText.h"

namespace {

// Every kind a drop opens: "A, B or C".
QString ReadableKindsText()
{
    QStringList kinds;
    for (const TFontFormat& readable : FontFormats())
        if (readable.Read)
            kinds << CoreText(readable.DescriptionWithExtensions());
    kinds << CoreText(TableFileKind().DescriptionWithExtensions());
    QString text = kinds.front();
    for (qsizetype k = 1; k < kinds.size(); ++k)
        text = (k + 1 == kinds.size() ? QCoreApplication::translate("TfrmMain", "%1 or %2")
                                      : QCoreApplication::translate("TfrmMain", "%1, %2"))
                   .arg(text, kinds[k]);
    return text;
}

} // namespace

QString FixedWidthFallbackMessage(const TGenerationStats& stats, int minWidth, int fixedMinWidth,
                                  const QComboBox& types)
{
    return QCoreApplication::translate("TfrmMain",
                                       "Character %1 is %2 pixels wide, wider than \"%3\" %4, so the font type went "
                                       "back to \"%5\". Choose \"%6\" again: it raises \"%3\" to %7.")
        .arg(QString::number(stats.FMaxWidthChar), QString::number(stats.FMaxGlyphWidth),
             QCoreApplication::translate("TGenerationOptionsPanel", "Min width:"), QString::number(minWidth),
             types.itemText(ftFourColorOld), types.itemText(ftTwoColorFixed), QString::number(fixedMinWidth));
}

QString UnopenableDropMessage(const QString& fileName)
{
    return QCoreApplication::translate("TfrmMain", "\"%1\" cannot be opened here. Drop %2.")
        .arg(fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1), ReadableKindsText());
}
