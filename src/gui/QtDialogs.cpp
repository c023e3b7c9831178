#include "gui/QtDialogs.h"

#include "gui/PlatformFileDialog.h"

#include <QApplication>
#include <QDesktopServices>
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
    return askWithPlatformFileDialog(owner(), setup, *this);
}

void QtDialogs::shellOpen(const QString &document)
{
    QDesktopServices::openUrl(documentUrl(document));
}
