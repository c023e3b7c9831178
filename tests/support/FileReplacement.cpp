#include "FileReplacement.h"

namespace faults {

std::vector<ReplacementStep> replacementSteps()
{
    return {
        {Op::TempCreate, "TempCreate"}, // a new name beside the file (O_CREAT | O_EXCL)
        {Op::Write, "TempWrite"},
        {Op::Sync, "Sync"},
        {Op::Rename, "Rename", true},
    };
}

} // namespace faults
