// A database path that names no regular file (a FIFO, a device, a folder) is
// refused at once as a missing file: opening one to look could wait forever.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>

#include "engine_fixture.h"
#include "support/passes_in_a_child.h"
#include "support/temp_dir.h"

namespace {

using dbtest::ErrorOf;

// True when the action, run in a child process, raised 3024 without waiting:
// opening a FIFO waits for a writer forever, so a bound far past what a loaded
// machine takes for a refusal tells the two apart.
bool Is3024WithoutWaiting(const std::function<int()>& action) {
    return testing_support::PassesInAChildWithin(60, [&] { return action() == 3024; });
}

TEST(NonRegularFiles, AFifoADeviceAndAFolderAre3024WithoutWaiting) {
    testing_support::TempDir dir;
    const std::string fifo = dir.file("archivio.mdb");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string device = dir.file("zero.mdb");
    std::filesystem::create_symlink("/dev/zero", device);
    for (const std::string& path : {fifo, device, dir.path().string()}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(Is3024WithoutWaiting([&] { return ErrorOf([&] { dao::DBEngine().OpenDatabase(path); }); }));
        EXPECT_TRUE(Is3024WithoutWaiting([&] {
            dao::DBEngine engine;
            return ErrorOf([&] { dbtest::BindTable(engine, path, "clienti"); });
        }));
        EXPECT_TRUE(Is3024WithoutWaiting([&] { return ErrorOf([&] { dao::DBEngine().CompactDatabase(path, dir.file("c.mdb")); }); }));
    }
}

} // namespace
