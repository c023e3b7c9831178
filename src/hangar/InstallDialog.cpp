#include "hangar/InstallDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template<typename Box>
Box *choice(QWidget *parent, const char *name, const QString &caption, bool checked = false)
{
    auto *box = new Box(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    parent->layout()->addWidget(box);
    return box;
}

QGroupBox *group(QWidget *parent, const QString &title)
{
    auto *box = new QGroupBox(title, parent);
    new QVBoxLayout(box);
    parent->layout()->addWidget(box);
    return box;
}

} // namespace

InstallDialog::InstallDialog(qsizetype aircraftCount, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("installDialog"));
    setWindowTitle(tr("Install into %1 aircraft").arg(aircraftCount));
    auto *layout = new QVBoxLayout(this);
    QGroupBox *fileOption = group(this, tr("File Option"));
    checklistBox = choice<QCheckBox>(fileOption, "checklistBox", tr("&Checklist"));
    referenceBox = choice<QCheckBox>(fileOption, "referenceBox", tr("&Reference"));
    QGroupBox *location = group(this, tr("Location"));
    newFileOption = choice<QRadioButton>(location, "newFileOption", tr("&New File"));
    addToExistingOption = choice<QRadioButton>(location, "addToExistingOption", tr("&Add to existing"));
    configureBox = choice<QCheckBox>(this, "configureBox", tr("C&onfigure aircraft.cfg"), true);
    backupBox = choice<QCheckBox>(this, "backupBox", tr("&Backup aircraft.cfg (Recommended)"), true);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("installButtons"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const QList<QAbstractButton *> choosing{checklistBox, referenceBox, newFileOption, addToExistingOption,
                                            configureBox};
    for (QAbstractButton *button : choosing)
        connect(button, &QAbstractButton::toggled, this, &InstallDialog::updateButtons);
    updateButtons();
}

// An install needs a section and a place for the player; a backup is of the
// aircraft.cfg that the install configures.
void InstallDialog::updateButtons()
{
    const bool section = checklistBox->isChecked() || referenceBox->isChecked();
    const bool place = newFileOption->isChecked() || addToExistingOption->isChecked();
    buttons->button(QDialogButtonBox::Ok)->setEnabled(section && place);
    backupBox->setEnabled(configureBox->isChecked());
}

InstallChoices InstallDialog::choices() const
{
    return {checklistBox->isChecked(),  referenceBox->isChecked(),
            newFileOption->isChecked(), addToExistingOption->isChecked(),
            configureBox->isChecked(),  configureBox->isChecked() && backupBox->isChecked()};
}

std::optional<InstallChoices> InstallDialog::ask(QWidget *parent, qsizetype aircraftCount)
{
    InstallDialog dialog(aircraftCount, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choices();
}
