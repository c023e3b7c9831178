#include "gui/QtDialogs.h"

#include "Files.h"
#include "ModalAnswer.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The names listed in an open file dialog, once its folder has loaded.
QStringList listedNames(QFileDialog *dialog)
{
    auto *view = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
    QStringList names;
    if (!view || !view->model())
        return names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        names << view->model()->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

// Types `name` into the dialog's file name box and presses Enter.
void typeFileName(QFileDialog *dialog, const QString &name)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

TEST(RealFileDialog, ListsMatchingFilesInAnyCaseAndReturnsTheChosenPath)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("Cessna172.AIR"), "");
    writeBytes(dir.filePath("piper.air"), "");
    writeBytes(dir.filePath("aircraft.cfg"), "");
    auto listed = std::make_shared<QStringList>();
    answerModal([&dir, listed](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        if (dialog->directory() != QDir(dir.path()))
            dialog->setDirectory(dir.path());
        *listed = listedNames(dialog);
        if (listed->size() < 2)
            return false;
        typeFileName(dialog, "Cessna172.AIR");
        return true;
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.askFileName({FileDialogKind::Open, "AIR Files (*.air)|*.air"}),
              dir.filePath("Cessna172.AIR"));
    EXPECT_EQ(*listed, (QStringList{"Cessna172.AIR", "piper.air"}));
}

TEST(RealFileDialog, ACancelledSaveReturnsNothingAndATypedNameIsKeptAsTyped)
{
    QTemporaryDir dir;
    QtDialogs dialogs;
    answerModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (dialog)
            dialog->reject();
        return dialog != nullptr;
    });
    EXPECT_TRUE(dialogs.askFileName({FileDialogKind::Save, "M3U Files (*.m3u)|*.m3u"}).isEmpty());

    answerModal([&dir](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return false;
        dialog->setDirectory(dir.path());
        typeFileName(dialog, "rock");
        return true;
    });
    EXPECT_EQ(dialogs.askFileName({FileDialogKind::Save, "M3U Files (*.m3u)|*.m3u"}), dir.filePath("rock"));
}

TEST(RealFileDialog, StartsInTheStartFolderWithTheLabelledFoldersInItsSidebarAlone)
{
    QTemporaryDir dir;
    const QString wine = dir.filePath(".wine/drive_c/FS9/Aircraft");
    const QString lutris = dir.filePath("Games/fs9/drive_c/FS9/Aircraft");
    ASSERT_TRUE(QDir().mkpath(wine) && QDir().mkpath(lutris));
    writeBytes(wine + "/Cessna172.air", "");
    const auto sidebarUrlsOfANewDialog = [] {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        return dialog.sidebarUrls();
    };
    const QList<QUrl> usual = sidebarUrlsOfANewDialog();
    const QList<QUrl> added{QUrl::fromLocalFile(wine), QUrl::fromLocalFile(lutris)};
    // The side bar's width as Qt keeps it for the next dialog (the test's own
    // home), read before a dialog that is never shown writes its own.
    QSettings qtSettings(QSettings::UserScope, QStringLiteral("QtProject"));
    qtSettings.setValue("FileDialog/sidebarWidth", 90);
    qtSettings.sync();
    answerModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog || listedNames(dialog).isEmpty())
            return false;
        // As Qt's file model does for a folder whenever it has read it anew:
        // the side bar then names the entry after the folder again.
        auto *files = dialog->findChild<QFileSystemModel *>();
        for (const QString &folder : {wine, lutris})
            emit files->dataChanged(files->index(folder), files->index(folder));
        EXPECT_EQ(dialog->directory().path(), wine);
        EXPECT_EQ(dialog->sidebarUrls(), usual + added);
        auto *sidebar = dialog->findChild<QAbstractItemView *>(QStringLiteral("sidebar"));
        const int rows = sidebar->model()->rowCount();
        EXPECT_EQ(sidebar->model()->index(rows - 2, 0).data(), "FS2004 (.wine)");
        EXPECT_EQ(sidebar->model()->index(rows - 1, 0).data(), "FS2004 (fs9)");
        EXPECT_GE(sidebar->viewport()->width(), sidebar->sizeHintForColumn(0)) << "labels shown whole";
        dialog->reject();
        return true;
    });
    QtDialogs().askFileName({FileDialogKind::Open,
                             "AIR Files (*.air)|*.air",
                             wine,
                             {{wine, "FS2004 (.wine)"}, {lutris, "FS2004 (fs9)"}}});
    qtSettings.sync();
    EXPECT_EQ(qtSettings.value("FileDialog/sidebarWidth").toInt(), 90) << "the width is restored";
    EXPECT_EQ(sidebarUrlsOfANewDialog(), usual);
}
