#include "console/ListCommand.h"

#include "console/CommandLineRequest.h"
#include "kneeboard/AircraftListing.h"
#include "simulator/SimulatorFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

// What the command line says, in the language spoken.
struct ListWords
{
    Q_DECLARE_TR_FUNCTIONS(ListCommand)
};

// The state of a page in the line: stateWord's, in the language spoken.
QString stateText(ListedPage::State state)
{
    switch (state) {
    case ListedPage::State::Player:
        return ListWords::tr("player");
    case ListedPage::State::NoPlayer:
        return ListWords::tr("no player");
    case ListedPage::State::Missing:
        return ListWords::tr("no page");
    case ListedPage::State::Unreadable:
        return ListWords::tr("unreadable");
    }
    Q_UNREACHABLE();
}

QString textOf(const QList<ListedPage> &pages)
{
    if (pages.isEmpty())
        return ListWords::tr("none");
    QStringList text;
    for (const ListedPage &page : pages) {
        text.append(QStringLiteral("%1 (%2)").arg(page.text, stateText(page.state)));
        if (!page.problem.isEmpty())
            text.last() += QStringLiteral(": ") + page.problem;
    }
    return text.join(QStringLiteral(", "));
}

QString textOf(const ListedAircraft &aircraft)
{
    const QString air = aircraft.folder + QDir::separator() + aircraft.airFile + QStringLiteral(": ");
    if (!aircraft.problem.isEmpty())
        return air + ListWords::tr("unreadable: %1").arg(aircraft.problem);
    return air
        + ListWords::tr("checklist %1; reference %2")
              .arg(textOf(aircraft.checklist), textOf(aircraft.reference));
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
            err << ListWords::tr("No FS2004 Aircraft folder was found: name the folders to list.")
                << Qt::endl;
    }
    int exitCode = 0;
    AircraftListing listing;
    QJsonArray json;
    qsizetype listed = 0;
    qsizetype withPlayer = 0;
    for (const QString &folder : folders) {
        if (!QFileInfo(folder).isDir()) {
            err << ListWords::tr("\"%1\" is not a folder.").arg(QDir::toNativeSeparators(folder)) << Qt::endl;
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
        out << ListWords::tr("%1 aircraft, %2 with the player.").arg(listed).arg(withPlayer) << '\n';
    out.flush();
    return exitCode;
}
