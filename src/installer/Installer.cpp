#include "installer/Installer.h"

#include "installer/CfgRewrite.h"
#include "dialogs/Dialogs.h"
#include "files/FileOperations.h"

namespace {
const QString programTitle = QStringLiteral("Skylyre Configurator");
const QString cfgTitle = QStringLiteral("Aircraft.cfg");
const QString errorTitle = QStringLiteral("Error");
constexpr int extensionLength = 4; // ".air"
} // namespace

Installer::Installer(Dialogs &dialogs, SimulatorSearch findSimulators)
    : CD(dialogs)
    , dialogs(dialogs)
    , findSimulators(std::move(findSimulators))
{
}

bool Installer::openCommand()
{
    CD.Filter = QStringLiteral("AIR Files (*.air)|*.air");
    CD.SidebarFolders = findSimulators();
    if (state.airOpened != 0)
        CD.InitDir = state.aircraftDir;
    else if (!CD.SidebarFolders.isEmpty())
        CD.InitDir = CD.SidebarFolders.constFirst().path;
    CD.ShowOpen();
    const QString title = CD.FileTitle();
    if (title.isEmpty())
        return false;
    if (title.size() <= extensionLength) {
        dialogs.messageBox(QStringLiteral("\"%1\" is too short to name an aircraft. "
                                          "Please choose the aircraft's .air file.")
                               .arg(title),
                           Dialogs::Buttons::Ok, errorTitle, Dialogs::Icon::Error);
        return false;
    }
    state.nameLength = qint16(title.size() - extensionLength);
    state.aircraftName = title.left(state.nameLength).toLower();
    state.aircraftDir = CD.FileName().left(CD.FileName().size() - title.size());
    state.airOpened = 1;
    return true;
}

void Installer::writeCommand(const InstallChoices &choices)
{
    if (state.airOpened == 0) {
        dialogs.messageBox(QStringLiteral("No AIR file has been opened."), Dialogs::Buttons::Ok, errorTitle, Dialogs::Icon::Error);
        return;
    }
    if (!choices.check && !choices.ref) {
        dialogs.messageBox(QStringLiteral("Please choose a File Option."), Dialogs::Buttons::Ok, programTitle);
        return;
    }
    if (!choices.newfile && !choices.addexist) {
        dialogs.messageBox(QStringLiteral("Pleae choose a Location."), Dialogs::Buttons::Ok, programTitle);
        return;
    }
    if (dialogs.messageBox(QStringLiteral("Are you sure you want to add the Skylyre? "
                                          "This option is not reversible."),
                           Dialogs::Buttons::OkCancel, programTitle)
        == Dialogs::Answer::Cancel)
        return;

    if (choices.newfile && choices.check)
        newWrite(QStringLiteral("check"));
    if (choices.newfile && choices.ref)
        newWrite(QStringLiteral("ref"));
    if (choices.addexist && choices.ref)
        addWrite(QStringLiteral("ref"));
    if (choices.addexist && choices.check)
        addWrite(QStringLiteral("check"));
}

void Installer::newWrite(const QString &CFileType)
{
    install(CFileType, TextFile::Output);
}

void Installer::addWrite(const QString &CFileType)
{
    install(CFileType, TextFile::Append);
}

void Installer::install(const QString &CFileType, TextFile::Mode pageMode)
{
    state.pagePath = state.aircraftDir + state.aircraftName + QLatin1Char('_') + CFileType
        + QStringLiteral(".htm");
    const QString cfgPath = state.aircraftDir + QStringLiteral("aircraft.cfg");

    if (!writePage(pageMode))
        return;

    if (dialogs.messageBox(QStringLiteral("Configure aircraft.cfg?"), Dialogs::Buttons::YesNo, cfgTitle) == Dialogs::Answer::No) {
        dialogs.messageBox(QStringLiteral("You will have to manually configure Aircraft.cfg for the "
                                          "respective aircraft. See Help for more information."),
                           Dialogs::Buttons::Ok, cfgTitle);
        return;
    }

    const bool backup = dialogs.messageBox(QStringLiteral("Backup aircraft.cfg? (Recommended)"),
                                           Dialogs::Buttons::YesNo, cfgTitle)
        == Dialogs::Answer::Yes;
    // aircraft.cfg is read once, for the backup and the passes alike.
    QByteArray cfg;
    FileError error;
    const bool read = backup
        ? copyFile(cfgPath, state.aircraftDir + QStringLiteral("aircraft.bak"), &cfg, &error)
        : readWholeFile(cfgPath, &cfg, &error);
    if (!read) {
        reportFailure(error);
        return;
    }
    const QByteArray txtGhostTxt = runPasses(CFileType, cfg);
    if (!writeWholeFile(cfgPath, txtGhostTxt, &error))
        reportFailure(error);
    state.entryFound = 0;
}

bool Installer::writePage(TextFile::Mode pageMode)
{
    if (channel.openTextFile(state.pagePath, pageMode) && channel.writeLine(state.playerCode)
        && channel.closeFile())
        return true;
    return reportFailure(channel.error());
}

QByteArray Installer::runPasses(const QString &CFileType, QByteArrayView cfg)
{
    const QByteArray pageStem = (state.aircraftName + QLatin1Char('_') + CFileType).toLocal8Bit();
    const CfgCensus census = censusOf(cfg);
    CfgPass pass = CfgPass::Checklist;
    if (CFileType != QLatin1String("check")) {
        // The reference pass, or, where it would meet no reference entry,
        // the insertion pass in its place.
        if (census.referenceLines > 0)
            state.entryFound = 99;
        pass = state.entryFound != 0 ? CfgPass::Reference : CfgPass::Insertion;
    }
    return rewriteCfg(pass, cfg, census, pageStem);
}

bool Installer::reportFailure(const FileError &error)
{
    dialogs.messageBox(error.message(), Dialogs::Buttons::Ok, errorTitle, Dialogs::Icon::Error);
    return false;
}
