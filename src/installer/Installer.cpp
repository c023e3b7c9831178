#include "installer/Installer.h"

#include "platform/Dialogs.h"
#include "platform/FileOperations.h"
#include "platform/MessageCodes.h"

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
                           MB_ICONERROR, errorTitle);
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
        dialogs.messageBox(QStringLiteral("No AIR file has been opened."), MB_ICONERROR, errorTitle);
        return;
    }
    if (!choices.check && !choices.ref) {
        dialogs.messageBox(QStringLiteral("Please choose a File Option."), MB_OK, programTitle);
        return;
    }
    if (!choices.newfile && !choices.addexist) {
        dialogs.messageBox(QStringLiteral("Pleae choose a Location."), MB_OK, programTitle);
        return;
    }
    if (dialogs.messageBox(QStringLiteral("Are you sure you want to add the Skylyre? "
                                          "This option is not reversible."),
                           MB_OKCANCEL, programTitle)
        == IDCANCEL)
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

    if (dialogs.messageBox(QStringLiteral("Configure aircraft.cfg?"), MB_YESNO, cfgTitle) == IDNO) {
        dialogs.messageBox(QStringLiteral("You will have to manually configure Aircraft.cfg for the "
                                          "respective aircraft. See Help for more information."),
                           MB_OK, cfgTitle);
        return;
    }

    if (dialogs.messageBox(QStringLiteral("Backup aircraft.cfg? (Recommended)"), MB_YESNO, cfgTitle)
        == IDYES) {
        FileError error;
        if (!copyFile(cfgPath, state.aircraftDir + QStringLiteral("aircraft.bak"), &error)) {
            reportFailure(error);
            return;
        }
    }

    if (runPasses(CFileType, cfgPath))
        writeBack(cfgPath);
    state.entryFound = 0;
}

bool Installer::writePage(TextFile::Mode pageMode)
{
    if (channel.openTextFile(state.pagePath, pageMode) && channel.writeLine(state.playerCode)
        && channel.closeFile())
        return true;
    return reportFailure(channel.error());
}

bool Installer::runPasses(const QString &CFileType, const QString &cfgPath)
{
    const QByteArray pageStem = (state.aircraftName + QLatin1Char('_') + CFileType).toLocal8Bit();
    if (CFileType == QLatin1String("check"))
        return runPass(CfgPass::Checklist, cfgPath, pageStem);
    if (!runPass(CfgPass::Reference, cfgPath, pageStem))
        return false;
    return state.entryFound != 0 || runPass(CfgPass::Insertion, cfgPath, pageStem);
}

bool Installer::runPass(CfgPass pass, const QString &cfgPath, const QByteArray &pageStem)
{
    txtGhostTxt.resize(0); // emptied, keeping its room for this pass
    if (!channel.openTextFile(cfgPath, TextFile::Input))
        return reportFailure(channel.error());
    // Room for the whole file with CR LF ends and some entries, so that the
    // buffer is not copied over and over as it grows.
    txtGhostTxt.reserve(channel.bytesLeft() + channel.bytesLeft() / 8 + 256);
    while (!channel.endOfFile()) {
        const QByteArrayView line = channel.nextLine();
        if (passMatches(pass, line)) {
            QByteArray changed = line.toByteArray();
            applyPass(pass, changed, pageStem);
            txtGhostTxt += changed;
            if (pass == CfgPass::Reference)
                state.entryFound = 99;
        } else {
            txtGhostTxt += line; // unchanged, byte for byte
        }
        txtGhostTxt += "\r\n";
    }
    return channel.closeFile() || reportFailure(channel.error());
}

bool Installer::writeBack(const QString &cfgPath)
{
    // The buffer already ends in CR LF; writeLine adds one more. It is handed
    // to the channel rather than copied: it is of no further use.
    if (channel.openTextFile(cfgPath, TextFile::Output)
        && channel.writeLineFrom(std::move(txtGhostTxt)) && channel.closeFile())
        return true;
    return reportFailure(channel.error());
}

bool Installer::reportFailure(const FileError &error)
{
    dialogs.messageBox(error.message(), MB_ICONERROR, errorTitle);
    return false;
}
