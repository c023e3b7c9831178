#include "console/CommandLineRequest.h"

#include "about/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Command = CommandLineRequest::Command;

struct CommandName
{
    const char *name;
    Command command;
    QStringList options; // those it takes
};

const std::vector<CommandName> &commandNames()
{
    static const std::vector<CommandName> names = {
        {"list", Command::List, {"json"}},
        {"install",
         Command::Install,
         {"checklist", "reference", "new", "add", "backup", "no-backup", "no-cfg"}},
        {"remove", Command::Remove, {"checklist", "reference"}},
    };
    return names;
}

// What the command line says, in the language spoken.
struct CommandLineWords
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineRequest)
};

ParsedCommandLine usageError(const QString &reason)
{
    return {ParsedCommandLine::Kind::UsageError, {}, reason};
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    setUpCommandLine(
        parser,
        QT_TRANSLATE_NOOP("CommandLine",
                          "Lists the FS2004 aircraft that hold the Skylyre music player in their "
                          "kneeboard, installs it into any number of aircraft and removes it "
                          "again."));
    parser.addOptions({
        {QStringLiteral("checklist"), CommandLineWords::tr("install, remove: the Checklist section.")},
        {QStringLiteral("reference"), CommandLineWords::tr("install, remove: the Reference section.")},
        {QStringLiteral("new"), CommandLineWords::tr("install: a page of its own (New File).")},
        {QStringLiteral("add"),
         CommandLineWords::tr("install: added to the aircraft's page (Add to existing).")},
        {QStringLiteral("backup"),
         CommandLineWords::tr("install: aircraft.cfg backed up to aircraft.bak (the default).")},
        {QStringLiteral("no-backup"), CommandLineWords::tr("install: no backup of aircraft.cfg.")},
        {QStringLiteral("no-cfg"),
         CommandLineWords::tr("install: the page alone, aircraft.cfg left as it is.")},
        {QStringLiteral("json"), CommandLineWords::tr("list: JSON, for scripts.")},
    });
    parser.addPositionalArgument(QStringLiteral("command"), CommandLineWords::tr("list, install or remove."),
                                 QStringLiteral("list|install|remove"));
    parser.addPositionalArgument(
        QStringLiteral("paths"),
        CommandLineWords::tr("list: the folders to search (by default every FS2004 Aircraft folder found); "
                             "install, remove: the .air files."),
        QStringLiteral("[FOLDER...|AIR...]"));
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return {ParsedCommandLine::Kind::Help, {}, parser.helpText()};
    if (parser.isSet(QStringLiteral("version")))
        return {ParsedCommandLine::Kind::Version,
                {},
                QCoreApplication::applicationName() + QLatin1Char(' ')
                    + QCoreApplication::applicationVersion()};

    QStringList paths = parser.positionalArguments();
    if (paths.isEmpty())
        return usageError(CommandLineWords::tr("No command given: list, install or remove."));
    const QString name = paths.takeFirst();
    const auto found =
        std::find_if(commandNames().cbegin(), commandNames().cend(),
                     [&](const CommandName &command) { return name == QLatin1String(command.name); });
    if (found == commandNames().cend())
        return usageError(CommandLineWords::tr("Unknown command '%1': list, install or remove.").arg(name));
    for (const QString &option : parser.optionNames()) {
        if (!found->options.contains(option) && option != QLatin1String("language"))
            return usageError(CommandLineWords::tr("%1 does not take --%2.").arg(name, option));
    }

    CommandLineRequest request;
    request.command = found->command;
    request.paths = std::move(paths);
    InstallChoices &choices = request.choices;
    choices.checklist = parser.isSet(QStringLiteral("checklist"));
    choices.reference = parser.isSet(QStringLiteral("reference"));
    choices.newFile = parser.isSet(QStringLiteral("new"));
    choices.addToExisting = parser.isSet(QStringLiteral("add"));
    choices.configureCfg = !parser.isSet(QStringLiteral("no-cfg"));
    choices.backupCfg = choices.configureCfg && !parser.isSet(QStringLiteral("no-backup"));
    request.json = parser.isSet(QStringLiteral("json"));
    if (request.command == Command::List)
        return {ParsedCommandLine::Kind::Request, request};
    if (request.paths.isEmpty())
        return usageError(CommandLineWords::tr("%1 needs the .air file of at least one aircraft.").arg(name));
    if (request.command == Command::Remove) {
        // Neither section: both.
        if (!choices.checklist && !choices.reference)
            choices.checklist = choices.reference = true;
        return {ParsedCommandLine::Kind::Request, request};
    }
    if (!choices.checklist && !choices.reference)
        return usageError(CommandLineWords::tr("install needs --checklist or --reference."));
    if (!choices.newFile && !choices.addToExisting)
        return usageError(CommandLineWords::tr("install needs --new or --add."));
    if (parser.isSet(QStringLiteral("backup")) && parser.isSet(QStringLiteral("no-backup")))
        return usageError(CommandLineWords::tr("install takes --backup or --no-backup, not both."));
    if (parser.isSet(QStringLiteral("backup")) && !choices.configureCfg)
        return usageError(CommandLineWords::tr(
            "install --no-cfg leaves aircraft.cfg as it is: there is no backup to make."));
    return {ParsedCommandLine::Kind::Request, request};
}
