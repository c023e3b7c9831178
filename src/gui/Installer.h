#pragma once

#include "dialogs/FileDialog.h"
#include "kneeboard/InstallChoices.h"
#include "kneeboard/KneeboardSection.h"
#include "kneeboard/PlayerInstall.h"
#include "simulator/SimulatorCodePages.h"
#include "simulator/SimulatorFolders.h"

#include <QCoreApplication>

#include <functional>

class Dialogs;

// Installs the Skylyre into an aircraft's kneeboard: the Open and Write
// commands of the main window and the two install routines behind Write.
class Installer
{
    Q_DECLARE_TR_FUNCTIONS(Installer)

public:
    using SimulatorSearch = std::function<QList<LabelledFolder>()>;

    // `findSimulators` gives the FS2004 Aircraft folders when Open is pressed.
    explicit Installer(Dialogs &dialogs, SimulatorSearch findSimulators = findSimulatorFolders);

    // Lets the user choose an aircraft by its .air file; true when one was
    // chosen. The dialog offers every FS2004 Aircraft folder found and starts
    // in the folder of the aircraft chosen last, else in the first of those
    // folders.
    bool openCommand();
    // Checks the aircraft and the choices, asks for confirmation and installs.
    void writeCommand(const InstallChoices &choices);

    // Makes the aircraft whose flight model is `airPath` the chosen one, as
    // Open does with the file chosen; false, with a message, when its name is
    // too short to name an aircraft.
    bool chooseAircraft(const QString &airPath);

    // Writes a page of its own holding the player.
    void installNewPage(KneeboardSection section);
    // Appends the player to the aircraft's existing page of the section.
    void addToExistingPage(KneeboardSection section);

    // The aircraft chosen last, if any.
    const std::optional<Aircraft> &chosenAircraft() const { return chosen; }

private:
    // Takes the steps, asking Write's two questions after each page.
    void install(const QList<InstallStep> &steps);
    // The title of those questions: "Aircraft.cfg".
    static QString cfgTitle();

    Dialogs &dialogs;
    SimulatorSearch findSimulators;
    FileDialog aircraftDialog;
    std::optional<Aircraft> chosen;
    SimulatorCodePages codePages;
};
