// The backup and the restore, with every message they show.
#include "backup/procedures.h"

#include <exception>
#include <filesystem>
#include <new>
#include <optional>
#include <utility>

#include "backup/archive_path.h"
#include "backup/messages.h"
#include "backup/restore_check.h"
#include "context/on_exit.h"
#include "context/texts.h"
#include "dbengine/engine.h"
#include "dbengine/exclusive_use.h"
#include "winfs/error_descriptions.h"
#include "winfs/error_numbers.h"
#include "winfs/files.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"
#include "zip/zip_component.h"

namespace utilita::backup {

namespace {

enum class Phase { Copy, Test, Restore };

// Both operations first clear what a killed one left in the archive folder
// (which is also the component's temporary folder) and in the system's
// temporary folder; whatever a running operation holds stays.
void RemoveLeftovers(const BackupPlace& where) {
    zipcomp::ZipComponent::RemoveLeftovers(where.zip.TempFolder, kDatabaseEntry);
}

// The copy the archive takes: the database as it is under this program's
// exclusive use, so that no writer can tear it (and a change that a killed
// writer left half done is put back by the lock first).
void CopyUnderExclusiveUse(const BackupPlace& where, dao::DBEngine& engine, const std::string& database,
                           const std::string& copy) {
    dao::ExclusiveUse use(engine, database);
    RemoveLeftovers(where);
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

// A numbered failure, with the operator's words for the number on the line after it.
std::string FailureText(const char* failed, int number, const std::string& description) {
    std::string text = failed + std::to_string(number);
    if (!description.empty()) text += "\r\n" + description;
    return text;
}

// A text that names no drive fails as a bad file name would.
[[noreturn]] void FailForNoDrive() {
    throw vb::RuntimeError(vb::kBadFileName, vb::Describe(vb::kBadFileName));
}

// The first folder on the way to the archive that is missing, as the
// operator names it ("A:\", "D:\v7copia"); empty when none is.
std::string MissingFolder(const std::string& drive) {
    const std::string root = drive + ":\\";
    for (const std::string& folder : {root, root + "v7copia"}) {
        std::error_code ec;
        if (!std::filesystem::is_directory(winfs::Resolve(folder), ec)) return folder;
    }
    return {};
}

// The operator's words for a failure: a path not found names the folder to
// look at on the line after them.
std::string WordsFor(int number, std::string description, const std::string& drive) {
    if (description.empty()) description = vb::Describe(number);
    if (number == vb::kPathNotFound && ArchivePlaceFor(drive))
        if (const std::string missing = MissingFolder(drive); !missing.empty()) description += "\r\n" + missing;
    return description;
}

// Runs body; an error that no step handled is told as the failure of the
// phase it was in, with its number.
template <typename Body>
void Guarded(BackupView& view, const Phase& phase, const std::string& drive, Body body) {
    // The one way out of an operation: status and pointer back to idle.
    const OnExit idle([&view] {
        view.SetStatus(kWaiting);
        view.SetHourglass(false);
    });
    int number = 0;
    std::string description;
    try {
        body();
        return;
    } catch (const vb::RuntimeError& error) {
        number = error.Number();
        description = vb::DescriptionOf(error);
    } catch (const std::bad_alloc&) {
        number = vb::kOutOfMemory;
    } catch (const std::exception&) {
        number = vb::kInternalError;
    }
    description = WordsFor(number, std::move(description), drive);
    const char* failed = phase == Phase::Copy ? kCopyFailed : phase == Phase::Test ? kTestFailed : kRestoreFailed;
    try {
        view.ShowInfo(FailureText(failed, number, description));
    } catch (...) {
        // The report itself failed; the window is put back all the same.
    }
}

// An empty archive folder is the root ("\\vantorima7.mdb"), where the
// backup takes the database from and the restore puts it back.
std::string ArchiveFolderPath(const BackupPlace& where) {
    return where.archiveFolder.empty() ? std::string("\\") : where.archiveFolder;
}

void AskForFloppy(const std::string& drive, BackupView& view) {
    if (drive == "A" || drive == "B") view.ShowInfo(kInsertDiskInDrive + drive + ":");
}

void CopyAndTest(const BackupPlace& where, dao::DBEngine& engine, BackupView& view, Phase& phase) {
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
    // The copy is as large as the database: beside it there is room for it,
    // in the system's temporary folder there may be none.
    zip.TempFolder = ArchiveFolderPath(where);
    // A missing database is left to the component, which names the fault.
    zip.CompressCopy = nullptr;
    if (winfs::Exists(database))
        zip.CompressCopy = [&where, &engine, database](const std::string& copy) {
            CopyUnderExclusiveUse(where, engine, database, copy);
        };
    zip.ZipArchiveName = place ? place->archive : std::string();
    view.SetHourglass(true);
    if (!place) FailForNoDrive();
    const std::string previous = StampOf(place->archive);
    if (const std::optional<vb::RuntimeError> failed = zip.ErrorOf(zip.ZipCompress(0))) {
        const bool overwritten = !previous.empty() && StampOf(place->archive) != previous;
        view.ShowInfo(FailureText(kCopyFailed, failed->Number(), WordsFor(failed->Number(), failed->Description(), where.drive)) +
                      (overwritten ? kPreviousOverwritten : ""));
        return;
    }
    phase = Phase::Test;
    view.ShowInfo(kCopyDone);
    // The test runs after every copy, whatever "Test a fine copia" says.
    if (const std::optional<vb::RuntimeError> failed = zip.ErrorOf(zip.ZipTest())) throw *failed;
    view.ShowInfo(kTestDone);
}

void ExtractDatabase(const BackupPlace& where, dao::DBEngine& engine, BackupView& view) {
    AskForFloppy(where.drive, view);
    zipcomp::ZipComponent& zip = where.zip;
    zip.ZipFileSpec = kDatabaseEntry;
    zip.ZipTargetFolder = ArchiveFolderPath(where);
    zip.TempFolder = zip.ZipTargetFolder;
    const std::optional<ArchivePlace> place = ArchivePlaceFor(where.drive);
    zip.ZipArchiveName = place ? place->archive : std::string();
    view.SetStatus(kPleaseWait);
    view.SetHourglass(true);
    // Nothing replaces the database while another program has it open; the
    // use is held until the database is in place (not while the operator
    // reads the outcome), and the remains of a restore that was killed are
    // no one's once it is taken.
    const std::string database = where.archiveFolder + kDatabasePath;
    {
        const dao::ExclusiveUse use(engine, database);
        RemoveLeftovers(where);
        // No question first: the component replaces the database only with a
        // whole entry, once it reads as a version-7 database.
        zip.ExtractCheck = [&engine](const std::string& extracted) { CheckVersion7Database(engine, extracted); };
        if (!place) FailForNoDrive();
        if (const std::optional<vb::RuntimeError> failed = zip.ErrorOf(zip.ZipExtract(0))) throw *failed;
        engine.SettleReplacedFile(database);
    }
    view.ShowInfo(kRestoreDone);
}

} // namespace

void RunBackup(const BackupPlace& place, dao::DBEngine& engine, BackupView& view) {
    Phase phase = Phase::Copy;
    Guarded(view, phase, place.drive, [&] { CopyAndTest(place, engine, view, phase); });
}

void RunRestore(const BackupPlace& place, dao::DBEngine& engine, BackupView& view) {
    const Phase phase = Phase::Restore;
    Guarded(view, phase, place.drive, [&] { ExtractDatabase(place, engine, view); });
}

} // namespace utilita::backup
