#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PlayerBatch;
class QWidget;

// One aircraft that a batch works on.
struct BatchAircraft
{
    QString airPath;
    QString title; // as the hangar shows it
};

// What a batch came to.
struct BatchResult
{
    QStringList lines;  // a line for each aircraft worked on: its title, .air file and what was done
    QStringList worked; // the .air files worked on, in order
};

// Works on each aircraft in turn with `batch`, showing a modal progress
// dialog over `window` (aircraft n of m, with its title) that can be
// cancelled between two aircraft.
BatchResult runBatch(QWidget *window, const QString &title, const QList<BatchAircraft> &aircraft,
                     PlayerBatch &batch);

// Shows what a batch came to: `headline`, then each aircraft's line, in text
// that can be selected and copied.
void showBatchSummary(QWidget *window, const QString &title, const QString &headline,
                      const BatchResult &result);
