// A target that another program holds (a second Conversione, Utilita, a
// foreign SQLite writer) ends the run before anything is emptied.
#include <gtest/gtest.h>

#include "demo_archive.h"
#include "support/holder_process.h"

namespace {

using run_testing::DemoArchive;
using testing_support::HolderProcess;

TEST(TargetInUse, AnotherProgramHoldingTheTargetEndsTheRunBeforeAnythingIsEmptied) {
    for (const char* mode : {"engine", "sqlite"}) {
        SCOPED_TRACE(mode);
        DemoArchive archive;
        const run_testing::FileStamp before = run_testing::StampOf(archive.target);
        HolderProcess holder(mode, archive.target);
        ASSERT_TRUE(holder.Ready());

        archive.Run();

        const std::string line = "PROCEDURA INTERROTTA Errore nr. 3045 - ";
        ASSERT_GE(archive.view.log.size(), 2u);
        EXPECT_EQ(archive.view.log.back().substr(0, line.size()), line);
        EXPECT_EQ(archive.view.log.end()[-2], "Cancellazione dati tabelle");
        EXPECT_TRUE(archive.view.buttonsEnabled);
        EXPECT_TRUE(run_testing::StampOf(archive.target) == before);
        EXPECT_EQ(holder.Release(), 0);
        EXPECT_EQ(HolderProcess::HeldRows(archive.target), 1);
    }
}

// After one run the program still has the target open, shared; another
// program that opens it too must stop the next run just the same.
TEST(TargetInUse, AnotherProgramOpeningTheTargetAfterARunEndsTheNextRun) {
    DemoArchive archive;
    archive.Run();
    ASSERT_EQ(archive.view.log.back(), "PROCEDURA CONCLUSA CON SUCCESSO");
    const run_testing::FileStamp before = run_testing::StampOf(archive.target);
    HolderProcess holder("engine", archive.target);
    ASSERT_TRUE(holder.Ready());

    archive.Run();

    const std::string line = "PROCEDURA INTERROTTA Errore nr. 3045 - ";
    EXPECT_EQ(archive.view.log.back().substr(0, line.size()), line);
    EXPECT_TRUE(run_testing::StampOf(archive.target) == before);
    EXPECT_EQ(holder.Release(), 0);
}

} // namespace
