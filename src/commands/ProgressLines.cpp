#include "commands/ProgressLines.h"

#include <QTextStream>

ProgressLines::ProgressLines(QTextStream &out, qsizetype total)
    : out(out)
    , total(total)
{
}

void ProgressLines::print(const QString &path, const QString &what)
{
    ++number;
    out << '[' << number << '/' << total << "] " << path << ": " << what << Qt::endl;
}

QString oneLine(const QStringList &messages)
{
    QString line = messages.join(QLatin1Char(' '));
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}
