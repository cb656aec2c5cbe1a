// The restore through the window: the database comes back from a good
// archive and stays as it was after any failure.
#include <sqlite3.h>

#include <iostream>
#include <optional>

#include "backup_fixture.h"
#include "support/write_lock.h"
#include "winfs/runtime_error.h"

namespace backup_testing {
namespace {

using utilita::backup::Mode;
using zip_testing::ReadBytes;
using zip_testing::WriteBytes;

class Restore : public BackupWindowTest {
protected:
    // A good backup on drive A (made by a window of its own), then this
    // window prepared for the restore.
    void BackUpOnDriveA() {
        utilita::backup::BackupWindow backup(context, dao::DBEngine::Instance());
        backup.Prepare(Mode::Backup);
        backup.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("A"));
        backup.StartBackup();
        boxes.shown.clear();
    }
    void SetUp() override { form->Prepare(Mode::Restore); }

    fs::path Archive() const { return Drive('a') / "v7backup.zip"; }
};

const std::string kDone = "Ripristino effettuato con successo!";

void Sql(sqlite3* db, const std::string& statement) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db, statement.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    ASSERT_EQ(rc, SQLITE_OK) << statement << ": " << message;
}

// A version-7 database file with one more table, of `rows` rows.
void MakeDatabase(const fs::path& file, const std::string& table, int rows, const std::string& version7) {
    WriteBytes(file, version7);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    Sql(db, "CREATE TABLE " + table + " (id INTEGER PRIMARY KEY, x TEXT)");
    Sql(db, "BEGIN");
    for (int i = 0; i < rows; ++i) Sql(db, "INSERT INTO " + table + " (x) VALUES (hex(randomblob(100)))");
    Sql(db, "COMMIT");
    sqlite3_close(db);
}

// The file and its rollback journal as a writer killed halfway through a
// large change leaves them: part of the change already in the file, the pages
// to put back in the journal.
void LeaveAsAKilledWriter(const fs::path& file, const fs::path& scratch) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    Sql(db, "PRAGMA cache_size=10");
    Sql(db, "BEGIN");
    Sql(db, "UPDATE t SET x = x || x");
    fs::path journal = file;
    journal += "-journal";
    // A journal whose header is written is one the next opening plays back.
    ASSERT_EQ(ReadBytes(journal).substr(0, 8), std::string("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8));
    fs::copy_file(file, scratch / "file", fs::copy_options::overwrite_existing);
    fs::copy_file(journal, scratch / "journal", fs::copy_options::overwrite_existing);
    Sql(db, "ROLLBACK");
    sqlite3_close(db);
    fs::copy_file(scratch / "file", file, fs::copy_options::overwrite_existing);
    fs::copy_file(scratch / "journal", journal, fs::copy_options::overwrite_existing);
}

// What a later opening of the file finds: "ok" and the rows of the table.
std::string CheckedRows(const fs::path& file, const std::string& table) {
    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) return "cannot open";
    std::string found;
    sqlite3_stmt* statement = nullptr;
    const std::string query = "SELECT (SELECT group_concat(integrity_check) FROM pragma_integrity_check) || ' ' || "
                              "(SELECT count(*) FROM " + table + ")";
    if (sqlite3_prepare_v2(db, query.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        found = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    else
        found = sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return found;
}
const std::string kInsertA = "Inserire disco nel drive A:";

TEST_F(Restore, BringsTheDatabaseBackFromTheBackup) {
    BackUpOnDriveA();
    WriteBytes(DatabaseFile(), "rows changed since the backup");
    RunRestore("A");
    ASSERT_EQ(Texts(), (std::vector<std::string>{kInsertA, kDone}));
    EXPECT_EQ(boxes.shown[1].status, "Attendere prego...");
    EXPECT_EQ(boxes.shown[1].pointer, Qt::WaitCursor);
    EXPECT_EQ(boxes.shown[1].title, "Linea Vantorima 7  - Utilità");
    EXPECT_EQ(Status()->text(), QStringLiteral("In attesa..."));
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
}

TEST_F(Restore, DriveBReadsItsRootAndOtherDrivesTheirV7copia) {
    fs::create_directories(Drive('b'));
    zip_testing::MakeStoredZip(Drive('b') / "v7backup.zip", {{"vantorima7.mdb", database}});
    WriteBytes(DatabaseFile(), "changed");
    RunRestore("B");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Inserire disco nel drive B:", kDone}));
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);

    boxes.shown.clear();
    fs::create_directories(Drive('d') / "v7copia");
    zip_testing::MakeStoredZip(Drive('d') / "v7copia" / "v7backup.zip", {{"vantorima7.mdb", database}});
    WriteBytes(DatabaseFile(), "changed again");
    RunRestore("D");
    EXPECT_EQ(Texts(), std::vector<std::string>{kDone});
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
    EXPECT_FALSE(fs::exists(Drive('b') / "v7copia"));  // a restore makes no folder
}

TEST_F(Restore, EmptyDriveBoxDoesNothing) {
    BackUpOnDriveA();
    WriteBytes(DatabaseFile(), "kept");
    RunRestore("");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(ReadBytes(DatabaseFile()), "kept");
}

TEST_F(Restore, FailureIsReportedWithItsNumberAndTheDatabaseIsKept) {
    struct Case {
        const char* what;
        QString drive;
        std::function<void()> make;
        std::string reported;  // the number and its description
    };
    std::vector<Case> cases = {
        {"no archive", "C", [] {}, "76\r\nImpossibile trovare il percorso.\r\nC:\\v7copia"},
        {"drive with no folder behind it", "Q", [] {}, "76\r\nImpossibile trovare il percorso.\r\nQ:\\"},
        {"two-letter drive", "AB", [] {}, "76\r\nImpossibile trovare il percorso.\r\nAB:\\"},
        {"archive missing on the disk", "A", [&] { fs::remove(Archive()); }, "53\r\nImpossibile trovare il file."},
        {"not a zip", "A", [&] { WriteBytes(Archive(), zip_testing::DatabaseBytes(3000, 5)); },
         "501\r\nIl file non è un archivio ZIP."},
        {"no entry vantorima7.mdb", "A",
         [&] { zip_testing::MakeStoredZip(Archive(), {{"vantorima7a.mdb", "second database"}}); },
         "502\r\nL'archivio non contiene il file richiesto."},
        {"truncated", "A",
         [&] {
             BackUpOnDriveA();
             fs::resize_file(Archive(), fs::file_size(Archive()) - 100);
         },
         "504\r\nArchivio ZIP danneggiato o incompleto."},
        {"CRC fails", "A",
         [&] {
             zip_testing::MakeStoredZip(Archive(), {{"vantorima7.mdb", "rows --spoil-- rows"}});
             zip_testing::SpoilAt(Archive(), "--spoil--");
         },
         "503\r\nControllo CRC non superato: il contenuto dell'archivio è danneggiato."},
    };
    std::optional<compaction_testing::WriteLock> readOnly;
    cases.push_back({"read-only archive folder", "A",
                     [&] {
                         BackUpOnDriveA();
                         readOnly.emplace(DatabaseFile().parent_path(), compaction_testing::WriteLock::Kind::ReadOnly);
                     },
                     "70\r\nPermesso negato."});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.shown.clear();
        WriteBytes(DatabaseFile(), database);
        c.make();
        if (readOnly && !readOnly->Held()) {
            std::cerr << "read-only folder not tried: " << readOnly->Reason() << "\n";
            continue;
        }
        RunRestore(c.drive);
        readOnly.reset();
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().text, "Ripristino non effettuato correttamente. Errore numero " + c.reported);
        EXPECT_EQ(boxes.shown.back().status, "Attendere prego...");
        EXPECT_EQ(Status()->text(), QStringLiteral("In attesa..."));
        EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(ReadBytes(DatabaseFile()), database);
        EXPECT_EQ(zip_testing::Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
    }
}

TEST_F(Restore, RestoredDatabaseIsNotSpoiledByTheJournalOfTheOneItReplaced) {
    fs::remove(DatabaseFile());
    MakeDatabase(DatabaseFile(), "backed_up", 300, database);
    BackUpOnDriveA();
    fs::remove(DatabaseFile());
    MakeDatabase(DatabaseFile(), "t", 2000, database);
    LeaveAsAKilledWriter(DatabaseFile(), Root());

    RunRestore("A");

    EXPECT_EQ(Texts(), (std::vector<std::string>{kInsertA, kDone}));
    EXPECT_EQ(CheckedRows(DatabaseFile(), "backed_up"), "ok 300");
}

TEST_F(Restore, BackupOfADatabaseLeftHalfWrittenRestoresItWhole) {
    fs::remove(DatabaseFile());
    MakeDatabase(DatabaseFile(), "t", 2000, database);
    LeaveAsAKilledWriter(DatabaseFile(), Root());
    BackUpOnDriveA();
    fs::remove(DatabaseFile());

    RunRestore("A");

    EXPECT_EQ(Texts(), (std::vector<std::string>{kInsertA, kDone}));
    EXPECT_EQ(CheckedRows(DatabaseFile(), "t"), "ok 2000");
}

TEST_F(Restore, EmptyArchiveFolderRestoresTheDatabaseAtTheRootAsTheBackupTookIt) {
    // The start-up lets the program run with an empty folder when the
    // marker lies at the root; the database is then "\vantorima7.mdb".
    context.archiveFolder.clear();
    const fs::path atRoot = Drive('c') / "vantorima7.mdb";
    WriteBytes(atRoot, database);
    BackUpOnDriveA();
    WriteBytes(atRoot, "changed");

    RunRestore("A");

    EXPECT_EQ(Texts(), (std::vector<std::string>{kInsertA, kDone}));
    EXPECT_TRUE(ReadBytes(atRoot) == database);
}

TEST_F(Restore, SpannedBackupIsRestoredAskingForEachDisk) {
    zip_testing::SwappableDrive drive(Drive('a'), Root() / "shelf");
    {
        utilita::backup::BackupWindow backup(context, dao::DBEngine::Instance());
        backup.Zip().MediumCapacity = 80000;
        boxes.whileShown = [&](const std::string& text) {
            if (text == "Inserire disco numero 2") drive.InsertBlank(2);
            if (text == "Inserire disco numero 1") drive.Insert(1);  // the test after the copy
        };
        backup.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("A"));
        backup.StartBackup();
        ASSERT_EQ(boxes.shown.size(), 5u);
        ASSERT_EQ(boxes.shown.back().text, "Test sul file ZIP terminato con successo !");
    }
    boxes.shown.clear();
    boxes.whileShown = [&](const std::string& text) {
        if (text == "Inserire disco numero 2") drive.Insert(2);
    };
    WriteBytes(DatabaseFile(), "changed");
    RunRestore("A");
    EXPECT_EQ(Texts(), (std::vector<std::string>{kInsertA, "Inserire disco numero 2", kDone}));
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
}

TEST_F(Restore, ErrorRaisedWhileAskingForADiskKeepsTheDatabase) {
    zip_testing::SwappableDrive drive(Drive('a'), Root() / "shelf");
    form->Zip().MediumCapacity = 80000;
    boxes.whileShown = [&](const std::string& text) {
        if (text == "Inserire disco numero 2") drive.InsertBlank(2);
    };
    DriveBox()->setText(QStringLiteral("A"));
    form->StartBackup();
    boxes.shown.clear();
    boxes.whileShown = [](const std::string& text) {
        if (text.rfind("Inserire disco numero", 0) == 0) throw vb::RuntimeError(71, "Disco non pronto");
    };
    WriteBytes(DatabaseFile(), "kept");
    RunRestore("A");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, "Ripristino non effettuato correttamente. Errore numero 71\r\nDisco non pronto");
    EXPECT_EQ(Status()->text(), QStringLiteral("In attesa..."));
    EXPECT_EQ(ReadBytes(DatabaseFile()), "kept");
}

} // namespace
} // namespace backup_testing
