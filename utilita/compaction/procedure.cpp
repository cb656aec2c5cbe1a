#include "compaction/procedure.h"

#include <exception>
#include <new>
#include <vector>

#include "compaction/archive_files.h"
#include "compaction/copy_mode.h"
#include "compaction/failure_report.h"
#include "compaction/flush.h"
#include "compaction/folder_claim.h"
#include "compaction/messages.h"
#include "context/on_exit.h"
#include "context/texts.h"
#include "dbengine/engine.h"
#include "dbengine/errors.h"
#include "dbengine/exclusive_use.h"
#include "winfs/error_descriptions.h"
#include "winfs/error_numbers.h"
#include "winfs/files.h"
#include "winfs/runtime_error.h"

namespace utilita::compaction {

namespace {

void CompactInto(dao::DBEngine& engine, const std::string& database, const std::string& copy) {
    engine.CompactDatabase(database, copy);
    GiveModeOf(database, copy);
    FlushToDisk(copy);
}

// A copy and the journal the storage may leave beside it.
std::vector<std::string> CopyAndJournal(const std::string& copy) { return {copy, copy + "-journal"}; }

// The compacted copies, and their journals, that an earlier run left: never
// replaced nor removed, as one may hold the only good data (and a journal
// would be played into a new copy of that name).
std::vector<std::string> LeftCopies(const ArchiveFiles& files) {
    std::vector<std::string> left;
    for (const std::string* copy : {&files.firstCopy, &files.secondCopy})
        for (const std::string& file : CopyAndJournal(*copy))
            if (winfs::Exists(file)) left.push_back(file);
    return left;
}

// The copies this run wrote, with their journals, once it stopped before any
// database changed: they hold nothing the databases lack, and would stop
// every later run. One that cannot be removed is named as a left copy.
void RemoveOwnCopies(const std::vector<std::string>& made) noexcept {
    for (const std::string& copy : made)
        for (const std::string& file : CopyAndJournal(copy)) {
            try {
                if (winfs::Exists(file)) winfs::DeleteFile(file);
            } catch (...) {
                // Named in the message as left behind.
            }
        }
}

// Whether a run stopped at `step` left both databases as they were.
bool DatabasesUntouched(Step step) {
    return step == Step::FirstCompaction || step == Step::SecondCompaction || step == Step::FirstDelete;
}

// The file steps in their order; step tells the one running when one fails.
// Both copies exist before a database is deleted, and both databases are gone
// before a copy takes a database's name.
// Both databases are held exclusively from the check to the last rename:
// another program that has either open stops the run before any step.
// `made`: the copies this run started writing.
void RunSteps(dao::DBEngine& engine, const ArchiveFiles& files, CompactionView& view, Step& step,
              std::vector<std::string>& made) {
    step = Step::FirstCompaction;
    const dao::ExclusiveUse firstUse(engine, files.firstDatabase);
    step = Step::SecondCompaction;
    const dao::ExclusiveUse secondUse(engine, files.secondDatabase);
    // A copy in the way stops the run before either compaction writes.
    const std::vector<std::string> left = LeftCopies(files);
    step = !left.empty() && left.front().rfind(files.secondCopy, 0) == 0 ? Step::SecondCompaction
                                                                          : Step::FirstCompaction;
    if (!left.empty()) dao::Raise(dao::kCompactTargetExists, left.front());
    made.push_back(files.firstCopy);
    CompactInto(engine, files.firstDatabase, files.firstCopy);
    step = Step::SecondCompaction;
    made.push_back(files.secondCopy);
    CompactInto(engine, files.secondDatabase, files.secondCopy);
    view.SetMark(2, true);
    view.Yield();
    step = Step::FirstDelete;
    winfs::DeleteFile(files.firstDatabase);
    step = Step::SecondDelete;
    winfs::DeleteFile(files.secondDatabase);
    step = Step::FirstRename;
    winfs::RenameFile(files.firstCopy, files.firstDatabase);
    step = Step::SecondRename;
    winfs::RenameFile(files.secondCopy, files.secondDatabase);
    FlushFolderOfNoThrow(files.firstDatabase);
}

Outcome Failed(Step step, int number, std::string description) {
    Outcome outcome;
    outcome.result = Outcome::Result::Failed;
    outcome.step = step;
    outcome.number = number;
    outcome.description = std::move(description);
    return outcome;
}

} // namespace

Outcome RunCompaction(const std::string& archiveFolder, dao::DBEngine& engine, CompactionView& view) {
    FolderClaim claim(archiveFolder);
    if (!claim.Held()) {
        Outcome refused;
        refused.result = Outcome::Result::Refused;
        return refused;
    }

    const ArchiveFiles files(archiveFolder);
    // The one way out of a run that started: the window back to idle.
    const OnExit idle([&view] {
        view.SetHourglass(false);
        for (int mark = 0; mark < 3; ++mark) view.SetMark(mark, false);
        view.SetStatus(kWaiting);
    });
    view.SetStatus(kPleaseWait);
    view.SetHourglass(true);
    view.SetMark(0, true);
    view.Yield();
    view.SetMark(1, true);
    view.Yield();

    Outcome outcome;
    Step step = Step::FirstCompaction;
    std::vector<std::string> made;
    try {
        RunSteps(engine, files, view, step, made);
    } catch (const vb::RuntimeError& error) {
        outcome = Failed(step, error.Number(), vb::DescriptionOf(error));
    } catch (const std::bad_alloc&) {
        outcome = Failed(step, vb::kOutOfMemory, vb::Describe(vb::kOutOfMemory));
    } catch (const std::exception& error) {
        outcome = Failed(step, vb::kInternalError, error.what());
    }

    if (outcome.result == Outcome::Result::Failed && DatabasesUntouched(outcome.step)) {
        RemoveOwnCopies(made);
        outcome.leftCopies = LeftCopies(files);
    }
    if (outcome.result == Outcome::Result::Completed)
        view.ShowMessage(kFinished, ui::Icon::Information, kFinishedTitle);
    else
        view.ShowMessage(FailureMessage(outcome, files), ui::Icon::Critical, kMessageTitle);
    return outcome;
}

} // namespace utilita::compaction
