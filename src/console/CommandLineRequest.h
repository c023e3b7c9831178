#pragma once

#include "kneeboard/InstallChoices.h"

#include <QString>
#include <QStringList>

// What the console program is asked to do.
struct CommandLineRequest
{
    enum class Command { List, Install, Remove };
    Command command = Command::List;
    QStringList paths;      // list: folders; install and remove: .air files
    InstallChoices choices; // install; remove: the sections
    bool json = false;
};

// The command line read: a request, --help or --version with the text to
// print, or a line that cannot be run, with its reason.
struct ParsedCommandLine
{
    enum class Kind { Request, Help, Version, UsageError };
    Kind kind = Kind::UsageError;
    CommandLineRequest request = {};
    QString text = {};
};

// Reads the console program's line (the program's name first). Changes nothing.
ParsedCommandLine parseCommandLine(const QStringList &arguments);
