// The restore through the window: the database comes back from a good
// archive and stays as it was after any failure.
#include "backup_fixture.h"
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
        utilita::backup::Form1 backup;
        backup.Prepare(Mode::Backup);
        backup.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("A"));
        backup.bottone_Click(0);
        boxes.shown.clear();
    }
    void SetUp() override { form->Prepare(Mode::Restore); }

    fs::path Archive() const { return Drive('a') / "v7backup.zip"; }
};

const std::string kDone = "Ripristino effettuato con successo!";
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
    zip_testing::MakeStoredZip(Drive('b') / "v7backup.zip", {{"vantorima7.mdb", "from drive B"}});
    RunRestore("B");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Inserire disco nel drive B:", kDone}));
    EXPECT_EQ(ReadBytes(DatabaseFile()), "from drive B");

    boxes.shown.clear();
    fs::create_directories(Drive('d') / "v7copia");
    zip_testing::MakeStoredZip(Drive('d') / "v7copia" / "v7backup.zip", {{"vantorima7.mdb", "from drive D"}});
    RunRestore("D");
    EXPECT_EQ(Texts(), std::vector<std::string>{kDone});
    EXPECT_EQ(ReadBytes(DatabaseFile()), "from drive D");
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
        std::string number;
    };
    const std::vector<Case> cases = {
        {"no archive", "C", [] {}, "76"},
        {"drive with no folder behind it", "Q", [] {}, "76"},
        {"two-letter drive", "AB", [] {}, "76"},
        {"archive missing on the disk", "A", [&] { fs::remove(Archive()); }, "53"},
        {"not a zip", "A", [&] { WriteBytes(Archive(), zip_testing::DatabaseBytes(3000, 5)); }, "501"},
        {"no entry vantorima7.mdb", "A",
         [&] { zip_testing::MakeStoredZip(Archive(), {{"vantorima7a.mdb", "second database"}}); }, "502"},
        {"truncated", "A",
         [&] {
             BackUpOnDriveA();
             fs::resize_file(Archive(), fs::file_size(Archive()) - 100);
         },
         "504"},
        {"CRC fails", "A",
         [&] {
             zip_testing::MakeStoredZip(Archive(), {{"vantorima7.mdb", "rows --spoil-- rows"}});
             zip_testing::SpoilAt(Archive(), "--spoil--");
         },
         "503"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.shown.clear();
        WriteBytes(DatabaseFile(), database);
        c.make();
        RunRestore(c.drive);
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().text, "Ripristino non effettuato correttamente. Errore numero " + c.number);
        EXPECT_EQ(boxes.shown.back().status, "Attendere prego...");
        EXPECT_EQ(Status()->text(), QStringLiteral("In attesa..."));
        EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(ReadBytes(DatabaseFile()), database);
        EXPECT_EQ(zip_testing::Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
    }
}

TEST_F(Restore, SpannedBackupIsRestoredAskingForEachDisk) {
    zip_testing::SwappableDrive drive(Drive('a'), Root() / "shelf");
    {
        utilita::backup::Form1 backup;
        backup.Zip().MediumCapacity = 80000;
        boxes.whileShown = [&](const std::string& text) {
            if (text == "Inserire disco numero 2") drive.InsertBlank(2);
            if (text == "Inserire disco numero 1") drive.Insert(1);  // the test after the copy
        };
        backup.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("A"));
        backup.bottone_Click(0);
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
    form->bottone_Click(0);
    boxes.shown.clear();
    boxes.whileShown = [](const std::string& text) {
        if (text.rfind("Inserire disco numero", 0) == 0) throw vb::RuntimeError(71, "Disco non pronto");
    };
    WriteBytes(DatabaseFile(), "kept");
    RunRestore("A");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, "Ripristino non effettuato correttamente. Errore numero 71");
    EXPECT_EQ(Status()->text(), QStringLiteral("In attesa..."));
    EXPECT_EQ(ReadBytes(DatabaseFile()), "kept");
}

} // namespace
} // namespace backup_testing
