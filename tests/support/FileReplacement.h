#pragma once

#include "FaultInjection.h"

#include <string>
#include <vector>

namespace faults {

// One file operation of writing a file whole through AtomicFile.
struct ReplacementStep
{
    Op op;
    std::string name; // for a test's name: "TempCreate", "TempWrite", ...
    // It puts the file, all on disk beside its place, in that place
    // (AtomicFile::commit() after prepare()).
    bool placing = false;
};

// The file operations of writing a file whole in one write, in the order
// AtomicFile makes them. Each fault test's table says so of a clean run, so
// that a change in how files are written fails it.
std::vector<ReplacementStep> replacementSteps();

} // namespace faults
