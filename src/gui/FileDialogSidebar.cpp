#include "gui/FileDialogSidebar.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QHash>
#include <QSplitter>
#include <QTimer>

namespace {

// Where the model of Qt's side bar keeps each entry's address.
constexpr int urlRole = Qt::UserRole + 1;

QUrl folderUrl(const QString &path)
{
    return QUrl::fromLocalFile(QDir::cleanPath(path));
}

} // namespace

FileDialogSidebar::FileDialogSidebar(QFileDialog &dialog, const QList<LabelledFolder> &folders)
    : dialog(dialog)
    , sidebar(dialog.findChild<QAbstractItemView *>(QStringLiteral("sidebar")))
    , splitter(dialog.findChild<QSplitter *>(QStringLiteral("splitter")))
{
    if (folders.isEmpty())
        return;
    const QList<QUrl> usual = dialog.sidebarUrls();
    for (const LabelledFolder &folder : folders) {
        const QUrl url = folderUrl(folder.path);
        if (!usual.contains(url) && !added.contains(url))
            added << url;
    }
    if (!added.isEmpty())
        dialog.setSidebarUrls(usual + added);
    if (!sidebar)
        return;
    showLabels(folders);
    // Once the dialog is shown and laid out, when the side bar has its width.
    QTimer::singleShot(0, &dialog, [this] { widen(); });
}

FileDialogSidebar::~FileDialogSidebar()
{
    if (!usualSizes.isEmpty())
        splitter->setSizes(usualSizes);
    if (added.isEmpty())
        return;
    QList<QUrl> urls = dialog.sidebarUrls();
    urls.removeIf([this](const QUrl &url) { return added.contains(url); });
    dialog.setSidebarUrls(urls);
}

// Now, and whenever Qt names an entry after its folder again (as it does once
// it has read the folder).
void FileDialogSidebar::showLabels(const QList<LabelledFolder> &folders)
{
    QHash<QUrl, QString> labels;
    for (const LabelledFolder &folder : folders)
        labels.insert(folderUrl(folder.path), folder.label);
    QAbstractItemModel *model = sidebar->model();
    const auto relabel = [model, labels] {
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex entry = model->index(row, 0);
            const auto label = labels.constFind(entry.data(urlRole).toUrl());
            if (label != labels.cend() && entry.data().toString() != *label)
                model->setData(entry, *label);
        }
    };
    relabel();
    QObject::connect(model, &QAbstractItemModel::dataChanged, sidebar, relabel);
}

void FileDialogSidebar::widen()
{
    const QList<int> sizes = splitter ? splitter->sizes() : QList<int>();
    const int wanted = sidebar->sizeHintForColumn(0) + 2 * sidebar->frameWidth();
    if (sizes.size() != 2 || sizes[0] >= wanted)
        return;
    usualSizes = sizes;
    splitter->setSizes({wanted, sizes[0] + sizes[1] - wanted});
}
