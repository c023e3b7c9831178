#pragma once

#include "files/FileError.h"

#include <QByteArrayView>

// True when a normal, visible file (not a folder) exists under the exact name.
// A relative path is taken against the current directory.
bool fileExists(const QString &path);

// Reads the whole of an existing regular file (found in any case, see
// existingCaseOf) into `content`, reusing its room. A read that fails part
// way fails the whole.
bool readWholeFile(const QString &path, QByteArray *content, FileError *error);

// Replaces the file at `path` (found in any case, see existingCaseOf) whole
// with `bytes`, in one write and one sync (AtomicFile). Fails, leaving the
// file as it was, when it cannot be written; `error` then says why.
bool writeWholeFile(const QString &path, QByteArrayView bytes, FileError *error);

// Deletes the file at `path`; false, with `error`, when it could not (on
// Windows, for one, while another program has it open).
bool removeFile(const QString &path, FileError *error);
