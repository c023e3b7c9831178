#include "console/ListCommand.h"

#include "console/CommandLineRequest.h"
#include "kneeboard/AircraftListing.h"
#include "simulator/SimulatorFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

QString textOf(const QList<ListedPage> &pages)
{
    if (pages.isEmpty())
        return QStringLiteral("none");
    QStringList text;
    for (const ListedPage &page : pages) {
        text.append(QStringLiteral("%1 (%2)").arg(page.text, stateWord(page.state)));
        if (!page.problem.isEmpty())
            text.last() += QStringLiteral(": ") + page.problem;
    }
    return text.join(QStringLiteral(", "));
}

QString textOf(const ListedAircraft &aircraft)
{
    const QString air = aircraft.folder + QDir::separator() + aircraft.airFile + QStringLiteral(": ");
    if (!aircraft.problem.isEmpty())
        return air + QStringLiteral("unreadable: ") + aircraft.problem;
    return air + QStringLiteral("checklist ") + textOf(aircraft.checklist) + QStringLiteral("; reference ")
        + textOf(aircraft.reference);
}

QJsonArray jsonOf(const QList<ListedPage> &pages)
{
    QJsonArray json;
    for (const ListedPage &page : pages) {
        QJsonObject entry{{QStringLiteral("page"), page.text},
                          {QStringLiteral("state"), stateWord(page.state)},
                          {QStringLiteral("player"), page.state == ListedPage::State::Player}};
        if (!page.problem.isEmpty())
            entry.insert(QStringLiteral("problem"), page.problem);
        json.append(entry);
    }
    return json;
}

QJsonObject jsonOf(const ListedAircraft &aircraft)
{
    QJsonObject json{{QStringLiteral("folder"), aircraft.folder},
                     {QStringLiteral("air"), aircraft.airFile},
                     {QStringLiteral("checklist"), jsonOf(aircraft.checklist)},
                     {QStringLiteral("reference"), jsonOf(aircraft.reference)}};
    if (!aircraft.problem.isEmpty())
        json.insert(QStringLiteral("problem"), aircraft.problem);
    return json;
}

} // namespace

int runList(const CommandLineRequest &request, QTextStream &out, QTextStream &err)
{
    QStringList folders = request.paths;
    if (folders.isEmpty()) {
        for (const LabelledFolder &folder : findSimulatorFolders())
            folders.append(folder.path);
        if (folders.isEmpty())
            err << "No FS2004 Aircraft folder was found: name the folders to list." << Qt::endl;
    }
    int exitCode = 0;
    AircraftListing listing;
    QJsonArray json;
    qsizetype listed = 0;
    qsizetype withPlayer = 0;
    for (const QString &folder : folders) {
        if (!QFileInfo(folder).isDir()) {
            err << QStringLiteral("\"%1\" is not a folder.").arg(QDir::toNativeSeparators(folder))
                << Qt::endl;
            exitCode = 1;
            continue;
        }
        QList<ListedAircraft> found;
        for (const QString &air : AircraftListing::airFilesBelow(folder, &found))
            found.append(listing.describe(air));
        for (const ListedAircraft &aircraft : found) {
            ++listed;
            withPlayer += aircraft.holdsPlayer() ? 1 : 0;
            exitCode = aircraft.problem.isEmpty() ? exitCode : 1;
            if (request.json)
                json.append(jsonOf(aircraft));
            else
                out << textOf(aircraft) << '\n';
        }
    }
    if (request.json)
        out << QJsonDocument(json).toJson();
    else
        out << QStringLiteral("%1 aircraft, %2 with the player.").arg(listed).arg(withPlayer) << '\n';
    out.flush();
    return exitCode;
}
