// The backup and the restore, with every message they show.
#include <exception>
#include <new>

#include <QLineEdit>

#include "app/backup_archive_path.h"
#include "app/backup_drive_box.h"
#include "app/backup_form.h"
#include "app/backup_messages.h"
#include "context/app_context.h"
#include "dbengine/engine.h"
#include "winfs/files.h"
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

// A database with the journal of a writer that was killed holds half of a
// change; the engine settles it (puts the change back) when it opens the
// file, so the copy taken afterwards is whole.
void SettleUnfinishedChange(dao::DBEngine& engine, const std::string& database) {
    if (winfs::Exists(database + "-journal")) engine.OpenDatabase(database)->Close();
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
    SettleUnfinishedChange(engine_, context_.archiveFolder + kDatabasePath);
    Zip1.ZipFileSpec = context_.archiveFolder + kDatabasePath;
    Zip1.ZipArchiveName = place ? place->archive : std::string();
    Hourglass();
    // A text that names no drive fails as a bad file name would.
    const int copied = place ? Zip1.ZipCompress(0) : kBadFileName;
    if (copied != 0) {
        ShowInfo(kCopyFailed + std::to_string(copied));
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
    // No question first: the component replaces the database only with a
    // whole, checked entry.
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
        ShowInfo(failed + std::to_string(number));
    } catch (...) {
        // The report itself failed; the window is put back all the same.
    }
    SetStatus(kWaiting);
    DefaultPointer();
}

} // namespace utilita::backup
