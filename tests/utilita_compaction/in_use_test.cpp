// A database that another program holds stops the compaction before any
// step: both databases stay as they were and the holder's work is kept.
#include <filesystem>
#include <set>

#include "support/holder_process.h"
#include "utilita_compaction/procedure_fixture.h"

namespace compaction_testing {
namespace {

using InUse = ProcedureTest;
using testing_support::HolderProcess;

TEST_F(InUse, DatabaseHeldByAnotherProgramStopsTheRunBeforeAnyStep) {
    struct Case {
        const char* mode;
        const char* held;
        Step step;
        std::set<std::string> names;  // the holder's claim is a companion of ours; a foreign writer has its journal
    };
    for (const Case& c : {Case{"engine", kFirst, Step::FirstCompaction, {kFirst, kSecond, "vantorima7.ldb"}},
                          Case{"sqlite", kSecond, Step::SecondCompaction, {kFirst, kSecond, "vantorima7a.mdb-journal"}}}) {
        SCOPED_TRACE(c.mode);
        firstBytes = ArchiveFolder::Bytes(archive.Host(kFirst));
        view = RecordingView();
        HolderProcess holder(c.mode, archive.Host(c.held));
        ASSERT_TRUE(holder.Ready());

        const Outcome outcome = Run();

        ExpectFailure(outcome, c.step, 3045);
        EXPECT_NE(Message().find("Errore nr. 3045 : Impossibile utilizzare il file: è già in uso da un altro programma."),
                  std::string::npos);
        EXPECT_NE(Message().find("Gli archivi non sono stati modificati."), std::string::npos);
        EXPECT_EQ(archive.Names(), c.names);
        ExpectUntouched(kFirst, firstBytes);
        ExpectUntouched(kSecond, secondBytes);
        EXPECT_EQ(holder.Release(), 0);
        EXPECT_EQ(HolderProcess::HeldRows(archive.Host(c.held)), 1);
    }
}

} // namespace
} // namespace compaction_testing
