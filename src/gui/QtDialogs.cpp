#include "gui/QtDialogs.h"

#include "gui/FileDialogSidebar.h"
#include "dialogs/MessageCodes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {

QString withLineBreaks(QString prompt)
{
    prompt.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    prompt.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return prompt;
}

// "AIR Files (*.air)|*.air" becomes Qt's "AIR Files (*.air)". Qt's own file
// dialog matches the pattern without regard to case, as Windows does.
QString qtNameFilter(const QString &filter)
{
    const QString description = filter.section(QLatin1Char('|'), 0, 0);
    const QString pattern = filter.section(QLatin1Char('|'), 1);
    const QString patternInParentheses = QStringLiteral("(%1)").arg(pattern);
    if (pattern.isEmpty() || description.endsWith(patternInParentheses))
        return description;
    return QStringLiteral("%1 %2").arg(description, patternInParentheses);
}

QUrl documentUrl(const QString &document)
{
    const QUrl url(document, QUrl::StrictMode);
    // A one-letter scheme is a Windows drive letter, not a web address.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(document).absoluteFilePath());
}

} // namespace

QtDialogs::QtDialogs(QWidget *window)
    : window(window)
{
}

QWidget *QtDialogs::owner() const
{
    return window ? window : QApplication::activeWindow();
}

int QtDialogs::messageBox(const QString &prompt, int buttons, const QString &title)
{
    QMessageBox box(owner());
    box.setWindowTitle(title);
    box.setText(withLineBreaks(prompt));
    if (buttons & MB_ICONERROR)
        box.setIcon(QMessageBox::Critical);
    switch (buttons & ~MB_ICONERROR) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

QString QtDialogs::askFileName(const FileDialogSetup &setup)
{
    QFileDialog dialog(owner());
    dialog.setNameFilter(qtNameFilter(setup.filter));
    // Qt's own dialog on every desktop: it lists files of any case, and names
    // are returned as typed, without a default extension.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!setup.startFolder.isEmpty())
        dialog.setDirectory(setup.startFolder);
    const FileDialogSidebar sidebar(dialog, setup.sidebarFolders);
    if (setup.kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::shellOpen(const QString &document)
{
    QDesktopServices::openUrl(documentUrl(document));
}
