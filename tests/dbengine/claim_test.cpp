// Claims that other programs see: a second process holding the file through
// our engine, or a foreign SQLite writer in a transaction, stops every
// exclusive use before it changes anything.
#include <fstream>
#include <sstream>

#include "dbengine/exclusive_use.h"
#include "engine_fixture.h"
#include "support/holder_process.h"

namespace dbtest {
namespace {

using testing_support::HolderProcess;

class Claim : public ::testing::Test {
protected:
    void SetUp() override {
        auto db = dao::DBEngine::Instance().CreateDatabase(file);
        db->Execute("CREATE TABLE [t] ([x] LONG)");
        db->Execute("INSERT INTO [t] ([x]) VALUES (1)");
        db->Close();
    }
    std::string Bytes() const {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    testing_support::TempDir dir;
    std::string file = dir.file("vantorima7.mdb");
};

TEST_F(Claim, AnotherProgramHoldingTheFileStopsEveryExclusiveUse) {
    for (const char* mode : {"engine", "sqlite"}) {
        SCOPED_TRACE(mode);
        const std::string before = Bytes();
        HolderProcess holder(mode, file);
        ASSERT_TRUE(holder.Ready());
        EXPECT_EQ(ErrorOf([&] { dao::ExclusiveUse use(file); }), dao::kFileInUse);
        EXPECT_EQ(ErrorOf([&] { dao::DBEngine::Instance().CompactDatabase(file, dir.file("copy.mdb")); }),
                  dao::kFileInUse);
        EXPECT_FALSE(std::filesystem::exists(dir.file("copy.mdb")));
        if (std::string(mode) == "engine") EXPECT_EQ(Bytes(), before);
        EXPECT_EQ(holder.Release(), 0);
        EXPECT_EQ(HolderProcess::HeldRows(file), 1);
        EXPECT_EQ(ErrorOf([&] { dao::ExclusiveUse use(file); }), 0);
        auto db = dao::DBEngine::Instance().OpenDatabase(file);
        db->Execute("DROP TABLE [held_by_holder]");
        db->Close();
    }
}

TEST_F(Claim, FileInExclusiveUseCannotBeOpenedByAnotherProgramAndItsCompanionGoesAfterUse) {
    {
        dao::ExclusiveUse use(file);
        EXPECT_TRUE(std::filesystem::exists(dao::CompanionOf(file)));
        HolderProcess holder("engine", file);
        EXPECT_FALSE(holder.Ready());
        EXPECT_EQ(holder.Release(), 1);
        // This program's own bindings go on sharing its claim.
        EXPECT_EQ(ErrorOf([&] { dao::DBEngine::Instance().OpenDatabase(dir.file("other.mdb")); }), dao::kFileNotFound);
    }
    EXPECT_FALSE(std::filesystem::exists(dao::CompanionOf(file)));
    HolderProcess holder("engine", file);
    EXPECT_TRUE(holder.Ready());
}

} // namespace
} // namespace dbtest
