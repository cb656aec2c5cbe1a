#include "compaction/failure_report.h"

#include "compaction/messages.h"

namespace utilita::compaction {

namespace {

// Where the data is once the procedure stopped at step: no rollback is made,
// so every step before it has run.
std::string DataLine(Step step, const ArchiveFiles& files) {
    switch (step) {
    case Step::FirstCompaction:
    case Step::SecondCompaction:
    case Step::FirstDelete: return kDatabasesUntouched;
    case Step::SecondDelete: return kDataOf + files.firstDatabase + kAreIn + files.firstCopy;
    case Step::FirstRename:
        return kDataOf + files.firstDatabase + " e " + files.secondDatabase + kAreIn + files.firstCopy + " e " +
               files.secondCopy;
    case Step::SecondRename: return kDataOf + files.secondDatabase + kAreIn + files.secondCopy;
    }
    return {};
}

} // namespace

std::string StepText(Step step, const ArchiveFiles& files) {
    switch (step) {
    case Step::FirstCompaction: return "compattazione di " + files.firstDatabase + " in " + files.firstCopy;
    case Step::SecondCompaction: return "compattazione di " + files.secondDatabase + " in " + files.secondCopy;
    case Step::FirstDelete: return "eliminazione di " + files.firstDatabase;
    case Step::SecondDelete: return "eliminazione di " + files.secondDatabase;
    case Step::FirstRename: return "rinomina di " + files.firstCopy + " in " + files.firstDatabase;
    case Step::SecondRename: return "rinomina di " + files.secondCopy + " in " + files.secondDatabase;
    }
    return {};
}

std::string FailureMessage(const Outcome& failure, const ArchiveFiles& files) {
    std::string text = kStopped;
    text += "\r\n";
    text += kFailedStep + StepText(failure.step, files) + "\r\n";
    text += kErrorNumber + std::to_string(failure.number);
    if (!failure.description.empty()) text += " : " + failure.description;
    text += "\r\n";
    for (const std::string& copy : failure.leftCopies) text += kLeftCopy + copy + kLeftCopyMustGo + "\r\n";
    text += DataLine(failure.step, files);
    return text;
}

} // namespace utilita::compaction
