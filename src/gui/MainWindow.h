#pragma once

#include "update/MakerSite.h"
#include "update/UpdateCheck.h"
#include "installer/Installer.h"
#include "gui/QtFetchProgress.h"

#include <QPointer>
#include <QWidget>

class Dialogs;
class LinkLabel;
class PlaylistWindow;
class QLabel;
class QPushButton;
class QRadioButton;

// frmMain: the start-up window. It holds the installer and its choices, the
// version line, the web link and the six command buttons.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // `makerHost` is where the update check looks; tests give a local server.
    explicit MainWindow(Dialogs &dialogs, const QString &makerHost = MakerSite::host,
                        QWidget *parent = nullptr);

    const InstallerState &installerState() const { return installer.state(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void setTabOrder();
    void startUp();

    void cmdOpenClick();
    void cmdWriteClick();
    void cmdPlayListClick();
    void cmdUpdateClick();
    void cmdHelpClick();
    void cmdExitClick();
    void lblVelmoraClick();

    Dialogs &dialogs;
    Installer installer;
    QtFetchProgress waitingBox{this};
    UpdateCheck updateCheck;

    QLabel *lblAbout = nullptr;
    LinkLabel *lblVelmora = nullptr;
    QRadioButton *check = nullptr;
    QRadioButton *ref = nullptr;
    QRadioButton *newfile = nullptr;
    QRadioButton *addexist = nullptr;
    QLabel *lblFileName = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdWrite = nullptr;
    QPushButton *cmdPlayList = nullptr;
    QPushButton *cmdUpdate = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdExit = nullptr;

    // The playlist editor while it is loaded; it deletes itself when closed.
    QPointer<PlaylistWindow> frmPlayList;
};
