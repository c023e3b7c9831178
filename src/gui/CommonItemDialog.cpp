#include "gui/CommonItemDialog.h"

#include <QDir>

using Microsoft::WRL::ComPtr;

namespace {

ComPtr<IShellItem> folderItem(const QString &path)
{
    ComPtr<IShellItem> item;
    const std::wstring nativePath = QDir::toNativeSeparators(path).toStdWString();
    if (FAILED(SHCreateItemFromParsingName(nativePath.c_str(), nullptr, IID_PPV_ARGS(&item))))
        return nullptr;
    return item;
}

} // namespace

CommonItemDialog::CommonItemDialog(const FileDialogSetup &setup)
    : comInitialized(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))
{
    const CLSID kind = setup.kind == FileDialogKind::Save ? CLSID_FileSaveDialog : CLSID_FileOpenDialog;
    result = CoCreateInstance(kind, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&fileDialog));
    if (FAILED(result))
        return;
    FILEOPENDIALOGOPTIONS options = 0;
    result = fileDialog->GetOptions(&options);
    if (SUCCEEDED(result)) {
        // The program asks its own questions about a file that is there or
        // is not, and the help page is found in the folder it started in.
        options &= ~(FOS_OVERWRITEPROMPT | FOS_FILEMUSTEXIST);
        if (setup.kind == FileDialogKind::Folder)
            options |= FOS_PICKFOLDERS;
        result = fileDialog->SetOptions(options | FOS_FORCEFILESYSTEM | FOS_NOCHANGEDIR);
    }
    if (SUCCEEDED(result))
        setFileTypes(setup.filter);
    if (SUCCEEDED(result) && !setup.startFolder.isEmpty()) {
        // A start folder that is gone leaves the dialog in its own.
        if (const ComPtr<IShellItem> start = folderItem(setup.startFolder))
            result = fileDialog->SetFolder(start.Get());
    }
    if (SUCCEEDED(result))
        addPlaces(setup.sidebarFolders);
}

CommonItemDialog::~CommonItemDialog()
{
    fileDialog.Reset();
    if (SUCCEEDED(comInitialized))
        CoUninitialize();
}

// "AIR Files (*.air)|*.air": one file type, its name and its pattern.
void CommonItemDialog::setFileTypes(const QString &filter)
{
    filterName = filter.section(QLatin1Char('|'), 0, 0).toStdWString();
    filterPattern = filter.section(QLatin1Char('|'), 1).toStdWString();
    if (filterPattern.empty())
        return;
    const COMDLG_FILTERSPEC fileType{filterName.c_str(), filterPattern.c_str()};
    result = fileDialog->SetFileTypes(1, &fileType);
}

// Where the system does not support places (Wine answers E_NOTIMPL), the
// dialog goes without them.
void CommonItemDialog::addPlaces(const QList<LabelledFolder> &folders)
{
    for (const LabelledFolder &folder : folders) {
        const ComPtr<IShellItem> place = folderItem(folder.path);
        if (place && FAILED(fileDialog->AddPlace(place.Get(), FDAP_BOTTOM)))
            return;
    }
}

QString CommonItemDialog::show(HWND owner)
{
    if (FAILED(result))
        return {};
    const HRESULT shown = fileDialog->Show(owner);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED))
        return {};
    ComPtr<IShellItem> chosen;
    result = FAILED(shown) ? shown : fileDialog->GetResult(&chosen);
    PWSTR path = nullptr;
    if (SUCCEEDED(result))
        result = chosen->GetDisplayName(SIGDN_FILESYSPATH, &path);
    if (FAILED(result))
        return {};
    const QString chosenPath = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    CoTaskMemFree(path);
    return chosenPath;
}
