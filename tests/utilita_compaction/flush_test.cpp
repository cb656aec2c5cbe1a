// A run killed after both compactions and before any delete: each compacted
// copy, and the folder entries that name it, were already on the disk, not
// only in the page cache, which a power cut after the deletes would lose. The
// engine's copy ends by removing its journal: until the folder is synced
// after that, a power cut brings the journal back and rolls the copy away.
// This runner replaces the system's sync and unlink calls with ones that
// write down what they do.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "utilita_compaction/procedure_fixture.h"

namespace {

int eventLog = -1;   // in the run's process: "sync <path>" and "unlink <path>", a line each

void LogEvent(const char* what, const char* path, size_t length) {
    if (eventLog < 0) return;
    std::string line = std::string(what) + " " + std::string(path, length) + "\n";
    if (::write(eventLog, line.data(), line.size()) < 0) _exit(4);
}

int LoggedSync(const char* name, int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t length = ::readlink(link, path, sizeof path);
    if (length > 0) LogEvent("sync", path, static_cast<size_t>(length));
    return reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, name))(fd);
}

} // namespace

extern "C" int fsync(int fd) { return LoggedSync("fsync", fd); }
extern "C" int fdatasync(int fd) { return LoggedSync("fdatasync", fd); }
extern "C" int unlink(const char* path) {
    LogEvent("unlink", path, std::strlen(path));
    return reinterpret_cast<int (*)(const char*)>(dlsym(RTLD_NEXT, "unlink"))(path);
}

namespace compaction_testing {
namespace {

namespace fs = std::filesystem;

using Flush = ProcedureTest;

TEST_F(Flush, RunKilledBeforeTheDeletesFindsBothCopiesOnTheDisk) {
    const fs::path log = archive.Aside("events.log");
    fs::create_directories(log.parent_path());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        eventLog = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        // The third yield comes after both compactions, before the first delete.
        view.onYield = [](int yield) {
            if (yield == 3) ::raise(SIGKILL);
        };
        Run();
        _exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the run was not killed at the third yield";
    for (const char* name : {kFirst, kSecond, kFirstCopy, kSecondCopy})
        ASSERT_TRUE(fs::exists(archive.Host(name))) << name;

    std::vector<std::string> events;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) events.push_back(line);
    const std::string folder = fs::canonical(archive.Folder()).string();
    for (const char* copy : {kFirstCopy, kSecondCopy}) {
        SCOPED_TRACE(copy);
        const std::string file = folder + "/" + copy;
        // The last event on the copy or its companions, then a sync of the folder.
        std::ptrdiff_t last = -1;
        bool fileSynced = false;
        for (std::size_t i = 0; i < events.size(); ++i) {
            const std::string& event = events[i];
            if (event.find(" " + file) != std::string::npos) last = static_cast<std::ptrdiff_t>(i);
            fileSynced = fileSynced || event == "sync " + file;
        }
        EXPECT_TRUE(fileSynced);
        bool folderSyncedAfter = false;
        for (std::size_t i = static_cast<std::size_t>(last + 1); i < events.size(); ++i)
            folderSyncedAfter = folderSyncedAfter || events[i] == "sync " + folder;
        EXPECT_TRUE(folderSyncedAfter) << "the folder was not synced after the last change to the copy";
    }
}

} // namespace
} // namespace compaction_testing
