#include "gui/MainWindow.h"

#include "about/HelpPage.h"
#include "about/MakerSite.h"
#include "about/MessageTitles.h"
#include "about/ProgramVersion.h"
#include "dialogs/Dialogs.h"
#include "files/FileOperations.h"
#include "gui/LinkLabel.h"
#include "gui/PlaylistWindow.h"
#include "gui/Twips.h"
#include "hangar/HangarWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

template<typename Control>
Control *place(Control *control, const char *name, const QRect &geometry, const QString &toolTip = {})
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    control->setToolTip(toolTip);
    return control;
}

QPushButton *commandButton(QWidget *window, const char *name, const QString &caption, const QRect &geometry,
                           const QString &toolTip)
{
    return place(new QPushButton(caption, window), name, geometry, toolTip);
}

QRadioButton *option(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                     const QString &toolTip)
{
    return place(new QRadioButton(caption, parent), name, geometry, toolTip);
}

QFont windowFont()
{
    // The design font, or else a sans-serif of the same narrow build, so that
    // every caption fits the control it was laid out for. Its TrueType twin
    // comes first: Windows has the design font only as a bitmap font, which
    // does not grow with the screen's scale.
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif"),
                      QStringLiteral("Tahoma"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// The program's icon in every size it is rendered in, for the system to pick from.
QIcon programIcon()
{
    QIcon icon;
    QDirIterator pictures(QStringLiteral(":/hicolor"), QDir::Files, QDirIterator::Subdirectories);
    while (pictures.hasNext())
        icon.addFile(pictures.next());
    return icon;
}

} // namespace

MainWindow::MainWindow(Dialogs &dialogs, const QString &makerHost, Installer::SimulatorSearch findSimulators,
                       QWidget *parent)
    : QWidget(parent)
    , dialogs(dialogs)
    , findSimulators(findSimulators)
    , installer(dialogs, findSimulators)
    , updateCheck(dialogs, waitingBox, makerHost)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(MessageTitles::program());
    setWindowIcon(programIcon());
    setFont(windowFont());
    createClientArea();
    createControls();
    setTabOrder();
    // Centred at its own size, which its layout sets only once activated.
    layout()->activate();
    move(screen()->availableGeometry().center() - rect().center());
    startUp();
}

void MainWindow::createControls()
{
    versionLabel = place(new QLabel(clientArea), "versionLabel", twipsRect(0, 0, 3975, 255));
    versionLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    webLink = place(new LinkLabel(QStringLiteral("Velmora"), clientArea), "webLink",
                    twipsRect(1320, 240, 1335, 255), tr("Visit Velmora"));
    webLink->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont underlined = webLink->font();
    underlined.setUnderline(true);
    webLink->setFont(underlined);
    QPalette linkColour = webLink->palette();
    linkColour.setColor(QPalette::WindowText, QColor(0, 0, 255));
    webLink->setPalette(linkColour);
    webLink->setCursor(QCursor(QPixmap(QStringLiteral(":/hand.xpm")), 4, 0));
    connect(webLink, &LinkLabel::clicked, this, &MainWindow::visitWebSite);

    auto *fileOptionGroup = place(new QGroupBox(tr("File Option"), clientArea), "fileOptionGroup",
                                  twipsRect(120, 480, 1815, 855));
    checklistOption = option(fileOptionGroup, "checklistOption", tr("Checklist"),
                             twipsRect(120, 240, 1215, 255), tr("Add the Skylyre to a checklist"));
    referenceOption = option(fileOptionGroup, "referenceOption", tr("Reference"),
                             twipsRect(120, 480, 1215, 255), tr("Add the Skylyre to a reference sheet"));

    // The Location options lie over their frame, in front of it, on the client area itself.
    place(new QGroupBox(tr("Location"), clientArea), "locationGroup", twipsRect(2040, 480, 1815, 855));
    newFileOption = option(clientArea, "newFileOption", tr("New File"), twipsRect(2160, 720, 1215, 195),
                           tr("Create a new file with only the Skylyre"));
    addToExistingOption = option(clientArea, "addToExistingOption", tr("Add to existing"),
                                 twipsRect(2160, 960, 1455, 255), tr("Add the Skylyre to an existing file"));
    auto *fileOption = new QButtonGroup(this);
    fileOption->addButton(checklistOption);
    fileOption->addButton(referenceOption);
    auto *location = new QButtonGroup(this);
    location->addButton(newFileOption);
    location->addButton(addToExistingOption);

    // Right-aligned, so it may reach further left where a wider font needs room.
    auto *currentFileCaption = place(new QLabel(tr("Current File:"), clientArea), "currentFileCaption",
                                     twipsRect(0, 1440, 975, 255));
    currentFileCaption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    fileNameLabel = place(new QLabel(clientArea), "fileNameLabel", twipsRect(1080, 1440, 2775, 255));

    openButton = commandButton(clientArea, "openButton", tr("&Open"), twipsRect(120, 1800, 1095, 375),
                               tr("Open aircraft for editing"));
    writeButton = commandButton(clientArea, "writeButton", tr("&Write"), twipsRect(1440, 1800, 1095, 375),
                                tr("Add Skylyre to aircraft"));
    playlistEditorButton = commandButton(clientArea, "playlistEditorButton", tr("&Playlist Editor"),
                                         twipsRect(2760, 1800, 1095, 375), tr("Launch the Playlist Editor"));
    updateButton = commandButton(clientArea, "updateButton", tr("&Update"), twipsRect(120, 2280, 1095, 375),
                                 tr("Check the Internet for software upgrades"));
    helpButton = commandButton(clientArea, "helpButton", tr("&Help"), twipsRect(1440, 2280, 1095, 375),
                               tr("View the Help documentation"));
    helpButton->setCursor(Qt::WhatsThisCursor);
    exitButton = commandButton(clientArea, "exitButton", tr("E&xit"), twipsRect(2760, 2280, 1095, 375),
                               tr("Exit Skylyre Configurator"));

    connect(openButton, &QPushButton::clicked, this, &MainWindow::openAircraft);
    connect(writeButton, &QPushButton::clicked, this, &MainWindow::writeToAircraft);
    connect(playlistEditorButton, &QPushButton::clicked, this, &MainWindow::showPlaylistEditor);
    connect(updateButton, &QPushButton::clicked, this, &MainWindow::checkForUpdate);
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(exitButton, &QPushButton::clicked, this, &MainWindow::exitProgram);
}

// The window grows by its menu bar: the client area below it holds every
// control where it was laid out.
void MainWindow::createClientArea()
{
    auto *menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    QMenu *aircraftMenu = menuBar->addMenu(tr("&Aircraft"));
    aircraftMenu->setObjectName(QStringLiteral("aircraftMenu"));
    QAction *allAircraft = aircraftMenu->addAction(tr("&All Aircraft…"), this, &MainWindow::showHangar);
    allAircraft->setObjectName(QStringLiteral("allAircraftAction"));
    allAircraft->setShortcut(Qt::CTRL | Qt::Key_L);
    clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    clientArea->setFixedSize(twipsRect(0, 0, 3975, 2730).size());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(clientArea);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::setTabOrder()
{
    const QList<QWidget *> order{openButton,      writeButton,     helpButton,    playlistEditorButton,
                                 checklistOption, referenceOption, newFileOption, addToExistingOption,
                                 updateButton,    exitButton};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    openButton->setFocus();
}

void MainWindow::startUp()
{
    versionLabel->setText(
        tr("Skylyre for FS2004 %1 9/13/03 By Arandel").arg(ProgramVersion::programVersionText()));
    if (!fileExists(helpPage())) {
        dialogs.messageBox(tr("Help file not found\rHelp will not be available."), Dialogs::Buttons::Ok,
                           MessageTitles::error(), Dialogs::Icon::Error);
        helpButton->hide();
    }
    updateButton->setCursor(webLink->cursor());
}

void MainWindow::openAircraft()
{
    if (installer.openCommand())
        fileNameLabel->setText(installer.chosenAircraft()->airFile);
}

void MainWindow::writeToAircraft()
{
    installer.writeCommand({checklistOption->isChecked(), referenceOption->isChecked(),
                            newFileOption->isChecked(), addToExistingOption->isChecked()});
}

void MainWindow::checkForUpdate()
{
    updateCheck.run();
}

void MainWindow::showHelp()
{
    dialogs.shellOpen(helpPage());
}

void MainWindow::visitWebSite()
{
    dialogs.shellOpen(MakerSite::webSiteAddress);
}

void MainWindow::exitProgram()
{
    // Titled "Playlist Editor", as the program's Exit box has always been.
    if (dialogs.messageBox(tr("Are you sure you want to exit Skylyre Configurator? "
                              "All unsaved changes will be lost."),
                           Dialogs::Buttons::YesNo, MessageTitles::playlistEditor())
        == Dialogs::Answer::No)
        return;
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program with every other window, unasked.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    event->accept();
}

// One hangar, beside this window and not modal, as the playlist window.
void MainWindow::showHangar()
{
    if (!hangarWindow) {
        hangarWindow = new HangarWindow(dialogs, windowIcon(), findSimulators);
        hangarWindow->setFont(font());
    }
    hangarWindow->showNormal();
    hangarWindow->raise();
    hangarWindow->activateWindow();
}

// One playlist window, beside this one and not modal: loaded when it is not,
// shown again with its playlist while it is.
void MainWindow::showPlaylistEditor()
{
    if (!playlistWindow) {
        playlistWindow = new PlaylistWindow(dialogs, windowIcon());
        playlistWindow->setFont(font());
    }
    playlistWindow->showNormal();
    playlistWindow->raise();
    playlistWindow->activateWindow();
}
