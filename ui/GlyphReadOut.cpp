#include "ui/GlyphReadOut.h"

#include <QCoreApplication>

QString HexCode(unsigned value)
{
    return QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString GlyphReadOut(int index, uint16_t unicode, int width)
{
    return QCoreApplication::translate("TGlyphReadOut", "Character = %1 (0x%2), Unicode = %3 (0x%4), Width = %5")
        .arg(QString::number(index), HexCode(static_cast<unsigned>(index)), QString::number(unicode),
             HexCode(unicode), QString::number(width));
}
