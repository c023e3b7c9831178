#include "files/OneLine.h"

QString oneLine(const QStringList &messages)
{
    QString line = messages.join(QLatin1Char(' '));
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}
