// The backup and the restore, with every message they show.
#include "backup/procedures.h"

#include <exception>
#include <filesystem>
#include <new>

#include "backup/archive_path.h"
#include "backup/messages.h"
#include "backup/restore_check.h"
#include "dbengine/engine.h"
#include "dbengine/errors.h"
#include "dbengine/exclusive_use.h"
#include "widgets/notice.h"
#include "widgets/on_exit.h"
#include "winfs/error_numbers.h"
#include "winfs/files.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"
#include "zip/zip_component.h"

namespace utilita::backup {

namespace {

enum class Phase { Copy, Test, Restore };

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

// Runs body; an error that no step handled is told as the failure of the
// phase it was in, with its number.
template <typename Body>
void Guarded(BackupView& view, const Phase& phase, Body body) {
    // The one way out of an operation: status and pointer back to idle.
    const OnExit idle([&view] {
        view.SetStatus(kWaiting);
        view.SetHourglass(false);
    });
    int number = 0;
    try {
        body();
        return;
    } catch (const vb::RuntimeError& error) {
        number = error.Number();
    } catch (const std::bad_alloc&) {
        number = vb::kOutOfMemory;
    } catch (const std::exception&) {
        number = vb::kInternalError;
    }
    const char* failed = phase == Phase::Copy ? kCopyFailed : phase == Phase::Test ? kTestFailed : kRestoreFailed;
    try {
        view.ShowInfo(FailureText(failed, number));
    } catch (...) {
        // The report itself failed; the window is put back all the same.
    }
}

void AskForFloppy(const std::string& drive, BackupView& view) {
    if (drive == "A" || drive == "B") view.ShowInfo(kInsertDiskInDrive + drive + ":");
}

void CopyAndTest(const BackupPlace& where, BackupView& view, Phase& phase) {
    AskForFloppy(where.drive, view);
    const std::optional<ArchivePlace> place = ArchivePlaceFor(where.drive);
    if (place) {
        try {
            winfs::MakeFolder(place->folder);
        } catch (const vb::RuntimeError&) {
            // It may exist already, or the drive may have no such place: the
            // component tells which when it writes.
        }
    }
    view.SetStatus(kPleaseWait);
    zipcomp::ZipComponent& zip = where.zip;
    const std::string database = where.archiveFolder + kDatabasePath;
    zip.ZipFileSpec = database;
    // A missing database is left to the component, which names the fault.
    zip.CompressCopy = nullptr;
    if (winfs::Exists(database))
        zip.CompressCopy = [database](const std::string& copy) { CopyUnderExclusiveUse(database, copy); };
    zip.ZipArchiveName = place ? place->archive : std::string();
    view.SetHourglass(true);
    // A text that names no drive fails as a bad file name would.
    const std::string previous = place ? StampOf(place->archive) : std::string();
    const int copied = place ? zip.ZipCompress(0) : static_cast<int>(vb::kBadFileName);
    if (copied != 0) {
        const bool overwritten = !previous.empty() && StampOf(place->archive) != previous;
        view.ShowInfo(kCopyFailed + std::to_string(copied) + (overwritten ? kPreviousOverwritten : ""));
        return;
    }
    phase = Phase::Test;
    view.ShowInfo(kCopyDone);
    // The test runs after every copy, whatever "Test a fine copia" says.
    const int tested = zip.ZipTest();
    view.ShowInfo(tested == 0 ? std::string(kTestDone) : kTestFailed + std::to_string(tested));
}

void ExtractDatabase(const BackupPlace& where, dao::DBEngine& engine, BackupView& view) {
    AskForFloppy(where.drive, view);
    zipcomp::ZipComponent& zip = where.zip;
    zip.ZipFileSpec = kDatabaseEntry;
    // An empty folder puts the database at the root ("\vantorima7.mdb"),
    // where the backup took it from.
    zip.ZipTargetFolder = where.archiveFolder.empty() ? std::string("\\") : where.archiveFolder;
    const std::optional<ArchivePlace> place = ArchivePlaceFor(where.drive);
    zip.ZipArchiveName = place ? place->archive : std::string();
    view.SetStatus(kPleaseWait);
    view.SetHourglass(true);
    // Nothing replaces the database while another program has it open; the
    // use is held to the end, and the remains of a restore that was killed
    // are no one's once it is taken.
    const std::string database = where.archiveFolder + kDatabasePath;
    const dao::ExclusiveUse use(database);
    zipcomp::ZipComponent::RemoveLeftovers(zip.ZipTargetFolder, kDatabaseEntry);
    // No question first: the component replaces the database only with a
    // whole entry, once it reads as a version-7 database.
    zip.ExtractCheck = CheckVersion7Database;
    const int restored = place ? zip.ZipExtract(0) : static_cast<int>(vb::kBadFileName);
    if (restored != 0) {
        view.ShowInfo(kRestoreFailed + std::to_string(restored));
        return;
    }
    engine.SettleReplacedFile(database);
    view.ShowInfo(kRestoreDone);
}

} // namespace

void RunBackup(const BackupPlace& place, BackupView& view) {
    Phase phase = Phase::Copy;
    Guarded(view, phase, [&] { CopyAndTest(place, view, phase); });
}

void RunRestore(const BackupPlace& place, dao::DBEngine& engine, BackupView& view) {
    const Phase phase = Phase::Restore;
    Guarded(view, phase, [&] { ExtractDatabase(place, engine, view); });
}

} // namespace utilita::backup
