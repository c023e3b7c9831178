#include "gui/QtDialogs.h"

#include "gui/FileDialogSidebar.h"

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

Dialogs::Answer QtDialogs::messageBox(const QString &prompt, Buttons buttons, const QString &title, Icon icon)
{
    QMessageBox box(owner());
    box.setWindowTitle(title);
    box.setText(withLineBreaks(prompt));
    if (icon == Icon::Error)
        box.setIcon(QMessageBox::Critical);
    switch (buttons) {
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
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
