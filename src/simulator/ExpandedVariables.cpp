#include "simulator/ExpandedVariables.h"

#include <QRegularExpression>

QString expandedVariables(const QString &text, const std::function<QString(const QString &name)> &valueOf)
{
    static const QRegularExpression variable(QStringLiteral("%([^%]+)%"));
    QString result;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &match : variable.globalMatch(text)) {
        const QString value = valueOf(match.captured(1));
        result += QStringView(text).sliced(from, match.capturedStart() - from);
        result += value.isEmpty() ? match.captured() : value;
        from = match.capturedEnd();
    }
    return result + text.sliced(from);
}
