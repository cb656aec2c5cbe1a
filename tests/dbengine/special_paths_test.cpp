// A database path that names no regular file (a FIFO, a device, a folder) is
// refused at once as a missing file: opening one to look could wait forever.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"
#include "engine_fixture.h"
#include "support/temp_dir.h"

namespace {

using dbtest::ErrorOf;

// The action's error number, run in a child process that must end within the
// bound (a hang would otherwise hang the test); -1 when it did not.
int ErrorWithin(std::chrono::milliseconds bound, const std::function<int()>& action) {
    const pid_t child = ::fork();
    if (child == 0) _exit(action() == 3024 ? 0 : 1);
    const auto until = std::chrono::steady_clock::now() + bound;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 3024 : 0;
}

TEST(SpecialPaths, AFifoADeviceAndAFolderAre3024WithinASecond) {
    testing_support::TempDir dir;
    const std::string fifo = dir.file("archivio.mdb");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string device = dir.file("zero.mdb");
    std::filesystem::create_symlink("/dev/zero", device);
    for (const std::string& path : {fifo, device, dir.path().string()}) {
        SCOPED_TRACE(path);
        const auto second = std::chrono::milliseconds(1000);
        EXPECT_EQ(ErrorWithin(second, [&] { return ErrorOf([&] { dao::DBEngine().OpenDatabase(path); }); }), 3024);
        EXPECT_EQ(ErrorWithin(second, [&] {
            dao::DBEngine engine;
            dao::DataControl control(engine);
            control.SetDatabaseName(path);
            control.SetRecordSource("clienti");
            return ErrorOf([&] { control.Refresh(); });
        }), 3024);
        EXPECT_EQ(ErrorWithin(second, [&] {
            return ErrorOf([&] { dao::DBEngine().CompactDatabase(path, dir.file("copia.mdb")); });
        }), 3024);
    }
}

} // namespace
