#include "dbengine/access/reader_launch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "dbengine/access/reader_stream.h"
#include "dbengine/values/errors.h"

extern char** environ;

namespace dao {

namespace {

void CloseFd(int& fd) noexcept {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// Descriptors of the channels, both ends; closed unless handed on.
struct Ends {
    int fds[8] = {-1, -1, -1, -1, -1, -1, -1, -1};   // requests (ours, reader's), out, err, watch (read, write)
    ~Ends() {
        for (int& fd : fds) CloseFd(fd);
    }
};

bool OpenEnds(Ends& ends) {
    return ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends.fds) == 0 && ::pipe2(ends.fds + 2, O_CLOEXEC) == 0 &&
           ::pipe2(ends.fds + 4, O_CLOEXEC) == 0 && ::pipe2(ends.fds + 6, O_CLOEXEC) == 0;
}

// Signals at their defaults and unblocked, whatever this program's threads
// set, and the process group given (0: a group of its own).
struct SpawnAttributes {
    explicit SpawnAttributes(pid_t group) {
        posix_spawnattr_init(&attributes);
        sigset_t all, none;
        sigfillset(&all);
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setpgroup(&attributes, group);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
        posix_spawn_file_actions_init(&actions);
    }
    ~SpawnAttributes() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    pid_t Spawn(const std::vector<std::string>& argv) const {
        std::vector<char*> args;
        for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        pid_t pid = -1;
        return ::posix_spawn(&pid, args[0], &actions, &attributes, args.data(), environ) == 0 ? pid : -1;
    }
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
};

// The leader of the reader's process group: it waits for the end of a pipe
// that only this program holds open, so that when the program dies, however
// (even by SIGKILL, which no handler sees), the kernel closes the pipe and the
// leader kills the group: the reader and whatever it started. A parent-death
// signal would reach the reader alone, and only when the thread that started
// it ends. The shell is what every Linux system has at this path.
pid_t SpawnGuard(int watched) {
    SpawnAttributes guard(0);
    posix_spawn_file_actions_adddup2(&guard.actions, watched, STDIN_FILENO);
    posix_spawn_file_actions_addopen(&guard.actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&guard.actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&guard.actions, STDERR_FILENO + 1);
    return guard.Spawn({"/bin/sh", "-c", "read _; kill -s KILL 0"});
}

// Standard input closed, the channels in place, nothing else inherited; in
// the guard's group.
pid_t SpawnReader(const std::vector<std::string>& argv, const Ends& ends, pid_t group) {
    SpawnAttributes reader(group);
    posix_spawn_file_actions_addclose(&reader.actions, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&reader.actions, ends.fds[3], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&reader.actions, ends.fds[5], STDERR_FILENO);
    posix_spawn_file_actions_adddup2(&reader.actions, ends.fds[1], reader_stream::kRequestFd);
    posix_spawn_file_actions_addclosefrom_np(&reader.actions, reader_stream::kRequestFd + 1);
    return reader.Spawn(argv);
}

} // namespace

ReaderChild::ReaderChild(const std::filesystem::path& reader, const std::string& file) : owner_(::getpid()) {
    Ends ends;
    if (!OpenEnds(ends)) Raise(kNotADatabase, file + ": no channels for the Access reader");
    guard_ = SpawnGuard(ends.fds[6]);
    if (guard_ < 0) Raise(kNotADatabase, file + ": the Access reader's guard cannot start");
    pid_ = SpawnReader({reader.string(), file}, ends, guard_);
    std::swap(watch_, ends.fds[7]);
    if (pid_ < 0) {
        EndGroup();
        Raise(kNotADatabase, file + ": the Access reader " + reader.string() + " cannot start");
    }
    std::swap(requests_, ends.fds[0]);
    std::swap(out_, ends.fds[2]);
    std::swap(err_, ends.fds[4]);
}

ReaderChild::~ReaderChild() {
    CloseFd(requests_);
    CloseFd(out_);
    CloseFd(err_);
    CloseFd(watch_);
    if (!Mine()) return;
    if (pid_ > 0) {
        // A reader that left the group is still ours to end.
        ::kill(pid_, SIGKILL);
        Reap(0);
    }
    EndGroup();
}

void ReaderChild::EndGroup() noexcept {
    if (guard_ < 0) return;
    // The guard, not yet reaped, holds the group's number: nothing else can have it.
    ::kill(-guard_, SIGKILL);
    while (::waitpid(guard_, nullptr, 0) < 0 && errno == EINTR) {}
    guard_ = -1;
}

bool ReaderChild::Mine() const noexcept { return owner_ == ::getpid(); }

bool ReaderChild::Send(std::string_view request) {
    while (!request.empty()) {
        const ssize_t n = ::send(requests_, request.data(), request.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        request.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool ReaderChild::Reap(int options) {
    if (pid_ < 0) return true;
    pid_t done;
    while ((done = ::waitpid(pid_, &status_, options)) < 0 && errno == EINTR) {}
    if (done != pid_) return false;
    pid_ = -1;
    // What it left running in its group ends with it.
    EndGroup();
    return true;
}

bool ReaderChild::Ended() { return Reap(WNOHANG); }

bool ReaderChild::EndedWithin(std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (!Ended()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

std::uint64_t ReaderChild::ResidentBytes() const {
    std::ifstream statm("/proc/" + std::to_string(pid_) + "/statm");
    std::uint64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
}

double ReaderChild::CpuSeconds() const {
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name (which may hold blanks): state is the 3rd, utime the 14th, stime the 15th.
    std::istringstream fields(line.substr(line.rfind(')') + 1));
    std::string skip;
    for (int i = 3; i < 14; ++i) fields >> skip;
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

} // namespace dao
