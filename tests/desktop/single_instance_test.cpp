#include <csignal>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "desktop/single_instance.h"

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
