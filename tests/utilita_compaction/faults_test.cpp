// Runs that stop at a step: the message with the step, the error and where
// the data is, the window put back, the folder as that step leaves it, and
// every row still in a database or in its compacted copy.
#include <filesystem>
#include <optional>
#include <set>

#include "utilita_compaction/procedure_fixture.h"
#include "support/write_lock.h"

namespace compaction_testing {
namespace {

namespace fs = std::filesystem;

using Fault = ProcedureTest;

// Said of a copy that stops the next run.
const std::string kMustGo = ", rimasto da una compattazione non conclusa, va spostato in un'altra cartella o "
                            "eliminato prima di ripetere la compattazione.\r\n";

TEST_F(Fault, MissingSecondDatabaseStopsAtItsCompactionAndLeavesNoCopyInTheWay) {
    const std::string second = ArchiveFolder::Bytes(archive.Host(kSecond));
    fs::remove(archive.Host(kSecond));

    const Outcome outcome = Run();

    ExpectFailure(outcome, Step::SecondCompaction, 3024);
    EXPECT_EQ(Message(),
              "Procedura interrotta !\r\n"
              "Passo non riuscito: compattazione di C:\\archivi\\vantorima7a.mdb in C:\\archivi\\vantorima7asave.mdb\r\n"
              "Errore nr. 3024 : Impossibile trovare il file.\r\n"
              "Gli archivi non sono stati modificati.");
    EXPECT_EQ(view.events, kStoppedBeforeThirdMark);
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst}));
    ExpectUntouched(kFirst, firstBytes);

    // The file back in place: the next run goes through.
    archive.Write(kSecond, second);
    view = RecordingView();
    EXPECT_EQ(Run().result, Outcome::Result::Completed);
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond}));
    ExpectRowsOf(firstRows, kFirst);
    ExpectRowsOf(secondRows, kSecond);
}

TEST_F(Fault, CopyLeftByAnEarlierRunStopsTheRunNamedAndIsKept) {
    // Left by a run that stopped after deleting its database: the only home
    // of those rows, which differ from the database now in place.
    archive.BuildDatabase(kFirstCopy, 3);
    const std::string leftBytes = ArchiveFolder::Bytes(archive.Host(kFirstCopy));
    const std::string mustGo = ", rimasto da una compattazione non conclusa, va spostato in un'altra cartella o "
                               "eliminato prima di ripetere la compattazione.\r\n";

    ExpectFailure(Run(), Step::FirstCompaction, 3204);
    EXPECT_EQ(Message(),
              "Procedura interrotta !\r\n"
              "Passo non riuscito: compattazione di C:\\archivi\\vantorima7.mdb in C:\\archivi\\vantorima7save.mdb\r\n"
              "Errore nr. 3204 : Il database esiste già.\r\n"
              "Il file C:\\archivi\\vantorima7save.mdb" + mustGo +
              "Gli archivi non sono stati modificati.");
    EXPECT_EQ(view.events, kStoppedBeforeThirdMark);
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond, kFirstCopy}));
    ExpectUntouched(kFirst, firstBytes);
    ExpectUntouched(kSecond, secondBytes);
    ExpectUntouched(kFirstCopy, leftBytes);

    // Both copies left: both named, and still nothing written.
    archive.BuildDatabase(kSecondCopy, 4);
    const std::string leftSecondBytes = ArchiveFolder::Bytes(archive.Host(kSecondCopy));
    view = RecordingView();
    ExpectFailure(Run(), Step::FirstCompaction, 3204);
    EXPECT_NE(Message().find("Il file C:\\archivi\\vantorima7save.mdb" + mustGo +
                             "Il file C:\\archivi\\vantorima7asave.mdb" + mustGo),
              std::string::npos)
        << Message();

    // The second copy alone: the first is not written either.
    fs::remove(archive.Host(kFirstCopy));
    view = RecordingView();
    ExpectFailure(Run(), Step::SecondCompaction, 3204);
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond, kSecondCopy}));
    ExpectUntouched(kFirst, firstBytes);
    ExpectUntouched(kSecond, secondBytes);
    ExpectUntouched(kSecondCopy, leftSecondBytes);

    // A journal alone, left by a run killed in a compaction: named and kept.
    fs::remove(archive.Host(kSecondCopy));
    archive.Write("vantorima7save.mdb-journal", "journal");
    view = RecordingView();
    ExpectFailure(Run(), Step::FirstCompaction, 3204);
    EXPECT_NE(Message().find("Il file C:\\archivi\\vantorima7save.mdb-journal" + mustGo), std::string::npos) << Message();
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond, "vantorima7save.mdb-journal"}));
}

TEST_F(Fault, FileThatIsNotADatabaseStopsItsCompaction) {
    const std::string notADatabase = "Questo file non contiene un archivio.\r\n";
    archive.Write(kFirst, notADatabase);

    ExpectFailure(Run(), Step::FirstCompaction, 3343);
    EXPECT_NE(Message().find("Errore nr. 3343 : Formato di database non supportato o file danneggiato.\r\n"), std::string::npos);
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond}));
    ExpectUntouched(kFirst, notADatabase);
    ExpectUntouched(kSecond, secondBytes);

    // The second one: the first copy goes too, its database untouched.
    archive.BuildDatabase("rebuilt.mdb", 1);
    fs::remove(archive.Host(kFirst));
    fs::rename(archive.Host("rebuilt.mdb"), archive.Host(kFirst));
    const std::string rebuiltBytes = ArchiveFolder::Bytes(archive.Host(kFirst));
    archive.Write(kSecond, notADatabase);
    view = RecordingView();

    ExpectFailure(Run(), Step::SecondCompaction, 3343);
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond}));
    ExpectUntouched(kFirst, rebuiltBytes);
    ExpectUntouched(kSecond, notADatabase);
}

TEST_F(Fault, ReadOnlyArchiveFolderStopsTheFirstCompaction) {
    {
        WriteLock readOnly(archive.Folder(), WriteLock::Kind::ReadOnly);
        if (!readOnly.Held()) GTEST_SKIP() << readOnly.Reason();

        const Outcome outcome = Run();

        // The folder refuses the copy: said as such, not as a path that is not valid.
        ExpectFailure(outcome, Step::FirstCompaction, 70);
        EXPECT_NE(Message().find("Errore nr. 70 : Permesso negato.\r\n"), std::string::npos) << Message();
        EXPECT_EQ(view.events, kStoppedBeforeThirdMark);
        EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond}));
    }
    ExpectUntouched(kFirst, firstBytes);
    ExpectUntouched(kSecond, secondBytes);
}

TEST_F(Fault, FolderTurnedReadOnlyAfterTheCompactionsStopsTheFirstDelete) {
    std::optional<WriteLock> readOnly;
    view.onYield = [&](int yield) {
        if (yield == 3) readOnly.emplace(archive.Folder(), WriteLock::Kind::ReadOnly);
    };

    const Outcome outcome = Run();
    ASSERT_TRUE(readOnly) << "the run never reached its third yield";
    if (!readOnly->Held()) GTEST_SKIP() << readOnly->Reason();
    readOnly.reset();

    ExpectFailure(outcome, Step::FirstDelete, 70);
    EXPECT_EQ(Message(),
              "Procedura interrotta !\r\n"
              "Passo non riuscito: eliminazione di C:\\archivi\\vantorima7.mdb\r\n"
              "Errore nr. 70 : Permesso negato.\r\n"
              "Il file C:\\archivi\\vantorima7save.mdb" + kMustGo +
              "Il file C:\\archivi\\vantorima7asave.mdb" + kMustGo +
              "Gli archivi non sono stati modificati.");
    EXPECT_EQ(view.events, kPastThirdMark);
    // The claims' companions could not be removed from the read-only folder either.
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond, kFirstCopy, kSecondCopy, "vantorima7.ldb",
                                                      "vantorima7a.ldb"}));
    ExpectUntouched(kFirst, firstBytes);
    ExpectUntouched(kSecond, secondBytes);
    ExpectRowsOf(firstRows, kFirstCopy);
    ExpectRowsOf(secondRows, kSecondCopy);
}

TEST_F(Fault, SecondDatabaseGoneBeforeItsDeleteLeavesTheFirstOnlyInItsCopy) {
    view.onYield = [&](int yield) {
        if (yield == 3) fs::rename(archive.Host(kSecond), archive.Aside(kSecond));
    };

    ExpectFailure(Run(), Step::SecondDelete, 53);
    EXPECT_EQ(Message(),
              "Procedura interrotta !\r\n"
              "Passo non riuscito: eliminazione di C:\\archivi\\vantorima7a.mdb\r\n"
              "Errore nr. 53 : Impossibile trovare il file.\r\n"
              "I dati di C:\\archivi\\vantorima7.mdb sono in C:\\archivi\\vantorima7save.mdb");
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirstCopy, kSecondCopy}));
    ExpectRowsOf(firstRows, kFirstCopy);
    ExpectRowsOf(secondRows, kSecondCopy);
}

// A copy that may not be renamed needs the immutable attribute: only a
// privileged user can set it.
TEST_F(Fault, CopyThatCannotTakeItsNameStopsTheRenames) {
    std::optional<WriteLock> locked;
    view.onYield = [&](int yield) {
        if (yield == 3) locked.emplace(archive.Host(kFirstCopy), WriteLock::Kind::Immutable);
    };
    const Outcome first = Run();
    ASSERT_TRUE(locked) << "the run never reached its third yield";
    if (!locked->Held()) GTEST_SKIP() << locked->Reason();
    locked.reset();

    ExpectFailure(first, Step::FirstRename, 70);
    EXPECT_NE(Message().find("rinomina di C:\\archivi\\vantorima7save.mdb in C:\\archivi\\vantorima7.mdb\r\n"
                             "Errore nr. 70 : Permesso negato.\r\n"
                             "I dati di C:\\archivi\\vantorima7.mdb e C:\\archivi\\vantorima7a.mdb sono in "
                             "C:\\archivi\\vantorima7save.mdb e C:\\archivi\\vantorima7asave.mdb"),
              std::string::npos)
        << Message();
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirstCopy, kSecondCopy}));
    ExpectRowsOf(firstRows, kFirstCopy);
    ExpectRowsOf(secondRows, kSecondCopy);

    // From fresh databases again, the second copy locked this time.
    fs::rename(archive.Host(kFirstCopy), archive.Host(kFirst));
    fs::rename(archive.Host(kSecondCopy), archive.Host(kSecond));
    view = RecordingView();
    view.onYield = [&](int yield) {
        if (yield == 3) locked.emplace(archive.Host(kSecondCopy), WriteLock::Kind::Immutable);
    };
    const Outcome second = Run();
    locked.reset();

    ExpectFailure(second, Step::SecondRename, 70);
    EXPECT_NE(Message().find("I dati di C:\\archivi\\vantorima7a.mdb sono in C:\\archivi\\vantorima7asave.mdb"),
              std::string::npos);
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecondCopy}));
    ExpectRowsOf(firstRows, kFirst);
    ExpectRowsOf(secondRows, kSecondCopy);
}

} // namespace
} // namespace compaction_testing
