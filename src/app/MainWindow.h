#pragma once

#include "installer/Installer.h"

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
    explicit MainWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    const InstallerState &installerState() const { return installer.state; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void setTabOrder();
    void startUp();

    void cmdOpenClick();
    void cmdWriteClick();
    void cmdHelpClick();
    void cmdExitClick();
    void lblVelmoraClick();

    Dialogs &dialogs;
    Installer installer;

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
    void cmdPlayListClick();
};
