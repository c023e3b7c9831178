#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// One aircraft that a batch works on.
struct BatchAircraft
{
    QString airPath;
    QString title; // as the hangar shows it
};

// What the work on one aircraft came to.
struct BatchStep
{
    enum class Result { Done, Unchanged, Failed };
    Result result = Result::Done;
    QStringList failures = {}; // what was left undone, and why
};

// What a batch came to.
struct BatchResult
{
    qsizetype done = 0;
    qsizetype unchanged = 0;
    QStringList failures;   // a line for each aircraft that failed: its title, .air file and why
    QStringList worked;     // the .air files worked on, in order
    bool cancelled = false; // before the last aircraft
};

// Works on each aircraft in turn with `step`, showing a modal progress dialog
// over `window` (aircraft n of m, with its title) that can be cancelled
// between two aircraft.
BatchResult runBatch(QWidget *window, const QString &title, const QList<BatchAircraft> &aircraft,
                     const std::function<BatchStep(const QString &airPath)> &step);

// Shows what a batch came to: `headline`, then each failure, in text that can
// be selected and copied.
void showBatchSummary(QWidget *window, const QString &title, const QString &headline,
                      const BatchResult &result);
