#include "FileReplacement.h"

namespace faults {

std::vector<ReplacementStep> replacementSteps(TempFiles temp, bool overAnExistingFile)
{
    std::vector<ReplacementStep> steps = {
        {Op::TempCreate, "TempCreate", false},
        {Op::Write, "TempWrite", false},
        {Op::Sync, "Sync", false}, // AtomicFile's, which is checked
        // QSaveFile::commit()'s own, whose failure Qt ignores: harmless, as
        // the sync before it has put the data on disk.
        {Op::Sync, "QtSync", true, true},
    };
    if (temp == TempFiles::Named) {
        steps.push_back({Op::Rename, "Rename", false, true});
    } else if (overAnExistingFile) {
        steps.push_back({Op::Link, "LinkToName", false, true}); // fails: the name exists
        steps.push_back({Op::Link, "LinkToTemporaryName", false, true, true});
        steps.push_back({Op::Rename, "Rename", false, true});
    } else {
        steps.push_back({Op::Link, "LinkToName", false, true});
    }
    return steps;
}

} // namespace faults
