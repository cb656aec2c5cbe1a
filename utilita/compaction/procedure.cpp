#include "compaction/procedure.h"

#include <exception>
#include <new>
#include <vector>

#include "compaction/archive_files.h"
#include "compaction/failure_report.h"
#include "compaction/flush.h"
#include "compaction/folder_claim.h"
#include "compaction/messages.h"
#include "dbengine/engine.h"
#include "dbengine/errors.h"
#include "dbengine/exclusive_use.h"
#include "widgets/notice.h"
#include "widgets/on_exit.h"
#include "winfs/error_descriptions.h"
#include "winfs/error_numbers.h"
#include "winfs/files.h"
#include "winfs/runtime_error.h"

namespace utilita::compaction {

namespace {

void CompactInto(dao::DBEngine& engine, const std::string& database, const std::string& copy) {
    engine.CompactDatabase(database, copy);
    FlushToDisk(copy);
}

// The compacted copies that an earlier run left: never replaced nor removed,
// as one may hold the only good data.
std::vector<std::string> LeftCopies(const ArchiveFiles& files) {
    std::vector<std::string> left;
    for (const std::string* copy : {&files.firstCopy, &files.secondCopy})
        if (winfs::Exists(*copy)) left.push_back(*copy);
    return left;
}

// The file steps in their order; step tells the one running when one fails.
// Both copies exist before a database is deleted, and both databases are gone
// before a copy takes a database's name.
// Both databases are held exclusively from the check to the last rename:
// another program that has either open stops the run before any step.
void RunSteps(dao::DBEngine& engine, const ArchiveFiles& files, CompactionView& view, Step& step) {
    step = Step::FirstCompaction;
    const dao::ExclusiveUse firstUse(engine, files.firstDatabase);
    step = Step::SecondCompaction;
    const dao::ExclusiveUse secondUse(engine, files.secondDatabase);
    // A copy in the way stops the run before either compaction writes.
    const std::vector<std::string> left = LeftCopies(files);
    step = !left.empty() && left.front() == files.secondCopy ? Step::SecondCompaction : Step::FirstCompaction;
    if (!left.empty()) dao::Raise(dao::kCompactTargetExists, left.front());
    CompactInto(engine, files.firstDatabase, files.firstCopy);
    step = Step::SecondCompaction;
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
    try {
        RunSteps(engine, files, view, step);
    } catch (const vb::RuntimeError& error) {
        outcome = Failed(step, error.Number(), vb::DescriptionOf(error));
        if (error.Number() == dao::kCompactTargetExists) outcome.leftCopies = LeftCopies(files);
    } catch (const std::bad_alloc&) {
        outcome = Failed(step, vb::kOutOfMemory, vb::Describe(vb::kOutOfMemory));
    } catch (const std::exception& error) {
        outcome = Failed(step, vb::kInternalError, error.what());
    }

    if (outcome.result == Outcome::Result::Completed)
        view.ShowMessage(kFinished, ui::Icon::Information, kFinishedTitle);
    else
        view.ShowMessage(FailureMessage(outcome, files), ui::Icon::Critical, kMessageTitle);
    return outcome;
}

} // namespace utilita::compaction
