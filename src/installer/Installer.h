#pragma once

#include "dialogs/FileDialog.h"
#include "files/TextFile.h"
#include "installer/CfgRewrite.h"
#include "installer/InstallerState.h"
#include "installer/KneeboardSection.h"
#include "simulator/SimulatorCodePages.h"
#include "simulator/SimulatorFolders.h"

#include <functional>

class Dialogs;

// Which options of the main window's two groups are selected.
struct InstallChoices
{
    bool checklist = false;     // File Option: Checklist
    bool reference = false;     // File Option: Reference
    bool newFile = false;       // Location: New File
    bool addToExisting = false; // Location: Add to existing
};

// Installs the Skylyre into an aircraft's kneeboard: the Open and Write
// commands of the main window and the two install routines behind Write.
class Installer
{
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

    const InstallerState &state() const { return current; }

private:
    void install(KneeboardSection section, TextFile::Mode pageMode);
    bool writePage(TextFile::Mode pageMode);
    std::optional<QByteArray> pageStem(KneeboardSection section);
    QByteArray runPasses(KneeboardSection section, QByteArrayView cfg, const QByteArray &pageStem);

    Dialogs &dialogs;
    SimulatorSearch findSimulators;
    FileDialog aircraftDialog;
    InstallerState current;
    SimulatorCodePages codePages;
    TextFile channel;
};
