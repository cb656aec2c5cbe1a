// Claims that other programs see: a file in exclusive use cannot be opened by
// a second process; the companion goes with the last claim. (The refusals of
// an exclusive use are tested with the operations that make it.)
#include "dbengine/exclusive_use.h"
#include "dbengine/claims/file_claim.h"
#include "engine_fixture.h"
#include "support/file_size_limit.h"
#include "support/holder_process.h"
#include "winfs/error_numbers.h"

namespace dbtest {
namespace {

TEST(Claim, FileInExclusiveUseCannotBeOpenedByAnotherProgramAndItsCompanionGoesAfterUse) {
    testing_support::TempDir dir;
    const std::string file = dir.file("vantorima7.mdb");
    dao::DBEngine::Instance().CreateDatabase(file)->Close();
    {
        dao::ExclusiveUse use(dao::DBEngine::Instance(), file);
        EXPECT_TRUE(std::filesystem::exists(dao::CompanionOf(file)));
        testing_support::HolderProcess holder("engine", file);
        EXPECT_FALSE(holder.Ready());
        EXPECT_EQ(holder.Release(), 1);
        // This program's own bindings go on sharing its claim.
        EXPECT_EQ(ErrorOf([&] { dao::DBEngine::Instance().OpenDatabase(dir.file("other.mdb")); }), dao::kFileNotFound);
    }
    EXPECT_FALSE(std::filesystem::exists(dao::CompanionOf(file)));
    testing_support::HolderProcess holder("engine", file);
    EXPECT_TRUE(holder.Ready());
}

// Two programs have the archive open; the one that closes first leaves the
// companion to the other, so that an exclusive use still sees it.
TEST(Claim, TheCompanionStaysWhileAnotherProgramStillHoldsTheFile) {
    testing_support::TempDir dir;
    const std::string file = dir.file("vantorima7.mdb");
    dao::DBEngine::Instance().CreateDatabase(file)->Close();
    testing_support::HolderProcess holder("engine", file);
    ASSERT_TRUE(holder.Ready());
    {
        dao::DBEngine first;
        first.OpenDatabase(file)->Close();
    }
    EXPECT_TRUE(std::filesystem::exists(dao::CompanionOf(file)));
    dao::DBEngine later;
    EXPECT_EQ(ErrorOf([&] { dao::ExclusiveUse use(later, file); }), dao::kFileInUse);
    EXPECT_EQ(holder.Release(), 0);
}

// An exclusive use ended while this program still has the file open goes
// back to the shared claim: the companion stays, other programs may open it.
TEST(Claim, AnExclusiveUseEndedWhileTheFileIsOpenLeavesTheSharedClaim) {
    testing_support::TempDir dir;
    const std::string file = dir.file("vantorima7.mdb");
    dao::DBEngine engine;
    engine.CreateDatabase(file)->Close();
    const auto open = engine.OpenDatabase(file);
    { dao::ExclusiveUse use(engine, file); }
    EXPECT_TRUE(std::filesystem::exists(dao::CompanionOf(file)));
    testing_support::HolderProcess holder("engine", file);
    EXPECT_TRUE(holder.Ready());
    EXPECT_EQ(holder.Release(), 0);
}

// A copy or a compaction under exclusive use that runs out of room is 61 and
// leaves no part of itself behind.
TEST(Claim, AFullDiskEndsACopyOrACompactionWith61AndNothingLeft) {
    testing_support::TempDir dir;
    const std::string file = dir.file("vantorima7.mdb"), copy = dir.file("copia.mdb"), compact = dir.file("compatta.mdb");
    dao::DBEngine engine;
    engine.CreateDatabase(file)->Close();
    dao::ExclusiveUse use(engine, file);
    {
        testing_support::FileSizeLimit limit(1024);
        EXPECT_EQ(ErrorOf([&] { use.CopyTo(copy); }), vb::kDiskFull);
        EXPECT_EQ(ErrorOf([&] { use.CompactInto(compact); }), vb::kDiskFull);
    }
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_FALSE(std::filesystem::exists(compact));
}

// Two engine objects of one program share no claims, as two programs would:
// the second can neither open nor compact what the first holds exclusively,
// and only the first compacts it under the lock it holds.
TEST(Claim, TwoEnginesOfOneProgramHoldTheirClaimsApart) {
    testing_support::TempDir dir;
    const std::string file = dir.file("vantorima7.mdb");
    dao::DBEngine first;
    dao::DBEngine second;
    first.CreateDatabase(file)->Close();
    dao::ExclusiveUse use(first, file);
    EXPECT_EQ(ErrorOf([&] { second.OpenDatabase(file); }), dao::kFileInUse);
    EXPECT_EQ(ErrorOf([&] { second.CompactDatabase(file, dir.file("second.mdb")); }), dao::kFileInUse);
    EXPECT_EQ(ErrorOf([&] { first.CompactDatabase(file, dir.file("first.mdb")); }), 0);
}

} // namespace
} // namespace dbtest
