#pragma once

#include "files/FileError.h"

#include <QString>

#include <optional>

// How reading, writing or adding to a playlist went: done, or why not.
struct [[nodiscard]] PlaylistResult
{
    std::optional<FileError> failure = {}; // the file that could not be read or written
    QString refusal = {};                  // why nothing was added: the playlist would be too long

    bool failed() const { return !refusal.isEmpty() || failure.has_value(); }
    QString failureMessage() const { return failure ? failure->message() : refusal; }
};
