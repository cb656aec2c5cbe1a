#pragma once
// The message shown when a step of the compaction fails.
#include <string>

#include "compaction/archive_files.h"
#include "compaction/outcome.h"

namespace utilita::compaction {

// What the step does, with the files it works on.
std::string StepText(Step step, const ArchiveFiles& files);

// The failing step, the error number with its description, the copies of an
// earlier run that are in the way, and where the data of the two databases
// now is.
std::string FailureMessage(const Outcome& failure, const ArchiveFiles& files);

} // namespace utilita::compaction
