#include "commands/ProgressLines.h"

#include <QDir>
#include <QTextStream>

ProgressLines::ProgressLines(QTextStream &out, qsizetype total)
    : out(out)
    , total(total)
{
}

void ProgressLines::print(const QString &path, const QString &what)
{
    ++number;
    out << '[' << number << '/' << total << "] " << QDir::toNativeSeparators(path) << ": " << what
        << Qt::endl;
}

QString oneLine(const QStringList &messages)
{
    QString line = messages.join(QLatin1Char(' '));
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}
