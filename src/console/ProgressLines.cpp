#include "console/ProgressLines.h"

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
