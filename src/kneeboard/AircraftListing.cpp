#include "kneeboard/AircraftListing.h"

#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "files/LineScanner.h"
#include "files/OneLine.h"
#include "files/UnreadableNames.h"
#include "kneeboard/CfgRewrite.h"
#include "kneeboard/PlayerPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

QStringList AircraftListing::airFilesBelow(const QString &folder, QList<ListedAircraft> *unreadable,
                                           const std::function<bool()> &stopAsked)
{
    QStringList found;
    // Links to folders are not followed: no aircraft is met twice through them.
    QDirIterator below(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                       QDirIterator::Subdirectories);
    for (QString each = folder; !each.isNull(); each = below.hasNext() ? below.next() : QString()) {
        if (stopAsked && stopAsked())
            return {};
        for (const QString &name : unreadableNamesIn(each))
            unreadable->append({QDir::toNativeSeparators(each),
                                name,
                                {},
                                {},
                                QCoreApplication::translate("AircraftListing",
                                                            "its name is not in the encoding of file names "
                                                            "(UTF-8), so it cannot be read; rename it")});
        // By its name's end, not a name filter: a pattern for each of thousands of folders costs more.
        QDirIterator files(each, QDir::Files);
        while (files.hasNext()) {
            const QString file = files.next();
            if (file.endsWith(QLatin1String(".air"), Qt::CaseInsensitive))
                found.append(file);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

ListedAircraft AircraftListing::describe(const QString &airPath, QByteArray *cfg)
{
    const QFileInfo air(airPath);
    const QString folder = air.path();
    ListedAircraft aircraft{QDir::toNativeSeparators(air.path()), air.fileName(), {}, {}};
    FileError error;
    if (!readWholeFile(folder + QStringLiteral("/aircraft.cfg"), &content, &error)) {
        aircraft.problem = oneLine({error.message()});
        return aircraft;
    }
    if (cfg)
        *cfg = content;
    // Each page once, however many variations name it. The pages are read
    // after the lines: `content` is read into again.
    const int codePage = codePages.codePageOf(folder);
    QList<QByteArray> checklist;
    QList<QByteArray> reference;
    LineScanner lines(content);
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.nextLine();
        QList<QByteArray> *entries = isChecklistEntry(line) ? &checklist
            : isReferenceEntry(line)                        ? &reference
                                                            : nullptr;
        const qsizetype equals = line.indexOf('=');
        const QByteArrayView page = line.sliced(equals + 1).trimmed();
        if (entries && equals >= 0 && !entries->contains(page))
            entries->append(page.toByteArray());
    }
    for (const QByteArray &entry : checklist)
        aircraft.checklist.append(pageOf(folder, entry, codePage));
    for (const QByteArray &entry : reference)
        aircraft.reference.append(pageOf(folder, entry, codePage));
    return aircraft;
}

ListedPage AircraftListing::pageOf(const QString &folder, QByteArrayView entry, int codePage)
{
    ListedPage page{entry.toByteArray(), SimulatorCodePages::decode(entry, codePage)};
    QString name = page.text;
    if (!name.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive))
        name += QStringLiteral(".htm");
    const QString path = existingCaseOfPath(folder, name);
    FileError error;
    if (!QFileInfo::exists(path))
        page.state = ListedPage::State::Missing;
    else if (!readWholeFile(path, &content, &error))
        page = {page.name, page.text, ListedPage::State::Unreadable, oneLine({error.message()})};
    else
        page.state = holdsPlayer(content) ? ListedPage::State::Player : ListedPage::State::NoPlayer;
    return page;
}

bool ListedAircraft::holdsPlayer() const
{
    const auto player = [](const ListedPage &page) { return page.state == ListedPage::State::Player; };
    return std::any_of(checklist.cbegin(), checklist.cend(), player)
        || std::any_of(reference.cbegin(), reference.cend(), player);
}

QString stateWord(ListedPage::State state)
{
    switch (state) {
    case ListedPage::State::Player:
        return QStringLiteral("player");
    case ListedPage::State::NoPlayer:
        return QStringLiteral("no player");
    case ListedPage::State::Missing:
        return QStringLiteral("no page");
    case ListedPage::State::Unreadable:
        return QStringLiteral("unreadable");
    }
    Q_UNREACHABLE();
}
