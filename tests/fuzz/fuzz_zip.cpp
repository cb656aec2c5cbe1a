// A backup archive as the backup finds it after writing (the test), then as
// the restore reads it: entry extracted, checked as a version-7 database and
// put in place of the archive folder's database.
#include "fuzz_entries.h"
#include "fuzz_scratch.h"

#include "backup/procedures.h"
#include "support/silent_backup_view.h"
#include "dbengine/engine.h"
#include "tools/schema_loader.h"
#include "zip/zip_component.h"

namespace fuzz {

namespace fs = std::filesystem;

namespace {

constexpr const char* kArchiveFolder = "C:\\archivi";
constexpr const char* kFloppy = "A";
constexpr const char* kArchive = "a:\\v7backup.zip";

// The database a restore replaces, there before every input, so that the
// restore reaches the archive.
void EnsureLiveDatabase() {
    const fs::path database = ScratchDrives() / "c" / "archivi" / "vantorima7.mdb";
    if (fs::exists(database)) return;
    fs::create_directories(database.parent_path());
    schema::BuildVersion7(database.string());
}

} // namespace

int FuzzZip(const std::uint8_t* data, std::size_t size) {
    EnsureLiveDatabase();
    WriteFile(ScratchDrives() / "a" / "v7backup.zip", AsText(data, size));

    zipcomp::ZipComponent zip;
    zip.ZipArchiveName = kArchive;
    (void)zip.ZipTest();

    const std::string archiveFolder = kArchiveFolder;
    const std::string drive = kFloppy;
    test_support::SilentView view;
    dao::DBEngine engine;
    utilita::backup::RunRestore({archiveFolder, drive, zip}, engine, view);
    return 0;
}

} // namespace fuzz
