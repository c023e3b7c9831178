#include "simulator/WineRegistryFile.h"

#include <QByteArray>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

// A key name as the file writes it: each backslash doubled.
QByteArray escaped(const QString &name)
{
    return name.toUtf8().replace("\\", "\\\\");
}

bool startsWithAnyCase(QByteArrayView line, QByteArrayView start)
{
    return line.size() >= start.size()
        && qstrnicmp(line.data(), start.size(), start.data(), start.size()) == 0;
}

// The text between the quotes that open `line`, with its escapes undone: \\,
// \" and \x with up to four hex digits, as Wine writes a character outside
// printable ASCII. `line` is moved past the closing quote. Nothing for any
// other escape or a missing quote.
std::optional<QString> quoted(QByteArrayView &line)
{
    if (!line.startsWith('"'))
        return {};
    QString result;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i] == '"') {
            line = line.sliced(i + 1);
            return result;
        }
        if (line[i] != '\\') {
            result += QChar::fromLatin1(line[i]);
            continue;
        }
        if (++i == line.size())
            return {};
        if (line[i] == '\\' || line[i] == '"') {
            result += QChar::fromLatin1(line[i]);
            continue;
        }
        if (line[i] != 'x')
            return {};
        const QByteArrayView hex = line.sliced(i + 1).first(std::min<qsizetype>(4, line.size() - i - 1));
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
    return {};
}

// A value line: "name"="text" or "name"=str(2):"text", and nothing after.
std::optional<WineRegistryString> stringValue(QByteArrayView line)
{
    WineRegistryString value;
    const std::optional<QString> name = quoted(line);
    if (!name || !line.startsWith('='))
        return {};
    value.name = *name;
    line = line.sliced(1);
    value.expandable = line.startsWith("str(2):");
    if (value.expandable)
        line = line.sliced(7);
    const std::optional<QString> text = quoted(line);
    if (!text || !line.isEmpty())
        return {};
    value.text = *text;
    return value;
}

} // namespace

QList<WineRegistryString> wineRegistryStrings(QByteArrayView file, const QStringList &keys)
{
    QList<QByteArray> headers;
    for (const QString &key : keys)
        headers << '[' + escaped(key) + ']';

    QList<WineRegistryString> strings;
    bool inKey = false;
    while (!file.isEmpty()) {
        const qsizetype end = file.indexOf('\n');
        const QByteArrayView line = file.first(end < 0 ? file.size() : end).trimmed();
        file = file.sliced(end < 0 ? file.size() : end + 1);
        if (line.startsWith('[')) {
            inKey = std::any_of(headers.cbegin(), headers.cend(),
                                [line](const QByteArray &header) { return startsWithAnyCase(line, header); });
        } else if (inKey) {
            if (std::optional<WineRegistryString> value = stringValue(line))
                strings << *value;
        }
    }
    return strings;
}
