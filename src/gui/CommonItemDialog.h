#pragma once

#include "dialogs/Dialogs.h"

#include <shobjidl.h>
#include <wrl/client.h>

#include <string>

// Windows' common item dialog (IFileOpenDialog or IFileSaveDialog), set up
// for one of the program's file dialogs: it starts in the setup's start
// folder, offers the setup's folders as places in its navigation pane where
// the system supports places, lists the files of the filter, and returns the
// file system path chosen with no default extension added and no overwrite
// question of its own.
class CommonItemDialog
{
public:
    explicit CommonItemDialog(const FileDialogSetup &setup);
    ~CommonItemDialog();
    CommonItemDialog(const CommonItemDialog &) = delete;
    CommonItemDialog &operator=(const CommonItemDialog &) = delete;

    // S_OK, or why the dialog could not be made or shown.
    HRESULT status() const { return result; }
    IFileDialog *dialog() const { return fileDialog.Get(); }

    // Shows the dialog, owned by `owner`; returns the path chosen with '/'
    // between its folders, or an empty text when the user cancels or it fails.
    QString show(HWND owner);

private:
    void setFileTypes(const QString &filter);
    void addPlaces(const QList<LabelledFolder> &folders);

    HRESULT comInitialized;
    HRESULT result = S_OK;
    Microsoft::WRL::ComPtr<IFileDialog> fileDialog;
    std::wstring filterName;
    std::wstring filterPattern;
};
