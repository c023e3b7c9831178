#include "simulator/WineRegistryFile.h"

#include <QByteArray>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

// A key or value name as the file writes it: each backslash doubled.
QByteArray escaped(const QString &name)
{
    return name.toUtf8().replace("\\", "\\\\");
}

bool startsWithAnyCase(QByteArrayView line, QByteArrayView start)
{
    return line.size() >= start.size()
        && qstrnicmp(line.data(), start.size(), start.data(), start.size()) == 0;
}

// The text between a value's quotes with its escapes undone: \\, \" and \x
// with up to four hex digits, as Wine writes a character outside printable
// ASCII. Nothing for any other escape.
std::optional<QString> unescaped(QByteArrayView text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            result += QChar::fromLatin1(text[i]);
            continue;
        }
        if (++i == text.size())
            return {};
        if (text[i] == '\\' || text[i] == '"') {
            result += QChar::fromLatin1(text[i]);
            continue;
        }
        if (text[i] != 'x')
            return {};
        const QByteArrayView hex = text.sliced(i + 1).first(std::min<qsizetype>(4, text.size() - i - 1));
        qsizetype digits = 0;
        while (digits < hex.size() && std::isxdigit(uchar(hex[digits])))
            ++digits;
        bool ok = false;
        const uint code = hex.first(digits).toUInt(&ok, 16);
        if (!ok)
            return {};
        result += QChar(char16_t(code));
        i += digits;
    }
    return result;
}

} // namespace

QStringList wineRegistryStrings(QByteArrayView file, const QStringList &keys, const QString &value)
{
    QList<QByteArray> headers;
    for (const QString &key : keys)
        headers << '[' + escaped(key) + ']';
    const QByteArray valueStart = '"' + escaped(value) + "\"=\"";

    QStringList strings;
    bool inKey = false;
    while (!file.isEmpty()) {
        const qsizetype end = file.indexOf('\n');
        const QByteArrayView line = file.first(end < 0 ? file.size() : end).trimmed();
        file = file.sliced(end < 0 ? file.size() : end + 1);
        if (line.startsWith('[')) {
            inKey = std::any_of(headers.cbegin(), headers.cend(),
                                [line](const QByteArray &header) { return startsWithAnyCase(line, header); });
        } else if (inKey && startsWithAnyCase(line, valueStart) && line.size() > valueStart.size()
                   && line.endsWith('"')) {
            const auto text = unescaped(line.sliced(valueStart.size()).chopped(1));
            if (text)
                strings << *text;
        }
    }
    return strings;
}
