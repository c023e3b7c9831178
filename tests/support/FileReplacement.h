#pragma once

#include "FaultInjection.h"

#include <string>
#include <vector>

namespace faults {

// Whether the folder's file system offers O_TMPFILE (Linux's local ones do;
// some network and FUSE ones do not, and Qt then uses named temporary files).
enum class TempFiles { Unnamed, Named };

// One file operation of writing a file whole through AtomicFile (QSaveFile).
struct ReplacementStep
{
    Op op;
    std::string name; // for a test's name: "TempCreate", "TempWrite", ...
    // Qt ignores its failure, and no harm comes of it. A test fails it alone
    // (failOnly), as a lasting fault would show at the next checked sync.
    bool harmless;
    // It puts the file, all on disk beside its place, in that place
    // (AtomicFile::commit() after prepare()).
    bool placing = false;
    // Failing once, Qt goes another way and the file still takes its place.
    bool retried = false;
};

// The file operations of writing a file whole in one write, in the order
// Qt 6.4 makes them, over an existing file or as a new one. Each fault test's
// table says so of a clean run, so a Qt that writes files otherwise fails it.
std::vector<ReplacementStep> replacementSteps(TempFiles temp, bool overAnExistingFile);

} // namespace faults
