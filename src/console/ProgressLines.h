#pragma once

#include <QString>

class QTextStream;

// What the commands print of each aircraft as they go: "[3/40] <path>: <what>",
// the path as the command line gave it.
class ProgressLines
{
public:
    ProgressLines(QTextStream &out, qsizetype total);

    void print(const QString &path, const QString &what);

private:
    QTextStream &out;
    qsizetype total;
    qsizetype number = 0;
};
