#include <csignal>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "desktop/single_instance.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// A lock name of this test process alone: ctest runs tests in parallel.
std::string UniqueName(const std::string& what) {
    return "test-" + what + "-" + std::to_string(::getpid());
}

TEST(desktop_single_instance, SecondHolderFindsTheFirstUntilItEnds) {
    const std::string name = UniqueName("pair");
    {
        desktop::SingleInstance first(name);
        ASSERT_FALSE(first.OtherInstanceRunning());
        desktop::SingleInstance second(name);
        EXPECT_TRUE(second.OtherInstanceRunning());
        desktop::SingleInstance other(UniqueName("other"));
        EXPECT_FALSE(other.OtherInstanceRunning()) << "another program's lock is independent";
    }
    desktop::SingleInstance later(name);
    EXPECT_FALSE(later.OtherInstanceRunning());
}

TEST(desktop_single_instance, CrashedHolderLeavesNoStaleLock) {
    const std::string name = UniqueName("crash");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        desktop::SingleInstance holder(name);
        char result = holder.OtherInstanceRunning() ? 'n' : 'y';
        if (::write(ready[1], &result, 1) != 1) ::_exit(1);
        for (;;) ::pause();   // until killed
    }
    ::close(ready[1]);
    char result = 0;
    ASSERT_EQ(::read(ready[0], &result, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(result, 'y') << "the child must get the lock";

    desktop::SingleInstance second(name);
    EXPECT_TRUE(second.OtherInstanceRunning());

    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_FALSE(second.OtherInstanceRunning()) << "the killed holder's lock must be gone";
}

} // namespace

namespace {

// The lock lies in a folder of this user alone (mode 0700); a folder or a lock
// file that another made, held by a lock, never counts as a running copy.
TEST(desktop_single_instance, TheLockLiesInAPrivateFolderAndAnotherUsersFileNeverCounts) {
    testing_support::TempDir tmp;
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", tmp.path().c_str(), 1);
    const std::string name = UniqueName("private");
    const fs::path folder = tmp.path() / ("vantorima-" + std::to_string(::geteuid()));
    {
        desktop::SingleInstance first(name);
        ASSERT_FALSE(first.OtherInstanceRunning());
        EXPECT_EQ(first.LockFile().parent_path(), folder);
        struct stat st {};
        ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        desktop::SingleInstance second(name);
        EXPECT_TRUE(second.OtherInstanceRunning());
    }
    {
        // A private XDG_RUNTIME_DIR is used as it is; one open to others is passed over.
        testing_support::TempDir runtime;
        ::chmod(runtime.path().c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        EXPECT_EQ(desktop::SingleInstance(name).LockFile().parent_path(), runtime.path());
        ::chmod(runtime.path().c_str(), 0777);
        EXPECT_EQ(desktop::SingleInstance(name).LockFile().parent_path(), folder);
        ::unsetenv("XDG_RUNTIME_DIR");
    }
    const fs::path lockFile = folder / ("vantorima-" + name + ".lock");
    // Another's lock file held in a folder as it planted it.
    auto plantedAndHeldCounts = [&](mode_t folderMode, uid_t folderOwner, uid_t fileOwner) {
        fs::remove_all(folder);
        ::mkdir(folder.c_str(), 0700);
        ::chmod(folder.c_str(), folderMode);
        const int held = ::open(lockFile.c_str(), O_RDWR | O_CREAT, 0666);
        ::fchmod(held, 0666);
        ::flock(held, LOCK_EX);
        if (::fchown(held, fileOwner, -1) != 0 || ::chown(folder.c_str(), folderOwner, -1) != 0) ADD_FAILURE();
        desktop::SingleInstance later(name);
        const bool counted = later.OtherInstanceRunning();
        ::close(held);
        return counted;
    };
    const uid_t me = ::geteuid();
    EXPECT_FALSE(plantedAndHeldCounts(0777, me, me)) << "a folder open to others";
    if (me != 0) GTEST_SKIP() << "only root can make files of another user";
    EXPECT_FALSE(plantedAndHeldCounts(0700, 4242, me)) << "another user's folder";
    EXPECT_FALSE(plantedAndHeldCounts(0700, me, 4242)) << "another user's file";
}

} // namespace
