// The backup through the window: its messages, status and pointer, and what
// it writes where.
#include <QCheckBox>

#include "backup_fixture.h"
#include "support/file_size_limit.h"
#include "winfs/runtime_error.h"

namespace backup_testing {
namespace {

using utilita::backup::Mode;
using zip_testing::Listing;

class Backup : public BackupWindowTest {
protected:
    Backup() { form->Prepare(Mode::Backup); }
};

const std::string kTitle = "Linea Vantorima 7  - Utilità";
const std::string kCopyDone = "Copia effettuata. Adesso effettuo test sul file ZIP !";
const std::string kTestDone = "Test sul file ZIP terminato con successo !";

TEST_F(Backup, CopiesIntoV7copiaOfTheDriveThenTestsTheArchive) {
    RunBackup("C");
    ASSERT_EQ(Texts(), (std::vector<std::string>{kCopyDone, kTestDone}));
    for (const Shown& s : boxes.shown) {
        EXPECT_EQ(s.title, kTitle);
        EXPECT_EQ(s.icon, ui::Icon::Information);
        EXPECT_EQ(s.buttons, ui::Buttons::Ok);
        EXPECT_EQ(s.status, "Attendere prego...");
        EXPECT_EQ(s.pointer, Qt::WaitCursor);
    }
    EXPECT_EQ(Status()->text(), QStringLiteral("In attesa..."));
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(fs::is_regular_file(Drive('c') / "v7copia" / "v7backup.zip"));
}

TEST_F(Backup, FloppyDriveAsksForTheDiskAndWritesAtItsRoot) {
    RunBackup("A");
    ASSERT_EQ(Texts(), (std::vector<std::string>{"Inserire disco nel drive A:", kCopyDone, kTestDone}));
    EXPECT_EQ(boxes.shown[0].status, "In attesa...");  // asked before the work starts
    EXPECT_EQ(boxes.shown[0].pointer, Qt::ArrowCursor);
    EXPECT_EQ(Listing(Drive('a')), (std::vector<std::string>{"v7backup.zip", "v7copia"}));
}

TEST_F(Backup, TestRunsWhateverTestAFineCopiaSays) {
    Control<QCheckBox>("Check1(2)")->setChecked(false);
    RunBackup("C");
    EXPECT_EQ(Texts(), (std::vector<std::string>{kCopyDone, kTestDone}));
}

TEST_F(Backup, EmptyDriveBoxDoesNothing) {
    RunBackup("");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(Listing(Drive('c')), std::vector<std::string>{"archivi"});
}

TEST_F(Backup, FailedCopyIsReportedWithItsNumberAndNotTested) {
    struct Case {
        const char* what;
        QString drive;
        std::function<void()> before;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"database missing", "C", [&] { fs::remove(DatabaseFile()); }, "53\r\nImpossibile trovare il file."},
        {"drive with no folder behind it", "Q", [] {}, "76\r\nImpossibile trovare il percorso.\r\nQ:\\"},
        {"two-letter drive", "AB", [] {}, "76\r\nImpossibile trovare il percorso.\r\nAB:\\"},
        {"a path for a drive", "/tmp", [] {}, "52\r\nNome o numero di file non valido."},
        {"full medium", "A", [&] { form->Zip().MediumCapacity = 40; }, "61\r\nDisco pieno."},
        {"full hard disk", "C", [&] { form->Zip().MediumCapacity = 40000; }, "61\r\nDisco pieno."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        boxes.shown.clear();
        zip_testing::WriteBytes(DatabaseFile(), database);
        c.before();
        RunBackup(c.drive);
        ASSERT_FALSE(boxes.shown.empty());
        const Shown& last = boxes.shown.back();
        EXPECT_EQ(last.text, "Copia non effettuata correttamente. Errore numero " + c.message);
        EXPECT_EQ(last.status, "Attendere prego...");
        EXPECT_EQ(last.pointer, Qt::WaitCursor);
        EXPECT_EQ(Status()->text(), QStringLiteral("In attesa..."));
        EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);
        form->Zip().MediumCapacity.reset();
    }
    EXPECT_FALSE(fs::exists(Drive('q')));
    EXPECT_FALSE(fs::exists("/tmp:\\v7copia"));
    EXPECT_EQ(Listing(Drive('a')), std::vector<std::string>{"v7copia"});
}

// The disk fills up during the copy of the database (a write that takes only
// part of its data, then none): disk full, and no copy left behind.
TEST_F(Backup, DiskFillingUpDuringTheCopyIsDiskFull) {
    ASSERT_GT(database.size(), 100000u);
    {
        const testing_support::FileSizeLimit limit(64 * 1024);
        RunBackup("C");
    }
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, "Copia non effettuata correttamente. Errore numero 61\r\nDisco pieno.");
    EXPECT_EQ(Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
    EXPECT_FALSE(fs::exists(Drive('c') / "v7copia" / "v7backup.zip"));
}

TEST_F(Backup, SpansTwoDisksAndTestsThemAsked) {
    zip_testing::SwappableDrive drive(Drive('a'), Root() / "shelf");
    form->Zip().MediumCapacity = 80000;
    bool testing = false;
    boxes.whileShown = [&](const std::string& text) {
        if (text == kCopyDone) testing = true;
        const std::string ask = "Inserire disco numero ";
        if (text.rfind(ask, 0) != 0) return;
        const int disk = std::stoi(text.substr(ask.size()));
        if (testing) drive.Insert(disk);
        else drive.InsertBlank(disk);
    };
    RunBackup("A");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Inserire disco nel drive A:", "Inserire disco numero 2", kCopyDone,
                                                 "Inserire disco numero 1", kTestDone}));
    EXPECT_EQ(boxes.shown[1].status, "Attendere prego...");
    EXPECT_EQ(boxes.shown[1].pointer, Qt::WaitCursor);
}

TEST_F(Backup, ErrorRaisedWhileAskingForADiskIsReportedAndTheWindowStaysUsable) {
    form->Zip().MediumCapacity = 80000;
    boxes.whileShown = [](const std::string& text) {
        if (text == "Inserire disco numero 2") throw vb::RuntimeError(71, "Disco non pronto");
    };
    RunBackup("A");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Inserire disco nel drive A:", "Inserire disco numero 2",
                                                 "Copia non effettuata correttamente. Errore numero 71\r\n"
                                                 "Disco non pronto"}));
    EXPECT_EQ(Status()->text(), QStringLiteral("In attesa..."));
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor);

    boxes.shown.clear();
    boxes.whileShown = nullptr;
    form->Zip().MediumCapacity.reset();
    RunBackup("A");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Inserire disco nel drive A:", kCopyDone, kTestDone}));
}

TEST_F(Backup, ErrorRaisedDuringTheTestIsATestFailure) {
    form->Zip().MediumCapacity = 80000;
    zip_testing::SwappableDrive drive(Drive('a'), Root() / "shelf");
    bool testing = false;
    boxes.whileShown = [&](const std::string& text) {
        if (text == kCopyDone) testing = true;
        if (text == "Inserire disco numero 2") drive.InsertBlank(2);
        if (testing && text == "Inserire disco numero 1") throw vb::RuntimeError(71, "Disco non pronto");
    };
    RunBackup("A");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, "Test non effettuato correttamente. Errore numero 71\r\nDisco non pronto");
    EXPECT_EQ(Status()->text(), QStringLiteral("In attesa..."));
}

TEST_F(Backup, SpannedCopyThatFailsSaysItWroteOverThePreviousArchive) {
    RunBackup("A");
    boxes.shown.clear();
    form->Zip().MediumCapacity = 80000;  // the disk is never changed: the third request gives up
    RunBackup("A");
    EXPECT_EQ(boxes.shown.back().text, "Copia non effettuata correttamente. Errore numero 506\r\n"
                                       "Il disco inserito non è quello richiesto.\r\n"
                                       "La copia precedente su questo disco è stata sovrascritta.");
}

} // namespace
} // namespace backup_testing
