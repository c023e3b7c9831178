#include "hangar/HangarWindow.h"

#include "dialogs/Dialogs.h"
#include "hangar/AircraftBatch.h"
#include "hangar/HangarModel.h"
#include "hangar/HangarReader.h"
#include "hangar/InstallDialog.h"
#include "kneeboard/PlayerBatch.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr QSize thumbnailSize(256, 192);

QLabel *detailLabel(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

HangarWindow::HangarWindow(Dialogs &dialogs, const QIcon &icon, SimulatorSearch findSimulators,
                           QWidget *parent)
    : QMainWindow(parent, Qt::Window)
    , dialogs(dialogs)
    , model(new HangarModel(this))
    , proxy(new QSortFilterProxyModel(this))
    , reader(new HangarReader)
{
    setObjectName(QStringLiteral("hangarWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("All Aircraft"));
    setWindowIcon(icon);

    proxy->setSourceModel(model);
    proxy->setFilterRole(HangarModel::FilterRole);
    proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy->setRecursiveFilteringEnabled(true);
    proxy->setSortRole(HangarModel::SortRole);
    proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    createControls();
    createActions();
    resize(1100, 640);

    reader->moveToThread(&readerThread);
    connect(reader, &HangarReader::found, this, [this](qsizetype count) {
        toRead += count;
        readingProgress->setMaximum(int(toRead));
    });
    connect(reader, &HangarReader::read, this, [this](const QList<HangarAircraft> &aircraft) {
        model->add(aircraft);
        readCount += aircraft.size();
        readingProgress->setValue(int(readCount));
    });
    connect(reader, &HangarReader::finished, this, &HangarWindow::readDone);
    readerThread.start();
    startReading([findSimulators](HangarReader *reader) {
        QStringList folders;
        for (const LabelledFolder &folder : findSimulators())
            folders.append(folder.path);
        reader->readFolders(folders);
    });
}

HangarWindow::~HangarWindow()
{
    readerThread.requestInterruption();
    readerThread.quit();
    readerThread.wait();
    delete reader;
}

void HangarWindow::createControls()
{
    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    filterEdit = new QLineEdit(client);
    filterEdit->setObjectName(QStringLiteral("filterEdit"));
    filterEdit->setAccessibleName(tr("Filter"));
    filterEdit->setPlaceholderText(tr("Filter by title, manufacturer or folder"));
    filterEdit->setClearButtonEnabled(true);
    connect(filterEdit, &QLineEdit::textChanged, proxy, &QSortFilterProxyModel::setFilterFixedString);
    layout->addWidget(filterEdit);

    auto *splitter = new QSplitter(client);
    aircraftView = new QTreeView(splitter);
    aircraftView->setObjectName(QStringLiteral("aircraftView"));
    aircraftView->setAccessibleName(tr("Aircraft"));
    aircraftView->setModel(proxy);
    aircraftView->setUniformRowHeights(true);
    aircraftView->setSortingEnabled(true);
    aircraftView->sortByColumn(HangarModel::AircraftColumn, Qt::AscendingOrder);
    aircraftView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    aircraftView->setSelectionBehavior(QAbstractItemView::SelectRows);
    aircraftView->setAllColumnsShowFocus(true);
    aircraftView->setContextMenuPolicy(Qt::ActionsContextMenu);
    aircraftView->header()->resizeSection(HangarModel::AircraftColumn, 280);
    aircraftView->header()->resizeSection(HangarModel::FolderColumn, 200);
    aircraftView->header()->resizeSection(HangarModel::ChecklistColumn, 200);
    // The simulator's menu shows every manufacturer's aircraft: so does a new row.
    connect(proxy, &QSortFilterProxyModel::rowsInserted, this,
            [this](const QModelIndex &parent, int first, int last) {
                for (int row = first; !parent.isValid() && row <= last; ++row)
                    aircraftView->expand(proxy->index(row, 0));
            });
    connect(aircraftView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HangarWindow::updateActions);
    connect(aircraftView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &HangarWindow::showDetails);
    connect(model, &HangarModel::dataChanged, this, &HangarWindow::showDetails);
    connect(model, &HangarModel::countsChanged, this, &HangarWindow::showCounts);

    auto *details = new QWidget(splitter);
    auto *detailsLayout = new QVBoxLayout(details);
    thumbnailLabel = detailLabel(details, "thumbnailLabel", tr("Thumbnail"));
    thumbnailLabel->setFixedSize(thumbnailSize);
    thumbnailLabel->setAlignment(Qt::AlignCenter);
    folderLabel = detailLabel(details, "folderLabel", tr("Folder"));
    airFileLabel = detailLabel(details, "airFileLabel", tr("Flight model"));
    variationsLabel = detailLabel(details, "variationsLabel", tr("Variations"));
    for (QLabel *label : {thumbnailLabel, folderLabel, airFileLabel, variationsLabel})
        detailsLayout->addWidget(label);
    detailsLayout->addStretch();
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({760, thumbnailSize.width() + 24});
    layout->addWidget(splitter);
    setCentralWidget(client);

    countsLabel = new QLabel(this);
    countsLabel->setObjectName(QStringLiteral("countsLabel"));
    statusBar()->addWidget(countsLabel, 1);
    readingProgress = new QProgressBar(this);
    readingProgress->setObjectName(QStringLiteral("readingProgress"));
    readingProgress->setFormat(tr("Reading aircraft %v of %m"));
    statusBar()->addPermanentWidget(readingProgress);
    showCounts();
    showDetails();
}

void HangarWindow::createActions()
{
    QMenu *menu = menuBar()->addMenu(tr("&Aircraft"));
    menu->setObjectName(QStringLiteral("aircraftMenu"));
    QToolBar *toolBar = addToolBar(tr("Aircraft"));
    toolBar->setObjectName(QStringLiteral("aircraftToolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [&](const char *name, const QString &caption, const QList<QKeySequence> &shortcuts,
                         void (HangarWindow::*command)()) {
        QAction *action = menu->addAction(caption, this, command);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(shortcuts);
        toolBar->addAction(action);
        return action;
    };
    add("addFolderAction", tr("Add &Folder…"), {}, &HangarWindow::addFolder);
    menu->addSeparator();
    installAction = add("installAction", tr("&Install…"), {Qt::Key_Return, Qt::Key_Enter},
                        &HangarWindow::installIntoSelected);
    removeAction =
        add("removeAction", tr("&Remove"), {QKeySequence::Delete}, &HangarWindow::removeFromSelected);
    openFolderAction = add("openFolderAction", tr("&Open Folder"), {}, &HangarWindow::openSelectedFolder);
    // Enter and Delete act on the list's rows, not on the filter's text.
    for (QAction *action : {installAction, removeAction, openFolderAction}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        aircraftView->addAction(action);
    }
    menu->addSeparator();
    QAction *closeAction = menu->addAction(tr("&Close"), this, &QWidget::close);
    closeAction->setObjectName(QStringLiteral("closeAction"));
    updateActions();
}

void HangarWindow::startReading(const std::function<void(HangarReader *)> &request)
{
    ++requests;
    readingProgress->show();
    QMetaObject::invokeMethod(
        reader, [reader = reader, request] { request(reader); }, Qt::QueuedConnection);
}

void HangarWindow::readDone()
{
    if (--requests > 0)
        return;
    toRead = 0;
    readCount = 0;
    readingProgress->hide();
    readingProgress->reset();
    emit readingFinished();
}

void HangarWindow::showCounts()
{
    countsLabel->setText(
        tr("%1 aircraft, %2 with the Skylyre").arg(model->aircraftCount()).arg(model->withPlayerCount()));
}

const HangarAircraft *HangarWindow::currentAircraft() const
{
    return model->aircraftAt(proxy->mapToSource(aircraftView->currentIndex()));
}

void HangarWindow::showDetails()
{
    const HangarAircraft *aircraft = currentAircraft();
    if (!aircraft) {
        for (QLabel *label : {thumbnailLabel, folderLabel, airFileLabel, variationsLabel})
            label->clear();
        thumbnailKey.clear();
        return;
    }
    if (aircraft->key != thumbnailKey)
        showThumbnail(*aircraft);
    folderLabel->setText(tr("Folder: %1").arg(aircraft->listing.folder));
    airFileLabel->setText(tr("Flight model: %1").arg(aircraft->listing.airFile));
    variationsLabel->setText(aircraft->listing.problem.isEmpty()
                                 ? tr("Variations:\n%1").arg(aircraft->variations.join(QLatin1Char('\n')))
                                 : aircraft->listing.problem);
}

// Decoded once for each aircraft selected, not again each time a row changes.
void HangarWindow::showThumbnail(const HangarAircraft &aircraft)
{
    thumbnailKey = aircraft.key;
    const QString path = thumbnailOf(aircraft);
    const QPixmap thumbnail(path);
    if (path.isEmpty())
        thumbnailLabel->setText(tr("No thumbnail"));
    else if (thumbnail.isNull())
        thumbnailLabel->setText(tr("The thumbnail cannot be shown"));
    else
        thumbnailLabel->setPixmap(
            thumbnail.scaled(thumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void HangarWindow::updateActions()
{
    const bool selected = !selectedAircraft().isEmpty();
    installAction->setEnabled(selected);
    removeAction->setEnabled(selected);
    openFolderAction->setEnabled(selected);
}

// The aircraft of the selected rows; a manufacturer's row stands for its
// aircraft that the filter shows.
QList<BatchAircraft> HangarWindow::selectedAircraft() const
{
    QList<BatchAircraft> aircraft;
    QSet<QString> met;
    const auto take = [&](const QModelIndex &row) {
        const HangarAircraft *one = model->aircraftAt(proxy->mapToSource(row));
        if (one && !met.contains(one->key)) {
            met.insert(one->key);
            aircraft.append({one->airPath, one->title});
        }
    };
    for (const QModelIndex &row : aircraftView->selectionModel()->selectedRows()) {
        take(row);
        for (int child = 0; child < proxy->rowCount(row); ++child)
            take(proxy->index(child, 0, row));
    }
    return aircraft;
}

void HangarWindow::addFolder()
{
    const QString folder = dialogs.askFileName({FileDialogKind::Folder, {}});
    if (!folder.isEmpty())
        startReading([folder](HangarReader *reader) { reader->readFolders({folder}); });
}

void HangarWindow::installIntoSelected()
{
    const QList<BatchAircraft> aircraft = selectedAircraft();
    const std::optional<InstallChoices> choices =
        aircraft.isEmpty() ? std::nullopt : InstallDialog::ask(this, aircraft.size());
    if (!choices)
        return;
    PlayerBatch batch(PlayerBatch::Work::Install, *choices);
    const BatchResult result = runBatch(this, tr("Install"), aircraft, batch);
    startReading([worked = result.worked](HangarReader *reader) { reader->readAircraft(worked); });
    showBatchSummary(this, tr("Install"), batch.headline(aircraft.size()), result);
}

void HangarWindow::removeFromSelected()
{
    const QList<BatchAircraft> aircraft = selectedAircraft();
    if (aircraft.isEmpty()
        || dialogs.messageBox(tr("Remove the Skylyre from %1 aircraft?").arg(aircraft.size()),
                              Dialogs::Buttons::YesNo, tr("All Aircraft"))
            != Dialogs::Answer::Yes)
        return;
    PlayerBatch batch(PlayerBatch::Work::Remove, {.checklist = true, .reference = true});
    const BatchResult result = runBatch(this, tr("Remove"), aircraft, batch);
    startReading([worked = result.worked](HangarReader *reader) { reader->readAircraft(worked); });
    showBatchSummary(this, tr("Remove"), batch.headline(aircraft.size()), result);
}

// The folder of the first aircraft selected: one file manager, not hundreds.
void HangarWindow::openSelectedFolder()
{
    const QList<BatchAircraft> aircraft = selectedAircraft();
    if (!aircraft.isEmpty())
        dialogs.shellOpen(QFileInfo(aircraft.constFirst().airPath).path());
}
