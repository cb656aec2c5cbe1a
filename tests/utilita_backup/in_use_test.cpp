// Backup and restore against another program that holds the database,
// restores of archives that hold no version-7 database, and a backup or a
// restore after one that was killed: each ends with its message and leaves no
// stray file.
#include <signal.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <zip.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "backup/procedures.h"
#include "support/silent_backup_view.h"
#include "backup/restore_check.h"
#include "backup_fixture.h"
#include "support/holder_process.h"
#include "support/jet_files.h"
#include "tools/schema_loader.h"

namespace backup_testing {
namespace {

using testing_support::HolderProcess;
using utilita::backup::Mode;
using zip_testing::ReadBytes;
using zip_testing::WriteBytes;

const std::string kInUse =
    "\r\nImpossibile utilizzare il file: è già in uso da un altro programma.";
const std::string kNotVersion7 = "Ripristino non effettuato correttamente. Errore numero 520\r\n"
                                 "L'archivio non contiene un database Vantorima 7 valido.";

class InUse : public BackupWindowTest {
protected:
    fs::path Archive() const { return Drive('a') / "v7backup.zip"; }
    void GoodBackup() {
        form->Prepare(Mode::Backup);
        RunBackup("A");
        ASSERT_EQ(boxes.shown.back().text, "Test sul file ZIP terminato con successo !");
        boxes.shown.clear();
    }
    // The operation from drive A, ending with its message of success.
    void ExpectDoneOnDriveA(Mode operation) {
        boxes.shown.clear();
        DriveBox()->setText("A");
        if (operation == Mode::Backup) form->StartBackup();
        else form->StartRestore();
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().text, operation == Mode::Backup ? "Test sul file ZIP terminato con successo !"
                                                                     : "Ripristino effettuato con successo!");
    }
    void RestoreFrom(const std::string& entry) {
        zip_testing::MakeStoredZip(Archive(), {{"vantorima7.mdb", entry}});
        RunRestore("A");
    }
    // A restore of an archive holding `entry` is refused and changes nothing.
    void ExpectRefused(const std::string& entry) {
        form->Prepare(Mode::Restore);
        fs::create_directories(Drive('a'));
        boxes.shown.clear();
        RestoreFrom(entry);
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().text, kNotVersion7);
        EXPECT_TRUE(ReadBytes(DatabaseFile()) == database);
        EXPECT_EQ(zip_testing::Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
    }
};

TEST_F(InUse, BackupAndRestoreStopWhileAnotherProgramHoldsTheDatabase) {
    GoodBackup();
    const std::string archive = ReadBytes(Archive());
    for (const char* mode : {"engine", "sqlite"}) {
        SCOPED_TRACE(mode);
        HolderProcess holder(mode, DatabaseFile());
        ASSERT_TRUE(holder.Ready());
        for (Mode operation : {Mode::Backup, Mode::Restore}) {
            boxes.shown.clear();
            DriveBox()->setText("A");
            operation == Mode::Backup ? form->StartBackup() : form->StartRestore();
            ASSERT_FALSE(boxes.shown.empty());
            EXPECT_EQ(boxes.shown.back().text, (operation == Mode::Backup ? "Copia non effettuata" : "Ripristino non effettuato") +
                                                   std::string(" correttamente. Errore numero 3045") + kInUse);
            EXPECT_TRUE(ReadBytes(DatabaseFile()) == database);
            EXPECT_TRUE(ReadBytes(Archive()) == archive);
        }
        EXPECT_EQ(holder.Release(), 0);
        EXPECT_EQ(HolderProcess::HeldRows(DatabaseFile()), 1);
        WriteBytes(DatabaseFile(), database);
    }
}

// A zip whose one entry vantorima7.mdb is a symbolic link to `target`.
void MakeLinkZip(const fs::path& file, const std::string& target) {
    int code = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(archive, nullptr);
    zip_source_t* source = zip_source_buffer(archive, target.data(), target.size(), 0);
    const zip_int64_t index = zip_file_add(archive, "vantorima7.mdb", source, ZIP_FL_OVERWRITE);
    ASSERT_GE(index, 0);
    zip_file_set_external_attributes(archive, index, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16);
    ASSERT_EQ(zip_close(archive), 0);
}

TEST_F(InUse, RestoreRefusesAnAccessFile) {
    SKIP_WITHOUT_JET_FILES();
    const std::string access = ReadBytes(testing_support::JetFile("nwind.mdb"));
    ASSERT_FALSE(access.empty());
    ExpectRefused(access);
}

// The bytes of the version-7 database once `statement` ran on a copy of it.
std::string Altered(const std::string& database, const fs::path& scratch, const std::string& statement) {
    WriteBytes(scratch, database);
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(scratch.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << statement;
    sqlite3_close(db);
    return ReadBytes(scratch);
}

TEST_F(InUse, RestoreRefusesAnArchiveWithoutAVersion7Database) {
    const fs::path print = Root() / "stampe.mdb";
    schema::BuildPrintDatabase(print.string(), false);
    const fs::path version6 = Root() / "VANTORIMA6.MDB";
    schema::BuildVersion6(version6.string(), true);
    const fs::path scratch = Root() / "altered.mdb";
    const std::vector<std::pair<const char*, std::string>> entries = {
        {"random bytes", zip_testing::DatabaseBytes(8192, 3)},
        {"print database", ReadBytes(print)},
        {"truncated database", database.substr(0, database.size() / 2)},
        {"version-6 database", ReadBytes(version6)},
        {"version-6 release", Altered(database, scratch, "UPDATE versione SET numero = 'VERSIONE 6.0.13'")},
        {"no release", Altered(database, scratch, "DELETE FROM versione")},
        {"unique key missing", Altered(database, scratch, "DROP INDEX \"articoli.articoli_codice\"")},
        {"field of another type", Altered(database, scratch, "ALTER TABLE vettori DROP COLUMN cap; "
                                                             "ALTER TABLE vettori ADD COLUMN cap LONG")},
    };
    for (const auto& [what, entry] : entries) {
        SCOPED_TRACE(what);
        ExpectRefused(entry);
    }
    boxes.shown.clear();
    MakeLinkZip(Archive(), "../../../etc/passwd");
    RunRestore("A");
    EXPECT_EQ(boxes.shown.back().text, "Ripristino non effettuato correttamente. Errore numero 505\r\n"
                                       "L'archivio contiene un elemento non supportato (collegamento, compressione o "
                                       "cifratura).");
    EXPECT_TRUE(ReadBytes(DatabaseFile()) == database);
}

// The release is read without regard to case.
TEST_F(InUse, RestoreAcceptsTheReleaseWrittenInAnyCase) {
    const std::string mixed = Altered(database, Root() / "altered.mdb", "UPDATE versione SET numero = 'Versione 7.0.2'");
    form->Prepare(Mode::Restore);
    fs::create_directories(Drive('a'));
    RestoreFrom(mixed);
    EXPECT_TRUE(ReadBytes(DatabaseFile()) == mixed);
}

TEST_F(InUse, BackupAndRestoreRemoveWhatAKilledOneLeftButNotWhatIsHeld) {
    GoodBackup();
    const fs::path temp = Root() / "tmp";
    const fs::path folder = DatabaseFile().parent_path();
    WriteBytes(folder / ".vantorima7.mdb.INWORK", database);
    const int held = ::open((folder / ".vantorima7.mdb.INWORK").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    for (Mode operation : {Mode::Backup, Mode::Restore}) {
        const bool backup = operation == Mode::Backup;
        SCOPED_TRACE(backup ? "backup" : "restore");
        // A killed backup's copy in the archive folder, a killed restore's
        // temporary copy, and scratch folders of older runs.
        WriteBytes(folder / "vzip-KILLED" / "copy", database);
        WriteBytes(folder / ".vantorima7.mdb.KILLED", database);
        WriteBytes(temp / "vzip-KILLED" / "whole.zip", "partial");
        ExpectDoneOnDriveA(operation);
        EXPECT_EQ(zip_testing::Listing(folder), (std::vector<std::string>{".vantorima7.mdb.INWORK", "vantorima7.mdb"}));
        EXPECT_TRUE(fs::is_empty(temp));
    }
    ::close(held);
}

// The database grown by a large indexed table: extracting and checking it
// takes long enough for a restore to be caught halfway.
void Grow(const fs::path& database) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(database.c_str(), &db), SQLITE_OK);
    const int rc = sqlite3_exec(db,
                                "CREATE TABLE zavorra (x TEXT); CREATE INDEX zavorra_x ON zavorra (x);"
                                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 80000)"
                                " INSERT INTO zavorra SELECT hex(randomblob(100)) FROM n",
                                nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK);
}

bool HasNameStarting(const fs::path& folder, const std::string& prefix) {
    const std::vector<std::string> names = zip_testing::Listing(folder);
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return n.rfind(prefix, 0) == 0; });
}

TEST_F(InUse, OperationAfterOneKilledMidwayClearsWhatTheKilledOneLeft) {
    Grow(DatabaseFile());
    const std::string archived = ReadBytes(DatabaseFile());
    GoodBackup();
    const fs::path folder = DatabaseFile().parent_path();
    const fs::path temp = Root() / "tmp";
    for (Mode operation : {Mode::Backup, Mode::Restore}) {
        const bool backup = operation == Mode::Backup;
        SCOPED_TRACE(backup ? "backup" : "restore");
        if (!backup) WriteBytes(DatabaseFile(), database);
        // What shows that the killed one was at work: its scratch folder, or
        // its copy of the database being written.
        const std::string atWork = backup ? "vzip-" : ".vantorima7.mdb.";
        const pid_t child = ::fork();
        if (child == 0) {
            test_support::SilentView view;
            zipcomp::ZipComponent zip;
            const std::string drive = "A";
            dao::DBEngine& engine = dao::DBEngine::Instance();
            if (backup) utilita::backup::RunBackup({context.archiveFolder, drive, zip}, engine, view);
            else utilita::backup::RunRestore({context.archiveFolder, drive, zip}, engine, view);
            ::_exit(0);
        }
        ASSERT_GT(child, 0);
        int status = 0;
        bool ended = false;
        for (int waited = 0; waited < 60000 && !HasNameStarting(folder, atWork); ++waited) {
            if ((ended = ::waitpid(child, &status, WNOHANG) == child)) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (!ended) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "it ended before it was killed";
        ASSERT_TRUE(HasNameStarting(folder, atWork) && HasNameStarting(folder, "vzip-"));

        ExpectDoneOnDriveA(operation);
        EXPECT_TRUE(ReadBytes(DatabaseFile()) == archived);
        EXPECT_EQ(zip_testing::Listing(folder), std::vector<std::string>{"vantorima7.mdb"});
        EXPECT_EQ(zip_testing::Listing(Drive('a')), (std::vector<std::string>{"v7backup.zip", "v7copia"}));
        EXPECT_TRUE(fs::is_empty(temp));
    }
}

} // namespace
} // namespace backup_testing
