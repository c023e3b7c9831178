#pragma once

#include "kneeboard/InstallChoices.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QDialogButtonBox;
class QRadioButton;

// The choices of an install into many aircraft, asked once for all: the main
// window's sections and locations, and Write's two questions as boxes, both
// ticked.
class InstallDialog : public QDialog
{
    Q_OBJECT

public:
    InstallDialog(qsizetype aircraftCount, QWidget *parent = nullptr);

    InstallChoices choices() const;

    // Nothing when the user cancels.
    static std::optional<InstallChoices> ask(QWidget *parent, qsizetype aircraftCount);

private:
    void updateButtons();

    QCheckBox *checklistBox = nullptr;
    QCheckBox *referenceBox = nullptr;
    QRadioButton *newFileOption = nullptr;
    QRadioButton *addToExistingOption = nullptr;
    QCheckBox *configureBox = nullptr;
    QCheckBox *backupBox = nullptr;
    QDialogButtonBox *buttons = nullptr;
};
