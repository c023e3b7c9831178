#include "gui/MainWindow.h"
#include "about/MakerSite.h"
#include "kneeboard/PlayerPage.h"

#include "Files.h"
#include "LocalHttpServer.h"
#include "ScriptedDialogs.h"
#include "TemporaryCurrentFolder.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const QString confirmation = "Are you sure you want to add the Skylyre? This option is not reversible.";

// A main window started in a folder of its own (with or without help.htm),
// answering through scripted dialogs; the aircraft folder is another one.
class MainWindowTest : public testing::Test
{
protected:
    void TearDown() override { window.reset(); }

    void start(bool withHelpPage = true, const QString &makerHost = MakerSite::host)
    {
        if (withHelpPage)
            writeBytes(workDir.filePath("help.htm"), "<p>Help</p>");
        window = std::make_unique<MainWindow>(dialogs, makerHost);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template<typename Control> Control *control(const char *name) const
    {
        auto *found = window->findChild<Control *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char *name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    void select(const std::vector<const char *> &options)
    {
        for (const char *name : options)
            click(name);
    }

    // Opens Cessna172.AIR of the aircraft folder.
    void openAircraft(const QString &title = "Cessna172.AIR")
    {
        dialogs.choose(aircraftDir.filePath(title));
        click("openButton");
    }

    QString aircraftFile(const QString &name) const { return aircraftDir.filePath(name); }

    TemporaryCurrentFolder workDir;
    QTemporaryDir aircraftDir;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

struct ControlCase
{
    const char *name;
    QString caption;
    QRect geometry;
    QString toolTip;
};

} // namespace

TEST_F(MainWindowTest, IsLaidOutAsDesigned)
{
    start();
    EXPECT_EQ(window->objectName(), "mainWindow");
    EXPECT_EQ(window->windowTitle(), "Skylyre Configurator");
    // The client area is laid out as designed, below the menu bar, which the window grows by.
    const int menuBarHeight = control<QWidget>("menuBar")->height();
    EXPECT_GT(menuBarHeight, 0);
    EXPECT_EQ(control<QWidget>("clientArea")->geometry(), QRect(0, menuBarHeight, 265, 182));
    EXPECT_EQ(window->size(), QSize(265, 182 + menuBarHeight));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowIcon().isNull());

    const std::vector<ControlCase> buttons{
        {"openButton", "&Open", {8, 120, 73, 25}, "Open aircraft for editing"},
        {"writeButton", "&Write", {96, 120, 73, 25}, "Add Skylyre to aircraft"},
        {"playlistEditorButton", "&Playlist Editor", {184, 120, 73, 25}, "Launch the Playlist Editor"},
        {"updateButton", "&Update", {8, 152, 73, 25}, "Check the Internet for software upgrades"},
        {"helpButton", "&Help", {96, 152, 73, 25}, "View the Help documentation"},
        {"exitButton", "E&xit", {184, 152, 73, 25}, "Exit Skylyre Configurator"},
        {"checklistOption", "Checklist", {8, 16, 81, 17}, "Add the Skylyre to a checklist"},
        {"referenceOption", "Reference", {8, 32, 81, 17}, "Add the Skylyre to a reference sheet"},
        {"newFileOption", "New File", {144, 48, 81, 13}, "Create a new file with only the Skylyre"},
        {"addToExistingOption", "Add to existing", {144, 64, 97, 17}, "Add the Skylyre to an existing file"},
    };
    for (const ControlCase &expected : buttons) {
        auto *button = control<QAbstractButton>(expected.name);
        EXPECT_EQ(button->text(), expected.caption) << expected.name;
        EXPECT_EQ(button->geometry(), expected.geometry) << expected.name;
        EXPECT_EQ(button->toolTip(), expected.toolTip) << expected.name;
    }
    EXPECT_EQ(control<QGroupBox>("fileOptionGroup")->title(), "File Option");
    EXPECT_EQ(control<QGroupBox>("locationGroup")->title(), "Location");
    EXPECT_EQ(control<QRadioButton>("checklistOption")->parentWidget()->objectName(), "fileOptionGroup");
    EXPECT_EQ(control<QRadioButton>("newFileOption")->parentWidget(), control<QWidget>("clientArea"));

    auto *velmora = control<QLabel>("webLink");
    EXPECT_EQ(velmora->text(), "Velmora");
    EXPECT_EQ(velmora->toolTip(), "Visit Velmora");
    EXPECT_TRUE(velmora->font().underline());
    EXPECT_EQ(velmora->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(velmora->cursor().hotSpot(), QPoint(4, 0));
    EXPECT_EQ(velmora->cursor().pixmap().size(), QSize(32, 32));
    EXPECT_EQ(control<QPushButton>("updateButton")->cursor().hotSpot(), QPoint(4, 0));
    EXPECT_EQ(control<QLabel>("currentFileCaption")->text(), "Current File:");
    EXPECT_TRUE(control<QLabel>("fileNameLabel")->text().isEmpty());
}

TEST_F(MainWindowTest, OpensInTheMiddleOfTheScreen)
{
    start();
    // But for its frame, whose size the system gives only once it is shown.
    const QRect frame = window->frameGeometry();
    const QPoint off = frame.center() - window->screen()->availableGeometry().center();
    EXPECT_LE(std::abs(off.x()), frame.width() - window->width()) << off.x();
    EXPECT_LE(std::abs(off.y()), frame.height() - window->height()) << off.y();
}

TEST_F(MainWindowTest, StartsUpWithTheVersionLineThePlayerAndNoChoices)
{
    start();
    EXPECT_EQ(control<QLabel>("versionLabel")->text(), "Skylyre for FS2004 1.50 9/13/03 By Arandel");
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(control<QPushButton>("helpButton")->isVisible());
    EXPECT_FALSE(window->chosenAircraft());
    for (const char *name : {"checklistOption", "referenceOption", "newFileOption", "addToExistingOption"})
        EXPECT_FALSE(control<QRadioButton>(name)->isChecked()) << name;
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>("openButton"));
}

TEST_F(MainWindowTest, TabsThroughTheControlsInTheDesignedOrder)
{
    start();
    const QStringList expected{"openButton",      "writeButton",     "helpButton",    "playlistEditorButton",
                               "checklistOption", "referenceOption", "newFileOption", "addToExistingOption",
                               "updateButton",    "exitButton"};
    QStringList order;
    QWidget *widget = control<QWidget>("openButton");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget->objectName() != "openButton");
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, WithoutAHelpPageSaysSoOnceAndHidesHelp)
{
    start(false);
    const std::vector<DialogCall> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Help file not found\rHelp will not be available.");
    EXPECT_EQ(messages[0].style, errorBox);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_FALSE(control<QPushButton>("helpButton")->isVisible());
}

TEST_F(MainWindowTest, OpenDerivesTheAircraftFromTheChosenFile)
{
    start();
    openAircraft("Cessna172.AIR");
    EXPECT_EQ(dialogs.calls.back().text, "AIR Files (*.air)|*.air");
    ASSERT_TRUE(window->chosenAircraft());
    EXPECT_EQ(window->chosenAircraft()->name, "cessna172");
    EXPECT_EQ(window->chosenAircraft()->folder, aircraftDir.path() + '/');
    EXPECT_EQ(control<QLabel>("fileNameLabel")->text(), "Cessna172.AIR");

    openAircraft("Plane.TXT");
    EXPECT_EQ(window->chosenAircraft()->name, "plane");
    EXPECT_EQ(control<QLabel>("fileNameLabel")->text(), "Plane.TXT");
}

TEST_F(MainWindowTest, ACancelledOrUnusableOpenKeepsTheEarlierAircraft)
{
    start();
    openAircraft("Cessna172.air");
    dialogs.choose("");
    click("openButton");
    openAircraft(".air");
    openAircraft("a.b");
    EXPECT_EQ(window->chosenAircraft()->name, "cessna172");
    EXPECT_EQ(control<QLabel>("fileNameLabel")->text(), "Cessna172.air");
    const std::vector<DialogCall> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].style, errorBox);
    EXPECT_TRUE(messages[0].text.contains("\".air\""));
}

TEST_F(MainWindowTest, WriteRefusesInOrderUntilEverythingIsChosen)
{
    struct Refusal
    {
        bool aircraft;
        // Not an initializer_list: its array would end with the statement
        // that builds the table (AddressSanitizer: stack-use-after-scope).
        std::vector<const char *> options;
        QString prompt;
        BoxStyle style;
        QString title;
    };
    const std::vector<Refusal> refusals{
        {false, {"checklistOption", "newFileOption"}, "No AIR file has been opened.", errorBox, "Error"},
        {true, {}, "Please choose a File Option.", okBox, "Skylyre Configurator"},
        {true, {"newFileOption"}, "Please choose a File Option.", okBox, "Skylyre Configurator"},
        {true, {"referenceOption"}, "Pleae choose a Location.", okBox, "Skylyre Configurator"},
    };
    for (const Refusal &refusal : refusals) {
        window.reset();
        dialogs.calls.clear();
        start();
        if (refusal.aircraft)
            openAircraft();
        select(refusal.options);
        click("writeButton");
        const std::vector<DialogCall> messages = dialogs.messages();
        ASSERT_EQ(messages.size(), 1u) << refusal.prompt.toStdString();
        EXPECT_EQ(messages[0].text, refusal.prompt);
        EXPECT_EQ(messages[0].style, refusal.style);
        EXPECT_EQ(messages[0].title, refusal.title);
    }
    EXPECT_TRUE(entriesOf(aircraftDir.path()).isEmpty());
}

TEST_F(MainWindowTest, CancellingTheConfirmationWritesNothing)
{
    start();
    openAircraft();
    select({"referenceOption", "newFileOption"});
    dialogs.answer(Answer::Cancel);
    click("writeButton");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, confirmation);
    EXPECT_EQ(dialogs.messages()[0].style, okCancelBox);
    EXPECT_EQ(dialogs.messages()[0].title, "Skylyre Configurator");
    EXPECT_TRUE(entriesOf(aircraftDir.path()).isEmpty());
}

TEST_F(MainWindowTest, WriteRunsTheInstallOfTheChosenOptions)
{
    struct Dispatch
    {
        // Not an initializer_list: its array would end with the statement
        // that builds the table (AddressSanitizer: stack-use-after-scope).
        std::vector<const char *> options;
        QString page;
        QByteArray pageBefore;
        QByteArray cfgAfter;
    };
    const QByteArray player = buildPlayerPage() + "\r\n";
    const std::vector<Dispatch> dispatches{
        {{"checklistOption", "newFileOption"},
         "cessna172_check.htm",
         "old",
         "kb_checklists=cessna172_check\r\n\r\n"},
        {{"referenceOption", "newFileOption"},
         "cessna172_ref.htm",
         "old",
         "kb_checklists=x\r\nkb_reference=cessna172_ref\r\n\r\n"},
        {{"addToExistingOption", "referenceOption"},
         "cessna172_ref.htm",
         "old",
         "kb_checklists=x\r\nkb_reference=cessna172_ref\r\n\r\n"},
        {{"addToExistingOption", "checklistOption"},
         "cessna172_check.htm",
         "old",
         "kb_checklists=cessna172_check\r\n\r\n"},
    };
    for (const Dispatch &dispatch : dispatches) {
        writeBytes(aircraftFile("aircraft.cfg"), "kb_checklists=x\r\n");
        writeBytes(aircraftFile(dispatch.page), dispatch.pageBefore);
        window.reset();
        start();
        openAircraft();
        select(dispatch.options);
        dialogs.answer(Answer::Ok).answer(Answer::Yes).answer(Answer::No);
        click("writeButton");
        const bool appended = *dispatch.options.begin() == std::string("addToExistingOption");
        EXPECT_EQ(readBytes(aircraftFile(dispatch.page)), appended ? dispatch.pageBefore + player : player)
            << dispatch.page.toStdString();
        EXPECT_EQ(readBytes(aircraftFile("aircraft.cfg")), dispatch.cfgAfter);
        EXPECT_EQ(dialogs.prompts().last(), "Backup aircraft.cfg? (Recommended)");
    }
}

TEST_F(MainWindowTest, HelpAndTheWebLinkOpenThroughTheDesktop)
{
    start();
    click("helpButton");
    QTest::mouseClick(control<QLabel>("webLink"), Qt::LeftButton);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].kind, DialogCall::Shell);
    EXPECT_EQ(dialogs.calls[0].text, "help.htm");
    EXPECT_EQ(dialogs.calls[1].text, "http://velmora.example/velmora");
}

TEST_F(MainWindowTest, ExitAnsweredNoGoesOnAndYesClosesEveryWindow)
{
    start();
    QWidget other;
    other.show();
    dialogs.answer(Answer::No);
    click("exitButton");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(other.isVisible());
    const DialogCall question = dialogs.messages().back();
    EXPECT_EQ(question.text,
              "Are you sure you want to exit Skylyre Configurator? All unsaved "
              "changes will be lost.");
    EXPECT_EQ(question.style, yesNoBox);
    EXPECT_EQ(question.title, "Playlist Editor");

    dialogs.answer(Answer::Yes);
    click("exitButton");
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(other.isVisible());
}

TEST_F(MainWindowTest, TheCloseBoxClosesEveryWindowWithoutAQuestion)
{
    start();
    QWidget other;
    other.show();
    window->close();
    EXPECT_FALSE(other.isVisible());
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(MainWindowTest, UpdateChecksTheMakersSite)
{
    LocalHttpServer server;
    server.serve(MakerSite::versionPagePath, "1.50");
    start(true, server.baseAddress());
    dialogs.answer(Answer::Yes);
    click("updateButton");
    EXPECT_EQ(dialogs.prompts(),
              (QStringList{"Check the Internet for upgrades? An Internet connection is required.",
                           "You have the latest version of Skylyre Configurator. No updates are needed."}));
}
