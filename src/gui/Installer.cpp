#include "gui/Installer.h"

#include "about/MessageTitles.h"
#include "dialogs/Dialogs.h"
#include "kneeboard/PageName.h"
#include "kneeboard/PlayerPage.h"
#include "kneeboard/ReportText.h"

#include <QFileInfo>

QString Installer::cfgTitle()
{
    return tr("Aircraft.cfg");
}

Installer::Installer(Dialogs &dialogs, SimulatorSearch findSimulators)
    : dialogs(dialogs)
    , findSimulators(std::move(findSimulators))
    , aircraftDialog(dialogs)
{
}

bool Installer::openCommand()
{
    aircraftDialog.setFilter(tr("AIR Files (*.air)|*.air"));
    aircraftDialog.setSidebarFolders(findSimulators());
    if (chosen)
        aircraftDialog.setStartFolder(chosen->folder);
    else if (!aircraftDialog.sidebarFolders().isEmpty())
        aircraftDialog.setStartFolder(aircraftDialog.sidebarFolders().constFirst().path);
    aircraftDialog.showOpen();
    if (aircraftDialog.fileTitle().isEmpty())
        return false;
    return chooseAircraft(aircraftDialog.fileName());
}

bool Installer::chooseAircraft(const QString &airPath)
{
    const std::optional<Aircraft> aircraft = Aircraft::fromAirPath(airPath);
    if (!aircraft) {
        dialogs.messageBox(tooShortToNameMessage(QFileInfo(airPath).fileName()), Dialogs::Buttons::Ok,
                           MessageTitles::error(), Dialogs::Icon::Error);
        return false;
    }
    chosen = aircraft;
    return true;
}

void Installer::writeCommand(const InstallChoices &choices)
{
    if (!chosen) {
        dialogs.messageBox(tr("No AIR file has been opened."), Dialogs::Buttons::Ok, MessageTitles::error(),
                           Dialogs::Icon::Error);
        return;
    }
    if (!choices.checklist && !choices.reference) {
        dialogs.messageBox(tr("Please choose a File Option."), Dialogs::Buttons::Ok,
                           MessageTitles::program());
        return;
    }
    if (!choices.newFile && !choices.addToExisting) {
        // "Pleae" as the program has always said it.
        dialogs.messageBox(tr("Pleae choose a Location."), Dialogs::Buttons::Ok, MessageTitles::program());
        return;
    }
    if (dialogs.messageBox(tr("Are you sure you want to add the Skylyre? This option is not reversible."),
                           Dialogs::Buttons::OkCancel, MessageTitles::program())
        == Dialogs::Answer::Cancel)
        return;

    install(installSteps(choices));
}

void Installer::installNewPage(KneeboardSection section)
{
    install({{section, false}});
}

void Installer::addToExistingPage(KneeboardSection section)
{
    install({{section, true}});
}

void Installer::install(const QList<InstallStep> &steps)
{
    PlayerInstall install(*chosen, codePages);
    for (const InstallStep &step : steps) {
        if (!install.stagePage(step))
            break;
        if (dialogs.messageBox(tr("Configure aircraft.cfg?"), Dialogs::Buttons::YesNo, cfgTitle())
            == Dialogs::Answer::No) {
            dialogs.messageBox(tr("You will have to manually configure Aircraft.cfg for the "
                                  "respective aircraft. See Help for more information."),
                               Dialogs::Buttons::Ok, cfgTitle());
            continue;
        }
        const bool backup =
            dialogs.messageBox(tr("Backup aircraft.cfg? (Recommended)"), Dialogs::Buttons::YesNo, cfgTitle())
            == Dialogs::Answer::Yes;
        if (!install.configureCfg(backup))
            break;
    }
    const InstallReport report = install.finish();
    if (report.failed()) {
        dialogs.messageBox(report.failureMessage(), Dialogs::Buttons::Ok, MessageTitles::error(),
                           Dialogs::Icon::Error);
        return;
    }
    // Run twice, an install finds its work done: it says so, as it says
    // nothing when it did the work.
    const QStringList leftAsItWas = ReportText::leftAsItWas(report);
    if (!leftAsItWas.isEmpty())
        dialogs.messageBox(leftAsItWas.join(QStringLiteral("\r\n")), Dialogs::Buttons::Ok,
                           MessageTitles::program());
}
