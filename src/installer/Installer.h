#pragma once

#include "installer/InstallerState.h"
#include "dialogs/FileDialog.h"
#include "simulator/SimulatorFolders.h"
#include "files/TextFile.h"

#include <functional>

class Dialogs;

// Which options of the main window's two groups are selected.
struct InstallChoices
{
    bool check = false;    // File Option: Checklist
    bool ref = false;      // File Option: Reference
    bool newfile = false;  // Location: New File
    bool addexist = false; // Location: Add to existing
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
    // chosen (its title is then CD.FileTitle()). The dialog offers every
    // FS2004 Aircraft folder found and starts in the folder of the aircraft
    // chosen last, else in the first of those folders.
    bool openCommand();
    // Checks the aircraft and the choices, asks for confirmation and installs.
    void writeCommand(const InstallChoices &choices);

    // Writes a page of its own holding the player; CFileType is "check" or "ref".
    void newWrite(const QString &CFileType);
    // Appends the player to the aircraft's existing page of the section.
    void addWrite(const QString &CFileType);

    InstallerState state;
    FileDialog CD;

private:
    void install(const QString &CFileType, TextFile::Mode pageMode);
    bool writePage(TextFile::Mode pageMode);
    QByteArray runPasses(const QString &CFileType, QByteArrayView cfg);
    bool reportFailure(const FileError &error);

    Dialogs &dialogs;
    SimulatorSearch findSimulators;
    TextFile channel;
};
