#include "gui/CommonItemDialog.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Microsoft::WRL::ComPtr;

namespace {

struct DialogCase
{
    const char *name;
    FileDialogKind kind;
    const IID &expectedInterface;
    bool picksFolders = false;
};

void PrintTo(const DialogCase &row, std::ostream *out)
{
    *out << row.name;
}

class CommonItemDialogSetup : public testing::TestWithParam<DialogCase>
{
};

std::string folderOf(IFileDialog *dialog)
{
    ComPtr<IShellItem> folder;
    PWSTR path = nullptr;
    if (FAILED(dialog->GetFolder(&folder)) || FAILED(folder->GetDisplayName(SIGDN_FILESYSPATH, &path)))
        return {};
    const QString folderPath = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    CoTaskMemFree(path);
    return folderPath.toStdString();
}

} // namespace

// Set up, not shown: the kind of dialog, the folder it starts in, whatever the
// system answers to the places, and the options that keep what it returns
// as the program expects it.
TEST_P(CommonItemDialogSetup, StartsInTheStartFolderAndLeavesTheQuestionsToTheProgram)
{
    QTemporaryDir start;
    QTemporaryDir place;
    CommonItemDialog dialog(
        {GetParam().kind, "AIR Files (*.air)|*.air", start.path(), {{place.path(), "FS2004 (C:)"}}});
    ASSERT_EQ(dialog.status(), S_OK);
    ComPtr<IUnknown> expected;
    EXPECT_EQ(dialog.dialog()->QueryInterface(GetParam().expectedInterface, &expected), S_OK);
    EXPECT_EQ(folderOf(dialog.dialog()), QDir(start.path()).canonicalPath().toStdString());
    FILEOPENDIALOGOPTIONS options = 0;
    ASSERT_EQ(dialog.dialog()->GetOptions(&options), S_OK);
    EXPECT_EQ(options & (FOS_OVERWRITEPROMPT | FOS_FILEMUSTEXIST), 0u);
    EXPECT_EQ(options & (FOS_FORCEFILESYSTEM | FOS_NOCHANGEDIR), FOS_FORCEFILESYSTEM | FOS_NOCHANGEDIR);
    EXPECT_EQ((options & FOS_PICKFOLDERS) != 0, GetParam().picksFolders);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CommonItemDialogSetup,
    testing::Values(DialogCase{"Open", FileDialogKind::Open, IID_IFileOpenDialog},
                    DialogCase{"Save", FileDialogKind::Save, IID_IFileSaveDialog},
                    DialogCase{"Folder", FileDialogKind::Folder, IID_IFileOpenDialog, true}),
    [](const testing::TestParamInfo<DialogCase> &info) { return std::string(info.param.name); });
