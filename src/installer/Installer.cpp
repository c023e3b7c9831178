#include "installer/Installer.h"

#include "dialogs/Dialogs.h"
#include "dialogs/FailureReport.h"
#include "dialogs/MessageTitles.h"
#include "files/FileOperations.h"
#include "installer/CfgRewrite.h"
#include "installer/PlayerPage.h"

#include <QFileInfo>

namespace {
const QString cfgTitle = QStringLiteral("Aircraft.cfg");
constexpr int extensionLength = 4; // ".air"
const QString unmeasuredRewrite =
    QStringLiteral("Its new content did not come out at the size measured for it, so nothing was written.");

// The word that names the section in the page's file name and in its entry.
QString sectionWord(KneeboardSection section)
{
    return section == KneeboardSection::Checklist ? QStringLiteral("check") : QStringLiteral("ref");
}

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
    if (title.size() <= extensionLength) {
        dialogs.messageBox(QStringLiteral("\"%1\" is too short to name an aircraft. "
                                          "Please choose the aircraft's .air file.")
                               .arg(title),
                           Dialogs::Buttons::Ok, MessageTitles::error, Dialogs::Icon::Error);
        return false;
    }
    current.nameLength = int(title.size() - extensionLength);
    current.aircraftName = title.left(current.nameLength).toLower();
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
    if (dialogs.messageBox(QStringLiteral("Are you sure you want to add the Skylyre? "
                                          "This option is not reversible."),
                           Dialogs::Buttons::OkCancel, MessageTitles::program)
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
    current.pagePath = current.aircraftFolder + current.aircraftName + QLatin1Char('_') + sectionWord(section)
        + QStringLiteral(".htm");
    const QString cfgPath = current.aircraftFolder + QStringLiteral("aircraft.cfg");

    if (!writePage(pageMode))
        return;

    if (dialogs.messageBox(QStringLiteral("Configure aircraft.cfg?"), Dialogs::Buttons::YesNo, cfgTitle)
        == Dialogs::Answer::No) {
        dialogs.messageBox(QStringLiteral("You will have to manually configure Aircraft.cfg for the "
                                          "respective aircraft. See Help for more information."),
                           Dialogs::Buttons::Ok, cfgTitle);
        return;
    }

    const bool backup = dialogs.messageBox(QStringLiteral("Backup aircraft.cfg? (Recommended)"),
                                           Dialogs::Buttons::YesNo, cfgTitle)
        == Dialogs::Answer::Yes;
    // aircraft.cfg is read once, for the passes and the backup alike, and
    // nothing is written before its new content is there.
    QByteArray cfg;
    FileError error;
    if (!readWholeFile(cfgPath, &cfg, &error)) {
        reportFailure(dialogs, error);
        return;
    }
    const std::optional<QByteArray> rewritten = runPasses(section, cfg);
    current.referenceEntryFound = false;
    if (!rewritten) {
        reportFailure(dialogs, {QStringLiteral("write"), cfgPath, unmeasuredRewrite});
        return;
    }
    const bool written =
        (!backup || writeWholeFile(current.aircraftFolder + QStringLiteral("aircraft.bak"), cfg, &error))
        && writeWholeFile(cfgPath, *rewritten, &error);
    if (!written)
        reportFailure(dialogs, error);
}

CfgCensus Installer::countLines(QByteArrayView cfg) const
{
    return censusOf(cfg);
}

bool Installer::writePage(TextFile::Mode pageMode)
{
    if (channel.openTextFile(current.pagePath, pageMode) && channel.writeLine(current.playerPage)
        && channel.closeFile())
        return true;
    return reportFailure(dialogs, channel.error());
}

std::optional<QByteArray> Installer::runPasses(KneeboardSection section, QByteArrayView cfg)
{
    const QByteArray pageStem =
        (current.aircraftName + QLatin1Char('_') + sectionWord(section)).toLocal8Bit();
    const CfgCensus census = countLines(cfg);
    CfgPass pass = CfgPass::Checklist;
    if (section == KneeboardSection::Reference) {
        // The reference pass, or, where it would meet no reference entry,
        // the insertion pass in its place.
        if (census.referenceLines > 0)
            current.referenceEntryFound = true;
        pass = current.referenceEntryFound ? CfgPass::Reference : CfgPass::Insertion;
    }
    return rewriteCfg(pass, cfg, census, pageStem);
}
