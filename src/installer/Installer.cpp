#include "installer/Installer.h"

#include "dialogs/Dialogs.h"
#include "dialogs/FailureReport.h"
#include "dialogs/MessageTitles.h"
#include "files/FileOperations.h"
#include "installer/CfgRewrite.h"
#include "installer/InstallQuestions.h"
#include "installer/PageName.h"
#include "installer/PlayerPage.h"

#include <QFileInfo>

namespace {
const QString cfgTitle = QStringLiteral("Aircraft.cfg");
} // namespace

Installer::Installer(Dialogs &dialogs, SimulatorSearch findSimulators)
    : dialogs(dialogs)
    , findSimulators(std::move(findSimulators))
    , aircraftDialog(dialogs)
{
    current.playerPage = buildPlayerPage();
}

bool Installer::openCommand()
{
    aircraftDialog.setFilter(QStringLiteral("AIR Files (*.air)|*.air"));
    aircraftDialog.setSidebarFolders(findSimulators());
    if (current.aircraftChosen)
        aircraftDialog.setStartFolder(current.aircraftFolder);
    else if (!aircraftDialog.sidebarFolders().isEmpty())
        aircraftDialog.setStartFolder(aircraftDialog.sidebarFolders().constFirst().path);
    aircraftDialog.showOpen();
    if (aircraftDialog.fileTitle().isEmpty())
        return false;
    return chooseAircraft(aircraftDialog.fileName());
}

bool Installer::chooseAircraft(const QString &airPath)
{
    const QString title = QFileInfo(airPath).fileName();
    const std::optional<QString> name = aircraftNameOf(title);
    if (!name) {
        dialogs.messageBox(tooShortToNameMessage(title), Dialogs::Buttons::Ok, MessageTitles::error,
                           Dialogs::Icon::Error);
        return false;
    }
    current.nameLength = int(title.size()) - airExtensionLength;
    current.aircraftName = *name;
    current.aircraftFolder = airPath.left(airPath.size() - title.size());
    current.airFileTitle = title;
    current.aircraftChosen = true;
    return true;
}

void Installer::writeCommand(const InstallChoices &choices)
{
    if (!current.aircraftChosen) {
        dialogs.messageBox(QStringLiteral("No AIR file has been opened."), Dialogs::Buttons::Ok,
                           MessageTitles::error, Dialogs::Icon::Error);
        return;
    }
    if (!choices.checklist && !choices.reference) {
        dialogs.messageBox(QStringLiteral("Please choose a File Option."), Dialogs::Buttons::Ok,
                           MessageTitles::program);
        return;
    }
    if (!choices.newFile && !choices.addToExisting) {
        dialogs.messageBox(QStringLiteral("Pleae choose a Location."), Dialogs::Buttons::Ok,
                           MessageTitles::program);
        return;
    }
    if (dialogs.messageBox(InstallQuestions::confirm, Dialogs::Buttons::OkCancel, MessageTitles::program)
        == Dialogs::Answer::Cancel)
        return;

    if (choices.newFile && choices.checklist)
        installNewPage(KneeboardSection::Checklist);
    if (choices.newFile && choices.reference)
        installNewPage(KneeboardSection::Reference);
    if (choices.addToExisting && choices.reference)
        addToExistingPage(KneeboardSection::Reference);
    if (choices.addToExisting && choices.checklist)
        addToExistingPage(KneeboardSection::Checklist);
}

void Installer::installNewPage(KneeboardSection section)
{
    install(section, TextFile::Mode::Output);
}

void Installer::addToExistingPage(KneeboardSection section)
{
    install(section, TextFile::Mode::Append);
}

void Installer::install(KneeboardSection section, TextFile::Mode pageMode)
{
    current.pagePath = current.aircraftFolder + pageFileNameOf(current.aircraftName, section);
    const QString cfgPath = current.aircraftFolder + QStringLiteral("aircraft.cfg");

    const std::optional<QByteArray> stem = pageStem(section);
    if (!stem || !writePage(pageMode))
        return;

    if (dialogs.messageBox(InstallQuestions::configureCfg, Dialogs::Buttons::YesNo, cfgTitle)
        == Dialogs::Answer::No) {
        dialogs.messageBox(QStringLiteral("You will have to manually configure Aircraft.cfg for the "
                                          "respective aircraft. See Help for more information."),
                           Dialogs::Buttons::Ok, cfgTitle);
        return;
    }

    const bool backup = dialogs.messageBox(InstallQuestions::backupCfg, Dialogs::Buttons::YesNo, cfgTitle)
        == Dialogs::Answer::Yes;
    // aircraft.cfg is read once, for the passes and the backup alike, and
    // nothing is written before its new content is there.
    QByteArray cfg;
    FileError error;
    if (!readWholeFile(cfgPath, &cfg, &error)) {
        reportFailure(dialogs, error);
        return;
    }
    const QByteArray rewritten = runPasses(section, cfg, *stem);
    current.referenceEntryFound = false;
    const bool written =
        (!backup || writeWholeFile(current.aircraftFolder + QStringLiteral("aircraft.bak"), cfg, &error))
        && writeWholeFile(cfgPath, rewritten, &error);
    if (!written)
        reportFailure(dialogs, error);
}

bool Installer::writePage(TextFile::Mode pageMode)
{
    if (channel.openTextFile(current.pagePath, pageMode) && channel.writeLine(current.playerPage)
        && channel.closeFile())
        return true;
    return reportFailure(dialogs, channel.error());
}

// The page's name in the entry line, in the code page FS2004 reads
// aircraft.cfg in; nothing, after a message, when that code page cannot hold it.
std::optional<QByteArray> Installer::pageStem(KneeboardSection section)
{
    const int codePage = codePages.codePageOf(current.aircraftFolder);
    const std::optional<QByteArray> stem =
        SimulatorCodePages::encode(pageNameOf(current.aircraftName, section), codePage);
    if (!stem)
        dialogs.messageBox(QStringLiteral("The name of \"%1\" has characters that FS2004 cannot read in "
                                          "aircraft.cfg, which it reads in the code page Windows-%2. "
                                          "Nothing was written.")
                               .arg(current.airFileTitle)
                               .arg(codePage),
                           Dialogs::Buttons::Ok, MessageTitles::error, Dialogs::Icon::Error);
    return stem;
}

QByteArray Installer::runPasses(KneeboardSection section, QByteArrayView cfg, const QByteArray &pageStem)
{
    const CfgPass pass = installPass(section, cfg);
    current.referenceEntryFound = pass == CfgPass::Reference;
    return rewriteCfg(pass, cfg, pageStem);
}
