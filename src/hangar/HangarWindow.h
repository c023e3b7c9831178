#pragma once

#include "simulator/SimulatorFolders.h"

#include <QMainWindow>
#include <QThread>

#include <functional>

class Dialogs;
class HangarModel;
class HangarReader;
class QAction;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSortFilterProxyModel;
class QTreeView;
struct BatchAircraft;
struct HangarAircraft;

// The hangar: every aircraft below the FS2004 Aircraft folders and the
// folders the user adds, grouped by manufacturer, with the state of their
// kneeboard pages; the player put into many at once, and taken out again.
//
// The aircraft are read in a thread of the window's own (HangarReader), so
// that the window is usable while its list fills. It deletes itself on close
// (Qt::WA_DeleteOnClose): create it with new and keep it in a QPointer.
class HangarWindow : public QMainWindow
{
    Q_OBJECT

public:
    using SimulatorSearch = std::function<QList<LabelledFolder>()>;

    // Asks the user through `dialogs`, which must outlive the window;
    // `findSimulators` gives the FS2004 Aircraft folders it lists at once.
    HangarWindow(Dialogs &dialogs, const QIcon &icon, SimulatorSearch findSimulators = findSimulatorFolders,
                 QWidget *parent = nullptr);
    ~HangarWindow() override;

    // While aircraft are being read.
    bool isReading() const { return requests > 0; }

    // The commands.
    void addFolder();
    void installIntoSelected();
    void removeFromSelected();
    void openSelectedFolder();

signals:
    // What was asked to be read has been read.
    void readingFinished();

private:
    void createControls();
    void createActions();
    void startReading(const std::function<void(HangarReader *)> &request);
    void readDone();
    void showCounts();
    void showDetails();
    void showThumbnail(const HangarAircraft &aircraft);
    void updateActions();
    QList<BatchAircraft> selectedAircraft() const;
    const HangarAircraft *currentAircraft() const;

    Dialogs &dialogs;
    HangarModel *model = nullptr;
    QSortFilterProxyModel *proxy = nullptr;
    QThread readerThread;
    HangarReader *reader = nullptr;
    int requests = 0; // asked of the reader and not yet done
    qsizetype toRead = 0;
    qsizetype readCount = 0;

    QLineEdit *filterEdit = nullptr;
    QTreeView *aircraftView = nullptr;
    QLabel *countsLabel = nullptr;
    QProgressBar *readingProgress = nullptr;
    QLabel *thumbnailLabel = nullptr;
    QString thumbnailKey; // the key of the aircraft whose thumbnail is shown
    QLabel *folderLabel = nullptr;
    QLabel *airFileLabel = nullptr;
    QLabel *variationsLabel = nullptr;
    QAction *installAction = nullptr;
    QAction *removeAction = nullptr;
    QAction *openFolderAction = nullptr;
};
