#include "kneeboard/AircraftVariations.h"

#include "files/LineScanner.h"

#include <map>
#include <optional>

namespace {

// A section's variation while it is read, and which keys it has met.
struct ReadVariation
{
    AircraftVariation variation;
    bool hasTitle = false;
    bool hasManufacturer = false;
    bool hasTexture = false;
};

// The N of a "[fltsim.N]" line; nothing for any other line.
std::optional<int> fltsimNumberOf(QByteArrayView line)
{
    static constexpr QByteArrayView prefix = "fltsim.";
    const QByteArrayView name = line.sliced(1, line.indexOf(']') - 1).trimmed();
    if (name.size() <= prefix.size()
        || QByteArrayView(name.first(prefix.size())).compare(prefix, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    bool ok = false;
    const QByteArrayView digits = name.sliced(prefix.size());
    const int number = digits.toInt(&ok);
    if (!ok || number < 0 || digits.front() < '0' || digits.front() > '9')
        return std::nullopt;
    return number;
}

// A value as the simulator shows it: without one pair of double quotes
// around it, which many add-ons write.
QByteArrayView unquoted(QByteArrayView value)
{
    return value.size() >= 2 && value.startsWith('"') && value.endsWith('"')
        ? value.sliced(1, value.size() - 2)
        : value;
}

void setFirst(bool *met, QByteArray *value, QByteArrayView bytes)
{
    if (*met)
        return;
    *met = true;
    *value = bytes.toByteArray();
}

} // namespace

QList<AircraftVariation> variationsOf(QByteArrayView cfg)
{
    std::map<int, ReadVariation> sections;
    ReadVariation *current = nullptr;
    LineScanner lines(cfg);
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.nextLine().trimmed();
        if (line.startsWith('[') && line.contains(']')) {
            const std::optional<int> number = fltsimNumberOf(line);
            // A section named again adds nothing: the first is read.
            current = number && !sections.contains(*number) ? &sections[*number] : nullptr;
            continue;
        }
        if (!current)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArrayView key = line.first(equals).trimmed();
        const QByteArrayView value = line.sliced(equals + 1).trimmed();
        if (key.compare("title", Qt::CaseInsensitive) == 0)
            setFirst(&current->hasTitle, &current->variation.title, unquoted(value));
        else if (key.compare("ui_manufacturer", Qt::CaseInsensitive) == 0)
            setFirst(&current->hasManufacturer, &current->variation.manufacturer, unquoted(value));
        else if (key.compare("texture", Qt::CaseInsensitive) == 0)
            setFirst(&current->hasTexture, &current->variation.texture, value);
    }
    QList<AircraftVariation> variations;
    for (int number = 0; sections.contains(number); ++number)
        variations.append(sections[number].variation);
    return variations;
}
