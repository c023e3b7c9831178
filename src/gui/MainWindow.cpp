#include "gui/MainWindow.h"

#include "gui/LinkLabel.h"
#include "update/MakerSite.h"
#include "update/ProgramVersion.h"
#include "gui/Twips.h"
#include "dialogs/Dialogs.h"
#include "files/FileOperations.h"
#include "gui/PlaylistWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

const QString helpPage = QStringLiteral("help.htm");

template<typename Control>
Control *place(Control *control, const char *name, const QRect &geometry, const QString &toolTip = {})
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    control->setToolTip(toolTip);
    return control;
}

QPushButton *commandButton(QWidget *window, const char *name, const QString &caption,
                           const QRect &geometry, const QString &toolTip)
{
    return place(new QPushButton(caption, window), name, geometry, toolTip);
}

QRadioButton *option(QWidget *parent, const char *name, const QString &caption,
                     const QRect &geometry, const QString &toolTip)
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

} // namespace

MainWindow::MainWindow(Dialogs &dialogs, const QString &makerHost, QWidget *parent)
    : QWidget(parent)
    , dialogs(dialogs)
    , installer(dialogs)
    , updateCheck(dialogs, waitingBox, makerHost)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Skylyre Configurator"));
    setWindowIcon(QIcon(QStringLiteral(":/skylyre.png")));
    setFont(windowFont());
    setFixedSize(twipsRect(0, 0, 3975, 2730).size());
    createControls();
    setTabOrder();
    move(screen()->availableGeometry().center() - rect().center());
    startUp();
}

void MainWindow::createControls()
{
    lblAbout = place(new QLabel(this), "lblAbout", twipsRect(0, 0, 3975, 255));
    lblAbout->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    lblVelmora = place(new LinkLabel(QStringLiteral("Velmora"), this), "lblVelmora",
                       twipsRect(1320, 240, 1335, 255), QStringLiteral("Visit Velmora"));
    lblVelmora->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont underlined = lblVelmora->font();
    underlined.setUnderline(true);
    lblVelmora->setFont(underlined);
    QPalette linkColour = lblVelmora->palette();
    linkColour.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblVelmora->setPalette(linkColour);
    lblVelmora->setCursor(QCursor(QPixmap(QStringLiteral(":/hand.xpm")), 4, 0));
    connect(lblVelmora, &LinkLabel::clicked, this, &MainWindow::lblVelmoraClick);

    auto *frameFile = place(new QGroupBox(QStringLiteral("File Option"), this), "frameFile",
                            twipsRect(120, 480, 1815, 855));
    check = option(frameFile, "check", QStringLiteral("Checklist"), twipsRect(120, 240, 1215, 255),
                   QStringLiteral("Add the Skylyre to a checklist"));
    ref = option(frameFile, "ref", QStringLiteral("Reference"), twipsRect(120, 480, 1215, 255),
                 QStringLiteral("Add the Skylyre to a reference sheet"));

    // The Location options lie over their frame, in front of it, on the window itself.
    place(new QGroupBox(QStringLiteral("Location"), this), "frameLoc", twipsRect(2040, 480, 1815, 855));
    newfile = option(this, "newfile", QStringLiteral("New File"), twipsRect(2160, 720, 1215, 195),
                     QStringLiteral("Create a new file with only the Skylyre"));
    addexist = option(this, "addexist", QStringLiteral("Add to existing"),
                      twipsRect(2160, 960, 1455, 255),
                      QStringLiteral("Add the Skylyre to an existing file"));
    auto *fileOption = new QButtonGroup(this);
    fileOption->addButton(check);
    fileOption->addButton(ref);
    auto *location = new QButtonGroup(this);
    location->addButton(newfile);
    location->addButton(addexist);

    // Right-aligned, so it may reach further left where a wider font needs room.
    auto *lblFileF = place(new QLabel(QStringLiteral("Current File:"), this), "lblFileF",
                           twipsRect(0, 1440, 975, 255));
    lblFileF->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblFileName = place(new QLabel(this), "lblFileName", twipsRect(1080, 1440, 2775, 255));

    cmdOpen = commandButton(this, "cmdOpen", QStringLiteral("&Open"), twipsRect(120, 1800, 1095, 375),
                            QStringLiteral("Open aircraft for editing"));
    cmdWrite = commandButton(this, "cmdWrite", QStringLiteral("&Write"),
                             twipsRect(1440, 1800, 1095, 375), QStringLiteral("Add Skylyre to aircraft"));
    cmdPlayList = commandButton(this, "cmdPlayList", QStringLiteral("&Playlist Editor"),
                                twipsRect(2760, 1800, 1095, 375),
                                QStringLiteral("Launch the Playlist Editor"));
    cmdUpdate = commandButton(this, "cmdUpdate", QStringLiteral("&Update"),
                              twipsRect(120, 2280, 1095, 375),
                              QStringLiteral("Check the Internet for software upgrades"));
    cmdHelp = commandButton(this, "cmdHelp", QStringLiteral("&Help"), twipsRect(1440, 2280, 1095, 375),
                            QStringLiteral("View the Help documentation"));
    cmdHelp->setCursor(Qt::WhatsThisCursor);
    cmdExit = commandButton(this, "cmdExit", QStringLiteral("E&xit"), twipsRect(2760, 2280, 1095, 375),
                            QStringLiteral("Exit Skylyre Configurator"));

    connect(cmdOpen, &QPushButton::clicked, this, &MainWindow::cmdOpenClick);
    connect(cmdWrite, &QPushButton::clicked, this, &MainWindow::cmdWriteClick);
    connect(cmdPlayList, &QPushButton::clicked, this, &MainWindow::cmdPlayListClick);
    connect(cmdUpdate, &QPushButton::clicked, this, &MainWindow::cmdUpdateClick);
    connect(cmdHelp, &QPushButton::clicked, this, &MainWindow::cmdHelpClick);
    connect(cmdExit, &QPushButton::clicked, this, &MainWindow::cmdExitClick);
}

void MainWindow::setTabOrder()
{
    const QList<QWidget *> order{cmdOpen, cmdWrite, cmdHelp, cmdPlayList, check,
                                 ref,     newfile,  addexist, cmdUpdate, cmdExit};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    cmdOpen->setFocus();
}

void MainWindow::startUp()
{
    lblAbout->setText(QStringLiteral("Skylyre for FS2004 %1 9/13/03 By Arandel")
                          .arg(ProgramVersion::programVersionText()));
    if (!fileExists(helpPage)) {
        dialogs.messageBox(QStringLiteral("Help file not found\rHelp will not be available."),
                           Dialogs::Buttons::Ok, QStringLiteral("Error"), Dialogs::Icon::Error);
        cmdHelp->hide();
    }
    cmdUpdate->setCursor(lblVelmora->cursor());
}

void MainWindow::cmdOpenClick()
{
    if (installer.openCommand())
        lblFileName->setText(installer.state().airFileTitle);
}

void MainWindow::cmdWriteClick()
{
    installer.writeCommand({check->isChecked(), ref->isChecked(), newfile->isChecked(),
                            addexist->isChecked()});
}

void MainWindow::cmdUpdateClick()
{
    updateCheck.run();
}

void MainWindow::cmdHelpClick()
{
    dialogs.shellOpen(helpPage);
}

void MainWindow::lblVelmoraClick()
{
    dialogs.shellOpen(MakerSite::webSiteAddress);
}

void MainWindow::cmdExitClick()
{
    if (dialogs.messageBox(QStringLiteral("Are you sure you want to exit Skylyre Configurator? "
                                          "All unsaved changes will be lost."),
                           Dialogs::Buttons::YesNo, QStringLiteral("Playlist Editor"))
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

// One playlist window, beside this one and not modal: loaded when it is not,
// shown again with its playlist while it is.
void MainWindow::cmdPlayListClick()
{
    if (!frmPlayList) {
        frmPlayList = new PlaylistWindow(dialogs, windowIcon());
        frmPlayList->setFont(font());
    }
    frmPlayList->showNormal();
    frmPlayList->raise();
    frmPlayList->activateWindow();
}
