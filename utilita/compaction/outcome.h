#pragma once
// How one compaction run ended.
#include <string>
#include <vector>

namespace utilita::compaction {

// The steps that touch files, in the order they run: both compactions, both
// deletes, both renames.
enum class Step { FirstCompaction, SecondCompaction, FirstDelete, SecondDelete, FirstRename, SecondRename };

struct Outcome {
    enum class Result {
        Completed,  // both databases compacted in place
        Failed,     // stopped at `step`; the files after it were not touched
        Refused,    // a run over the same folder was still going; nothing done
    };
    Result result = Result::Completed;
    Step step = Step::FirstCompaction;
    int number = 0;
    std::string description;
    // After a run that stopped before either database changed: the copies
    // and journals still in the way of the next run (left by an earlier run,
    // or of this one and not removable).
    std::vector<std::string> leftCopies;
};

} // namespace utilita::compaction
