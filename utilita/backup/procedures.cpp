// The backup and the restore, with every message they show.
#include <exception>
#include <filesystem>
#include <new>

#include <QLineEdit>

#include "backup/archive_path.h"
#include "backup/drive_box.h"
#include "backup/backup_window.h"
#include "backup/messages.h"
#include "context/app_context.h"
#include "backup/restore_check.h"
#include "dbengine/errors.h"
#include "dbengine/exclusive_use.h"
#include "winfs/files.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace utilita::backup {

namespace {

constexpr int kOutOfMemory = 7;
constexpr int kInternalError = 51;
constexpr int kBadFileName = 52;

// The engine keeps the undo of an unfinished change in a journal beside the
// database; one left by a writer that was killed belongs to the file just
// replaced, and the next opening would play it into the restored one.
void RemoveJournalOf(const std::string& database) {
    try {
        winfs::DeleteFile(database + "-journal");
    } catch (const vb::RuntimeError& error) {
        if (error.Number() != 53) throw;
    }
}

// The copy the archive takes: the database as it is under this program's
// exclusive use, so that no writer can tear it (and a change that a killed
// writer left half done is put back by the lock first).
void CopyUnderExclusiveUse(const std::string& database, const std::string& copy) {
    dao::ExclusiveUse use(database);
    use.CopyTo(copy);
}

// Size and time of an archive, "" when there is none: tells whether a failed
// copy wrote over the previous one (spanned, or no room for both).
std::string StampOf(const std::string& archive) {
    std::error_code ec;
    const std::filesystem::path host = winfs::Resolve(archive);
    const auto size = std::filesystem::file_size(host, ec);
    if (ec) return {};
    const auto time = std::filesystem::last_write_time(host, ec);
    return std::to_string(size) + "@" + std::to_string(time.time_since_epoch().count());
}

// A numbered failure; the two that the user can act on say what they mean.
std::string FailureText(const char* failed, int number) {
    std::string text = failed + std::to_string(number);
    if (number == dao::kFileInUse) text += "\r\n" + dao::Describe(number);
    if (number == kNoVersion7Database) text += std::string("\r\n") + kNoVersion7DatabaseText;
    return text;
}

} // namespace

void Form1::Backup() {
    const std::string drive = Text2->text().toStdString();
    if (drive.empty() || Running()) return;
    RunningGuard running(*this);
    Phase phase = Phase::Copy;
    try {
        RunBackup(phase);
    } catch (const vb::RuntimeError& error) {
        ReportEscaped(phase, error.Number());
    } catch (const std::bad_alloc&) {
        ReportEscaped(phase, kOutOfMemory);
    } catch (const std::exception&) {
        ReportEscaped(phase, kInternalError);
    }
}

void Form1::RunBackup(Phase& phase) {
    const std::string drive = Text2->text().toStdString();
    if (drive == "A" || drive == "B") ShowInfo(kInsertDiskInDrive + drive + ":");
    const std::optional<ArchivePlace> place = ArchivePlaceFor(drive);
    if (place) {
        try {
            winfs::MakeFolder(place->folder);
        } catch (const vb::RuntimeError&) {
            // It may exist already, or the drive may have no such place: the
            // component tells which when it writes.
        }
    }
    SetStatus(kPleaseWait);
    const std::string database = context_.archiveFolder + kDatabasePath;
    Zip1.ZipFileSpec = database;
    // A missing database is left to the component, which names the fault.
    Zip1.CompressCopy = nullptr;
    if (winfs::Exists(database))
        Zip1.CompressCopy = [database](const std::string& copy) { CopyUnderExclusiveUse(database, copy); };
    Zip1.ZipArchiveName = place ? place->archive : std::string();
    Hourglass();
    // A text that names no drive fails as a bad file name would.
    const std::string previous = place ? StampOf(place->archive) : std::string();
    const int copied = place ? Zip1.ZipCompress(0) : kBadFileName;
    if (copied != 0) {
        const bool overwritten = !previous.empty() && StampOf(place->archive) != previous;
        ShowInfo(kCopyFailed + std::to_string(copied) + (overwritten ? kPreviousOverwritten : ""));
        SetStatus(kWaiting);
        DefaultPointer();
        return;
    }
    phase = Phase::Test;
    ShowInfo(kCopyDone);
    // The test runs after every copy, whatever "Test a fine copia" says.
    const int tested = Zip1.ZipTest();
    if (tested == 0) {
        ShowInfo(kTestDone);
        DefaultPointer();
        SetStatus(kWaiting);
    } else {
        ShowInfo(kTestFailed + std::to_string(tested));
        SetStatus(kWaiting);
        DefaultPointer();
    }
}

void Form1::Restore() {
    const std::string drive = Text2->text().toStdString();
    if (drive.empty() || Running()) return;
    RunningGuard running(*this);
    try {
        RunRestore();
    } catch (const vb::RuntimeError& error) {
        ReportEscaped(Phase::Restore, error.Number());
    } catch (const std::bad_alloc&) {
        ReportEscaped(Phase::Restore, kOutOfMemory);
    } catch (const std::exception&) {
        ReportEscaped(Phase::Restore, kInternalError);
    }
}

void Form1::RunRestore() {
    const std::string drive = Text2->text().toStdString();
    if (drive == "A" || drive == "B") ShowInfo(kInsertDiskInDrive + drive + ":");
    Zip1.ZipFileSpec = kDatabaseEntry;
    // An empty folder puts the database at the root ("\vantorima7.mdb"),
    // where the backup took it from.
    Zip1.ZipTargetFolder = context_.archiveFolder.empty() ? std::string("\\") : context_.archiveFolder;
    const std::optional<ArchivePlace> place = ArchivePlaceFor(drive);
    Zip1.ZipArchiveName = place ? place->archive : std::string();
    SetStatus(kPleaseWait);
    Hourglass();
    // Nothing replaces the database while another program has it open; the
    // use is held to the end, and the remains of a restore that was killed
    // are no one's once it is taken.
    const dao::ExclusiveUse use(context_.archiveFolder + kDatabasePath);
    zipcomp::ZipComponent::RemoveLeftovers(Zip1.ZipTargetFolder, kDatabaseEntry);
    // No question first: the component replaces the database only with a
    // whole entry, once it reads as a version-7 database.
    Zip1.ExtractCheck = CheckVersion7Database;
    const int restored = place ? Zip1.ZipExtract(0) : kBadFileName;
    if (restored != 0) {
        ShowInfo(kRestoreFailed + std::to_string(restored));
        SetStatus(kWaiting);
        DefaultPointer();
    } else {
        RemoveJournalOf(context_.archiveFolder + kDatabasePath);
        ShowInfo(kRestoreDone);
        DefaultPointer();
        SetStatus(kWaiting);
    }
}

void Form1::ReportEscaped(Phase phase, int number) {
    const char* failed = phase == Phase::Copy ? kCopyFailed : phase == Phase::Test ? kTestFailed : kRestoreFailed;
    try {
        ShowInfo(FailureText(failed, number));
    } catch (...) {
        // The report itself failed; the window is put back all the same.
    }
    SetStatus(kWaiting);
    DefaultPointer();
}

} // namespace utilita::backup
