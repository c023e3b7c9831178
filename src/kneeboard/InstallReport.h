#pragma once

#include "files/FileError.h"
#include "kneeboard/KneeboardSection.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What an install did to one aircraft, or where it stopped.
struct InstallReport
{
    enum class PageAction { Written, AppendedTo, Created };
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
    bool cfgChanged = false;              // aircraft.cfg's bytes are not what they were
    bool backupMade = false;              // aircraft.bak holds aircraft.cfg as it was before
    QString refusal;                      // why nothing was written: the aircraft or its name
    std::optional<FileError> failure;     // the file that could not be read or written
    QStringList notes;                    // what undoing a failed install could not undo

    bool failed() const { return !refusal.isEmpty() || failure.has_value(); }
    // The message that says why it failed, and what could not be undone.
    QString failureMessage() const
    {
        return QStringList{failure ? failure->message() : refusal, notes.join(QStringLiteral("\r\n"))}
            .join(QStringLiteral("\r\n"))
            .trimmed();
    }
};
