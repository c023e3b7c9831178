#include "ScriptedFetchProgress.h"

#include "ScriptedDialogs.h"

#include <QTimer>

#include <gtest/gtest.h>

ScriptedFetchProgress::ScriptedFetchProgress(const ScriptedDialogs &dialogs)
    : dialogs(dialogs)
{
}

ScriptedFetchProgress::~ScriptedFetchProgress()
{
    EXPECT_FALSE(showing) << "the waiting box was left shown";
}

void ScriptedFetchProgress::cancelAt(int showingNumber, int afterMs)
{
    cancelShowing = showingNumber;
    cancelAfterMs = afterMs;
}

void ScriptedFetchProgress::begin(const QString &text, const QString &title, std::function<void()> cancel)
{
    EXPECT_FALSE(showing) << "the waiting box was shown twice at once";
    showing = true;
    shown << title + QStringLiteral(": ") + text;
    callsAtBegin = dialogs.calls.size();
    if (shown.size() == cancelShowing) {
        const qsizetype number = shown.size();
        QTimer::singleShot(cancelAfterMs, &timers, [this, number, cancel] {
            if (!showing || shown.size() != number)
                return;
            ++cancelsPressed;
            cancel();
        });
    }
}

void ScriptedFetchProgress::end()
{
    EXPECT_TRUE(showing) << "the waiting box was ended without being shown";
    EXPECT_EQ(dialogs.calls.size(), callsAtBegin) << "a dialog came up while the waiting box was shown";
    showing = false;
    ++ended;
}
