#pragma once

#include "dialogs/FetchProgress.h"

#include <QObject>
#include <QStringList>

class ScriptedDialogs;

// The waiting box for tests: records each time it is shown, checks that no
// dialog comes up while it is shown, and presses Cancel when told to.
class ScriptedFetchProgress : public FetchProgress
{
public:
    explicit ScriptedFetchProgress(const ScriptedDialogs &dialogs);
    ~ScriptedFetchProgress() override;

    // Presses Cancel `afterMs` after the box is shown for the `showing`-th
    // time (1 for the first).
    void cancelAt(int showing, int afterMs);

    void begin(const QString &text, const QString &title, std::function<void()> cancel) override;
    void end() override;

    QStringList shown; // "title: text" of each showing
    int ended = 0;
    int cancelsPressed = 0;
    bool isShown() const { return showing; }

private:
    const ScriptedDialogs &dialogs;
    QObject timers; // owns pending presses of Cancel
    int cancelShowing = 0;
    int cancelAfterMs = 0;
    bool showing = false;
    size_t callsAtBegin = 0;
};
