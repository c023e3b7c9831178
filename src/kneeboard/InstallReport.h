#pragma once

#include "files/FileError.h"
#include "kneeboard/KneeboardSection.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>

// What an install did to one aircraft, or where it stopped.
struct InstallReport
{
    enum class PageAction {
        Written,     // the player alone, in a new page or over the one there
        AppendedTo,  // after the last byte of the page there
        Created,     // added to a page that was not there
        AlreadyHeld, // the page held the player already and was left as it was
    };
    struct Page
    {
        KneeboardSection section;
        QString path;
        PageAction action;
    };

    QList<Page> pages;
    bool cfgConfigured = false;           // the user let the install rewrite aircraft.cfg
    QList<QByteArray> replacedLines;      // the entry lines the rewrite replaced, as they were
    QList<QByteArray> addedLines;         // the entry lines it wrote
    QList<KneeboardSection> withoutEntry; // sections whose entry aircraft.cfg did not have
    QList<KneeboardSection> alreadyNamed; // sections whose entries named the page already
    bool cfgChanged = false;              // aircraft.cfg's bytes are not what they were
    bool backupMade = false;              // aircraft.bak holds aircraft.cfg as it was before
    bool backupKept = false;              // aircraft.bak held aircraft.cfg as it was before the player
    QString refusal;                      // why nothing was written: the aircraft or its name
    std::optional<FileError> failure;     // the file that could not be read or written
    QStringList notes;                    // leftovers that could not be deleted, what could not be undone

    bool failed() const { return !refusal.isEmpty() || failure.has_value(); }
    // Whether the aircraft held all that was asked already, and no file changed.
    bool changedNothing() const
    {
        return !failed() && !cfgChanged && std::all_of(pages.begin(), pages.end(), [](const Page &page) {
            return page.action == PageAction::AlreadyHeld;
        });
    }
    // The message that says why it failed, and what could not be undone.
    QString failureMessage() const
    {
        return QStringList{failure ? failure->message() : refusal, notes.join(QStringLiteral("\r\n"))}
            .join(QStringLiteral("\r\n"))
            .trimmed();
    }
};
