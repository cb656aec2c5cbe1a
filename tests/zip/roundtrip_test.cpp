// Backup, test and restore on real files, and what extraction may write.
#include <cstdlib>

#include "component_fixture.h"

namespace zip_testing {
namespace {

using ZipRoundTrip = ComponentTest;

TEST_F(ZipRoundTrip, RestoreAfterBackupBringsTheDatabaseBackByteForByte) {
    ASSERT_EQ(Backup(), 0);
    WriteBytes(DatabaseFile(), "rows written after the backup");
    ASSERT_EQ(Test(), 0);
    ASSERT_EQ(Restore(), 0);
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
    // The temporary file of the extraction is gone.
    EXPECT_EQ(Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
}

TEST_F(ZipRoundTrip, ArchiveIsAStandardZipThatUnzipAccepts) {
    if (std::system("command -v unzip >/dev/null 2>&1") != 0) GTEST_SKIP() << "unzip is not installed";
    fs::create_directories(Drive('c') / "v7copia");
    ASSERT_EQ(Backup("c:\\v7copia\\v7backup.zip"), 0);
    const std::string archive = (Drive('c') / "v7copia" / "v7backup.zip").string();
    EXPECT_EQ(std::system(("unzip -tq '" + archive + "' >/dev/null").c_str()), 0);
    const fs::path listed = Root() / "listed.txt";
    ASSERT_EQ(std::system(("unzip -Z1 '" + archive + "' >'" + listed.string() + "'").c_str()), 0);
    EXPECT_EQ(ReadBytes(listed), "vantorima7.mdb\n");
}

TEST_F(ZipRoundTrip, BackupReplacesAnArchiveAlreadyThere) {
    WriteBytes(Drive('a') / "V7BACKUP.ZIP", "an old backup, not even a zip");
    ASSERT_EQ(Backup(), 0);
    EXPECT_EQ(Listing(Drive('a')), std::vector<std::string>{"V7BACKUP.ZIP"});
    EXPECT_EQ(Test(), 0);
}

TEST_F(ZipRoundTrip, ExtractionTakesOnlyTheNamedEntryAndMatchesNamesWithoutCase) {
    MakeStoredZip(Drive('a') / "v7backup.zip", {{"notes.txt", "not wanted"},
                                                {"VANTORIMA7.MDB", "restored rows"},
                                                {"vantorima7a.mdb", "second database"}});
    ASSERT_EQ(Test(), 0);
    ASSERT_EQ(Restore(), 0);
    // The file there was replaced, whatever the case of the entry's name.
    EXPECT_EQ(Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
    EXPECT_EQ(ReadBytes(DatabaseFile()), "restored rows");
}

TEST_F(ZipRoundTrip, EntryWithAPathIsWrittenIntoTheTargetFolderOnly) {
    MakeStoredZip(Drive('a') / "v7backup.zip", {{"../../../escaped/vantorima7.mdb", "from a hostile archive"}});
    const std::vector<std::string> rootBefore = Listing(Root());
    ASSERT_EQ(Restore(), 0);
    EXPECT_EQ(ReadBytes(DatabaseFile()), "from a hostile archive");
    EXPECT_EQ(Listing(Root()), rootBefore);
    EXPECT_FALSE(fs::exists(Root().parent_path() / "escaped"));
    EXPECT_FALSE(fs::exists(Drive('c') / "escaped"));
}

TEST_F(ZipRoundTrip, ExtractionCreatesTheDatabaseWhenNoneIsThere) {
    ASSERT_EQ(Backup(), 0);
    fs::remove(DatabaseFile());
    ASSERT_EQ(Restore(), 0);
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
}

} // namespace
} // namespace zip_testing
