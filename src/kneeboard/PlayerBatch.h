#pragma once

#include "kneeboard/InstallChoices.h"
#include "kneeboard/KneeboardSection.h"
#include "kneeboard/PlayerRemoval.h"
#include "simulator/SimulatorCodePages.h"

#include <QCoreApplication>

// The player put into many aircraft, or taken out of them, one after the
// other, as the console program and the hangar do it: what each aircraft
// came to, in the words of ReportText, and a headline for them all.
class PlayerBatch
{
    Q_DECLARE_TR_FUNCTIONS(PlayerBatch)

public:
    enum class Result {
        Done,
        Unchanged, // nothing to remove, or all that was asked was there already
        Failed,
    };
    struct Outcome
    {
        Result result;
        QString text;
    };

    enum class Work { Install, Remove };

    // The install of `choices`, or the removal from the sections they name.
    PlayerBatch(Work work, const InstallChoices &choices);

    // Works on the aircraft whose flight model is `airPath`.
    Outcome run(const QString &airPath);
    // An aircraft that cannot be worked on, for `reason`.
    Outcome refuse(const QString &reason);

    // "Installed into 3 of 4 aircraft; 1 failed." of `total` aircraft, those
    // beyond the ones worked on left by a cancel.
    QString headline(qsizetype total) const;
    qsizetype failedCount() const { return failed; }

private:
    Outcome counted(Result result, const QString &text);

    Work work;
    InstallChoices choices;
    QList<KneeboardSection> sections; // of a removal
    // What is learnt of the code pages is kept from one aircraft to the next.
    SimulatorCodePages codePages;
    PlayerRemoval removal;
    qsizetype done = 0;
    qsizetype unchanged = 0;
    qsizetype failed = 0;
};
