// What the component writes is its own: no file through a link, no wider
// than the data, and only its own leftovers cleared.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "component_fixture.h"
#include "zip/zip_errors.h"

namespace zip_testing {
namespace {

using namespace zipcomp;
using ZipOwnFiles = ComponentTest;

mode_t ModeOf(const fs::path& file) {
    struct stat st {};
    return ::lstat(file.c_str(), &st) == 0 ? st.st_mode : 0;
}

TEST_F(ZipOwnFiles, BackupNeverWritesThroughALinkAndIsNoWiderThanItsDatabase) {
    const std::string onC = "c:\\v7copia\\v7backup.zip";
    const fs::path archive = Drive('c') / "v7copia" / "v7backup.zip";
    const fs::path elsewhere = Root() / "elsewhere";
    fs::create_directories(archive.parent_path());
    ::chmod(DatabaseFile().c_str(), 0600);
    // A link at the archive's name, pointing nowhere, before the first backup.
    fs::create_symlink(elsewhere, archive);
    ASSERT_EQ(Backup(onC), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(elsewhere)));
    EXPECT_EQ(ModeOf(archive), S_IFREG | 0600);

    // A link planted where a new archive was once written beside the old one.
    WriteBytes(elsewhere, "another file");
    fs::create_symlink(elsewhere, archive.string() + ".tmp");
    ASSERT_EQ(Backup(onC), 0);
    EXPECT_TRUE(ReadBytes(elsewhere) == "another file");
    EXPECT_EQ(ModeOf(archive), S_IFREG | 0600);
    EXPECT_EQ(Test(onC), 0);
}

TEST_F(ZipOwnFiles, OnlyOurOwnLeftoversAreCleared) {
    const fs::path folder = DatabaseFile().parent_path();
    WriteBytes(folder / "vzip-notours.txt", "another program's");
    WriteBytes(folder / "vzip-other" / "file", "another program's");
    WriteBytes(folder / "vzip-KILLED" / "copy", "a killed backup's");
    WriteBytes(folder / ".vantorima7.mdb.KILLED", "a killed restore's");
    std::vector<std::string> stay = {"vantorima7.mdb", "vzip-notours.txt", "vzip-other"};
    // Another user's entry of our very pattern (root can make one to try).
    if (::geteuid() == 0) {
        WriteBytes(folder / "vzip-AbC123" / "file", "another user's");
        ASSERT_EQ(::chown((folder / "vzip-AbC123").c_str(), 12345, 12345), 0);
        stay.insert(stay.begin() + 1, "vzip-AbC123");
    }
    ZipComponent::RemoveLeftovers("C:\\archivi", "vantorima7.mdb");
    EXPECT_EQ(Listing(folder), stay);
}

TEST_F(ZipOwnFiles, RestoreWhoseLastRenameFailsIsAFailure) {
    ASSERT_EQ(Backup(), 0);
    fs::remove(DatabaseFile());
    WriteBytes(DatabaseFile() / "inside", "a folder where the database was");
    EXPECT_EQ(Restore(), kPathFileAccessError);
    EXPECT_EQ(ReadBytes(DatabaseFile() / "inside"), "a folder where the database was");
    EXPECT_EQ(Listing(DatabaseFile().parent_path()), std::vector<std::string>{"vantorima7.mdb"});
}

TEST_F(ZipOwnFiles, AFifoAsTheArchiveIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo((Drive('a') / "v7backup.zip").c_str(), 0600), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);   // a hang ends the child, and the test fails
        ::_exit(Restore() == kPathFileAccessError && Test() == kPathFileAccessError ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_EQ(ReadBytes(DatabaseFile()), database);
}

} // namespace
} // namespace zip_testing
