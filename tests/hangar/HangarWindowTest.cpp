#include "hangar/HangarWindow.h"
#include "gui/MainWindow.h"
#include "kneeboard/PlayerPage.h"

#include "Files.h"
#include "ModalAnswer.h"
#include "ScriptedDialogs.h"
#include "TemporaryCurrentFolder.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

const QByteArray player = buildPlayerPage() + "\r\n";

// Writes a file, making its folder first.
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    writeBytes(path, bytes);
}

// aircraft.cfg of an aircraft before the install, and after an install of a
// new Checklist page with a backup: aircraft.bak holds the bytes before.
QByteArray cfgBefore(const QByteArray &title)
{
    return "[fltsim.0]\r\ntitle=" + title
        + "\r\nui_manufacturer=Acme\r\nkb_checklists=own_notes\r\n[General]\r\n";
}
QByteArray cfgInstalled(const QByteArray &title)
{
    return "[fltsim.0]\r\ntitle=" + title + "\r\nui_manufacturer=Acme\r\nkb_checklists=" + title.toLower()
        + "_check\r\n[General]\r\n\r\n";
}

// A hangar over the folder "Aircraft" of a temporary folder, which stands for
// the FS2004 Aircraft folder found; it asks through scripted dialogs.
class HangarWindowTest : public testing::Test
{
protected:
    void TearDown() override { delete window; }

    // Alpha, Bravo and Charlie of Acme, each with the player installed.
    void installedThree()
    {
        for (const QByteArray title : {"Alpha", "Bravo", "Charlie"}) {
            const QString folder = dir.filePath("Aircraft/" + title);
            writeFile(folder + '/' + title + ".air", "flight model");
            writeFile(folder + "/aircraft.cfg", cfgInstalled(title));
            writeFile(folder + "/aircraft.bak", cfgBefore(title));
            writeFile(folder + '/' + title.toLower() + "_check.htm", player);
        }
    }
    void open()
    {
        window = new HangarWindow(dialogs, {}, [this] {
            return QList<LabelledFolder>{{dir.filePath("Aircraft"), "FS2004"}};
        });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        waitForReading();
    }
    void waitForReading()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isReading(); }));
    }

    template<typename Control> Control *control(const char *name) const
    {
        auto *found = window->findChild<Control *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString counts() const { return control<QLabel>("countsLabel")->text(); }
    // Selects the row of the manufacturer `row`, which stands for its aircraft.
    void selectGroup(int row)
    {
        auto *view = control<QTreeView>("aircraftView");
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, 0));
    }
    // Answers the summary of a batch with OK, keeping its headline and its
    // line for each aircraft.
    void answerSummary()
    {
        answerModal([this](QWidget *modal) {
            if (modal->objectName() != "batchSummary")
                return false;
            headline = modal->findChild<QLabel *>("summaryHeadline")->text();
            auto *text = modal->findChild<QPlainTextEdit *>("summaryLines");
            lines = text ? text->toPlainText().split('\n') : QStringList();
            EXPECT_TRUE(!text || text->isReadOnly());
            modal->close();
            return true;
        });
    }
    QString aircraftFile(const QString &name) const { return dir.filePath("Aircraft/" + name); }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    HangarWindow *window = nullptr;
    QString headline;
    QStringList lines;
};

// Cancels a batch's progress dialog once its first aircraft is done.
class CancelAfterFirst : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *progress = qobject_cast<QProgressDialog *>(watched);
        if (event->type() == QEvent::Show && progress && progress->objectName() == "batchProgress") {
            connect(progress->findChild<QProgressBar *>(), &QProgressBar::valueChanged, progress,
                    [progress](int value) {
                        if (value == 1)
                            progress->cancel();
                    });
        }
        return false;
    }
};

} // namespace

TEST_F(HangarWindowTest, ListsTheAircraftFoundAndThoseOfAnAddedFolder)
{
    installedThree();
    writeBytes(dir.filePath("Aircraft/Charlie/charlie_check.htm"), "<p>own</p>");
    writeFile(dir.filePath("More/Delta/Delta.air"), "flight model");
    open();
    EXPECT_EQ(counts(), "3 aircraft, 2 with the Skylyre");

    dialogs.choose(dir.filePath("More"));
    control<QAction>("addFolderAction")->trigger();
    waitForReading();
    EXPECT_EQ(counts(), "4 aircraft, 2 with the Skylyre");
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, DialogCall::Folder);

    control<QLineEdit>("filterEdit")->setText("brav");
    const QAbstractItemModel *shown = control<QTreeView>("aircraftView")->model();
    ASSERT_EQ(shown->rowCount(), 1);
    ASSERT_EQ(shown->rowCount(shown->index(0, 0)), 1);
    EXPECT_EQ(shown->index(0, 0, shown->index(0, 0)).data().toString(), "Bravo (1 variation)");
    control<QLineEdit>("filterEdit")->setText("more");
    ASSERT_EQ(shown->rowCount(), 1);
    EXPECT_EQ(shown->index(0, 0).data().toString(), "(No manufacturer)");
}

TEST_F(HangarWindowTest, RemovesThePlayerFromTheSelectedAndNamesTheOneThatFailed)
{
    installedThree();
    const QByteArray changedPage = "<p>own</p>\r\n" + player + "<p>after</p>";
    writeBytes(aircraftFile("Charlie/charlie_check.htm"), changedPage);
    writeFile(aircraftFile("Delta/Delta.air"), "flight model");
    writeFile(aircraftFile("Delta/aircraft.cfg"), cfgBefore("Delta"));
    // Without its backup, Bravo's own entry cannot be given back: the summary says so.
    ASSERT_TRUE(QFile::remove(aircraftFile("Bravo/aircraft.bak")));
    open();
    selectGroup(0);
    dialogs.answer(Answer::Yes);
    answerSummary();
    QTest::keyClick(control<QTreeView>("aircraftView"), Qt::Key_Delete);

    EXPECT_EQ(dialogs.prompts(), QStringList({"Remove the Skylyre from 4 aircraft?"}));
    EXPECT_EQ(headline, "Removed from 2 of 4 aircraft; 1 had nothing to remove; 1 failed.");
    // Each aircraft's line, as the console program prints it.
    ASSERT_EQ(lines.size(), 4) << lines.join('\n').toStdString();
    const QString charlie = lines.filter("Charlie (").value(0);
    EXPECT_TRUE(charlie.startsWith("Charlie (" + QDir::toNativeSeparators(aircraftFile("Charlie/Charlie.air"))
                                   + "): failed: "))
        << charlie.toStdString();
    EXPECT_TRUE(charlie.contains(QDir::toNativeSeparators(aircraftFile("Charlie/charlie_check.htm"))))
        << charlie.toStdString();
    EXPECT_TRUE(lines.filter("Delta (").value(0).endsWith("): nothing to remove"))
        << lines.join('\n').toStdString();
    EXPECT_EQ(entriesOf(aircraftFile("Alpha")), QStringList({"Alpha.air", "aircraft.bak", "aircraft.cfg"}));
    EXPECT_EQ(readBytes(aircraftFile("Alpha/aircraft.cfg")), cfgBefore("Alpha"));
    EXPECT_TRUE(lines.filter("Bravo (").value(0).endsWith(
        "): entries removed from aircraft.cfg, Checklist page deleted. The checklist entry that the install "
        "replaced could not be restored: there is no aircraft.bak. Only the entries naming bravo_check were "
        "removed."))
        << lines.join('\n').toStdString();
    EXPECT_EQ(readBytes(aircraftFile("Bravo/aircraft.cfg")),
              "[fltsim.0]\r\ntitle=Bravo\r\nui_manufacturer=Acme\r\n[General]\r\n\r\n");
    EXPECT_EQ(readBytes(aircraftFile("Charlie/charlie_check.htm")), changedPage);
    EXPECT_EQ(readBytes(aircraftFile("Charlie/aircraft.cfg")), cfgInstalled("Charlie"));
    EXPECT_EQ(readBytes(aircraftFile("Delta/aircraft.cfg")), cfgBefore("Delta"));
    waitForReading();
    EXPECT_EQ(counts(), "4 aircraft, 1 with the Skylyre");
}

TEST_F(HangarWindowTest, InstallsWhatWriteWritesIntoTheSelectedAndNamesTheOneThatFailed)
{
    for (const QByteArray title : {"Alpha", "Bravo", "Charlie"}) {
        writeFile(aircraftFile(title + '/' + title + ".air"), "flight model");
        writeFile(aircraftFile(title + "/aircraft.cfg"), cfgBefore(title));
    }
    // A folder where Charlie's page is to go.
    QDir().mkpath(aircraftFile("Charlie/charlie_check.htm"));
    open();
    EXPECT_EQ(counts(), "3 aircraft, 0 with the Skylyre");
    selectGroup(0);
    answerModal([](QWidget *modal) {
        if (modal->objectName() != "installDialog")
            return false;
        auto *ok = modal->findChild<QDialogButtonBox *>("installButtons")->button(QDialogButtonBox::Ok);
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_TRUE(modal->findChild<QCheckBox *>("configureBox")->isChecked());
        EXPECT_TRUE(modal->findChild<QCheckBox *>("backupBox")->isChecked());
        modal->findChild<QCheckBox *>("checklistBox")->click();
        EXPECT_FALSE(ok->isEnabled());
        modal->findChild<QRadioButton *>("newFileOption")->click();
        EXPECT_TRUE(ok->isEnabled());
        ok->click();
        return true;
    });
    answerSummary();
    QTest::keyClick(control<QTreeView>("aircraftView"), Qt::Key_Return);

    EXPECT_EQ(headline, "Installed into 2 of 3 aircraft; 1 failed.");
    const QString charlie = lines.filter("Charlie (").value(0);
    EXPECT_TRUE(charlie.contains("): failed: ")) << lines.join('\n').toStdString();
    EXPECT_TRUE(charlie.contains(QDir::toNativeSeparators(aircraftFile("Charlie/charlie_check.htm"))))
        << charlie.toStdString();
    EXPECT_TRUE(lines.filter("Alpha (").value(0).endsWith(
        "): Checklist page written, aircraft.cfg updated, backup made"))
        << lines.join('\n').toStdString();
    for (const QString name : {"Alpha", "Bravo"}) {
        EXPECT_EQ(readBytes(aircraftFile(name + "/aircraft.cfg")), cfgInstalled(name.toLatin1()));
        EXPECT_EQ(readBytes(aircraftFile(name + "/aircraft.bak")), cfgBefore(name.toLatin1()));
        EXPECT_EQ(readBytes(aircraftFile(name + '/' + name.toLower() + "_check.htm")), player);
    }
    EXPECT_EQ(readBytes(aircraftFile("Charlie/aircraft.cfg")), cfgBefore("Charlie"));
    waitForReading();
    EXPECT_EQ(counts(), "3 aircraft, 2 with the Skylyre");
}

TEST_F(HangarWindowTest, CancelsBetweenTwoAircraft)
{
    installedThree();
    open();
    selectGroup(0);
    CancelAfterFirst canceller;
    qApp->installEventFilter(&canceller);
    dialogs.answer(Answer::Yes);
    answerSummary();
    control<QAction>("removeAction")->trigger();
    qApp->removeEventFilter(&canceller);

    EXPECT_EQ(headline,
              "Removed from 1 of 3 aircraft; 0 had nothing to remove. Cancelled: 2 aircraft were left "
              "as they were.");
    EXPECT_EQ(readBytes(aircraftFile("Alpha/aircraft.cfg")), cfgBefore("Alpha"));
    for (const QString name : {"Bravo", "Charlie"})
        EXPECT_EQ(readBytes(aircraftFile(name + "/aircraft.cfg")), cfgInstalled(name.toLatin1()));
}

TEST_F(HangarWindowTest, ShowsTheSelectedWithItsThumbnailAsksBeforeRemovingAndOpensItsFolder)
{
    installedThree();
    open();
    auto *view = control<QTreeView>("aircraftView");
    EXPECT_FALSE(control<QAction>("removeAction")->isEnabled());
    EXPECT_TRUE(view->actions().contains(control<QAction>("removeAction")));
    EXPECT_TRUE(view->actions().contains(control<QAction>("openFolderAction")));
    view->setFocus();
    view->setCurrentIndex(view->model()->index(1, 0, view->model()->index(0, 0)));
    EXPECT_EQ(control<QLabel>("airFileLabel")->text(), "Flight model: Bravo.air");
    EXPECT_EQ(control<QLabel>("thumbnailLabel")->text(), "No thumbnail");
    QDir().mkpath(aircraftFile("Alpha/Texture"));
    QImage thumbnail(64, 32, QImage::Format_RGB32);
    thumbnail.fill(Qt::blue);
    ASSERT_TRUE(thumbnail.save(aircraftFile("Alpha/Texture/THUMBNAIL.jpg")));
    view->setCurrentIndex(view->model()->index(0, 0, view->model()->index(0, 0)));
    EXPECT_EQ(control<QLabel>("thumbnailLabel")->pixmap().width(), 256);
    view->setCurrentIndex(view->model()->index(1, 0, view->model()->index(0, 0)));

    dialogs.answer(Answer::No);
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(dialogs.prompts(), QStringList({"Remove the Skylyre from 1 aircraft?"}));
    EXPECT_EQ(readBytes(aircraftFile("Bravo/aircraft.cfg")), cfgInstalled("Bravo"));

    control<QAction>("openFolderAction")->trigger();
    ASSERT_EQ(dialogs.calls.back().kind, DialogCall::Shell);
    EXPECT_EQ(dialogs.calls.back().text, aircraftFile("Bravo"));
}

TEST_F(HangarWindowTest, NamesTheFilterTheListAndTheDetailsForAScreenReader)
{
    open();
    const std::vector<std::pair<const char *, QString>> named{
        {"filterEdit", "Filter"},  {"aircraftView", "Aircraft"},     {"thumbnailLabel", "Thumbnail"},
        {"folderLabel", "Folder"}, {"airFileLabel", "Flight model"}, {"variationsLabel", "Variations"}};
    for (const auto &[name, expected] : named) {
        QAccessibleInterface *read = QAccessible::queryAccessibleInterface(control<QWidget>(name));
        ASSERT_NE(read, nullptr) << name;
        EXPECT_EQ(read->text(QAccessible::Name), expected) << name;
    }
}

TEST_F(HangarWindowTest, DecodesTheThumbnailOnceForEachAircraftSelected)
{
    installedThree();
    QImage thumbnail(64, 32, QImage::Format_RGB32);
    thumbnail.fill(Qt::blue);
    for (const QString name : {"Alpha", "Bravo"}) {
        QDir().mkpath(aircraftFile(name + "/texture"));
        ASSERT_TRUE(thumbnail.save(aircraftFile(name + "/texture/thumbnail.jpg")));
    }
    open();
    auto *view = control<QTreeView>("aircraftView");
    const QModelIndex acme = view->model()->index(0, 0);
    view->setCurrentIndex(view->model()->index(0, 0, acme));
    const qint64 alpha = control<QLabel>("thumbnailLabel")->pixmap().cacheKey();

    // Read again, Alpha stays in its place and its row changes.
    dialogs.choose(dir.filePath("Aircraft"));
    control<QAction>("addFolderAction")->trigger();
    waitForReading();
    EXPECT_EQ(counts(), "3 aircraft, 3 with the Skylyre");
    EXPECT_EQ(control<QLabel>("thumbnailLabel")->pixmap().cacheKey(), alpha);
    view->setCurrentIndex(view->model()->index(1, 0, acme));
    EXPECT_NE(control<QLabel>("thumbnailLabel")->pixmap().cacheKey(), alpha);
}

TEST(HangarMenu, OpensOneHangarThatClosesWithTheMainWindow)
{
    const TemporaryCurrentFolder workDir;
    writeBytes(workDir.filePath("help.htm"), "<p>Help</p>");
    ScriptedDialogs dialogs;
    MainWindow main(dialogs, "localhost", [] { return QList<LabelledFolder>(); });
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    auto *action = main.findChild<QAction *>("allAircraftAction");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "&All Aircraft…");
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));

    action->trigger();
    action->trigger();
    QList<HangarWindow *> hangars;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *hangar = qobject_cast<HangarWindow *>(window); hangar && hangar->isVisible())
            hangars.append(hangar);
    }
    ASSERT_EQ(hangars.size(), 1);
    const QPointer<HangarWindow> hangar = hangars.first();
    main.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(hangar.isNull());
}
