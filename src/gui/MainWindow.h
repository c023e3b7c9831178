#pragma once

#include "about/MakerSite.h"
#include "gui/Installer.h"
#include "gui/QtFetchProgress.h"
#include "update/UpdateCheck.h"

#include <QPointer>
#include <QWidget>

class Dialogs;
class HangarWindow;
class LinkLabel;
class PlaylistWindow;
class QLabel;
class QPushButton;
class QRadioButton;

// The start-up window. It holds the installer and its choices, the
// version line, the web link and the six command buttons in its client area,
// and the menu that opens the hangar above it.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // `makerHost` is where the update check looks; tests give a local server.
    // `findSimulators` gives the FS2004 Aircraft folders for Open and the hangar.
    explicit MainWindow(Dialogs &dialogs, const QString &makerHost = MakerSite::host,
                        Installer::SimulatorSearch findSimulators = findSimulatorFolders,
                        QWidget *parent = nullptr);

    const std::optional<Aircraft> &chosenAircraft() const { return installer.chosenAircraft(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createClientArea();
    void createControls();
    void setTabOrder();
    void startUp();

    void openAircraft();
    void writeToAircraft();
    void showPlaylistEditor();
    void showHangar();
    void checkForUpdate();
    void showHelp();
    void exitProgram();
    void visitWebSite();

    Dialogs &dialogs;
    Installer::SimulatorSearch findSimulators;
    Installer installer;
    QtFetchProgress waitingBox{this};
    UpdateCheck updateCheck;

    QWidget *clientArea = nullptr;
    QLabel *versionLabel = nullptr;
    LinkLabel *webLink = nullptr;
    QRadioButton *checklistOption = nullptr;
    QRadioButton *referenceOption = nullptr;
    QRadioButton *newFileOption = nullptr;
    QRadioButton *addToExistingOption = nullptr;
    QLabel *fileNameLabel = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *writeButton = nullptr;
    QPushButton *playlistEditorButton = nullptr;
    QPushButton *updateButton = nullptr;
    QPushButton *helpButton = nullptr;
    QPushButton *exitButton = nullptr;

    // The playlist editor while it is loaded; it deletes itself when closed.
    QPointer<PlaylistWindow> playlistWindow;
    // The hangar while it is open; it deletes itself when closed.
    QPointer<HangarWindow> hangarWindow;
};
