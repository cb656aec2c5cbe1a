#include "dbengine/reader_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>

#include "dbengine/access_file.h"
#include "dbengine/access_reader_bounds.h"
#include "dbengine/reader_stderr.h"

extern char** environ;

namespace dao {

namespace {

using Clock = std::chrono::steady_clock;
using namespace access_reader;

constexpr char kReaderVariable[] = "VANTORIMA_ACCESS_READER";
constexpr char kTimeoutVariable[] = "VANTORIMA_ACCESS_READER_TIMEOUT";
constexpr char kReaderName[] = "access_reader";
constexpr std::chrono::milliseconds kMemoryCheckEvery{100};

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const noexcept { return fd_; }
    void Close() noexcept {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

struct Pipe {
    Fd read, write;
};

Pipe MakePipe(const std::string& file) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) RaiseUnsupportedFormat(file + ": no pipe for the Access reader");
    return {Fd(fds[0]), Fd(fds[1])};
}

std::filesystem::path ReaderExecutable() {
    if (const char* named = std::getenv(kReaderVariable); named && *named) return named;
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / kReaderName;
}

std::chrono::milliseconds SilenceBound() {
    if (const char* text = std::getenv(kTimeoutVariable); text && *text) {
        const double seconds = std::atof(text);
        if (seconds > 0) return std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
    }
    return kSilenceBound;
}

// The reader's process: killed and reaped when left before its end was seen.
class ReaderChild {
public:
    ReaderChild() = default;
    ~ReaderChild() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            Reap(0);
        }
    }
    ReaderChild(const ReaderChild&) = delete;
    ReaderChild& operator=(const ReaderChild&) = delete;

    void Start(const std::vector<std::string>& argv, int out, int err, const std::string& file);
    pid_t pid() const noexcept { return pid_; }
    // True once ended (status set); with WNOHANG it does not wait.
    bool Reap(int options) {
        pid_t done;
        while ((done = ::waitpid(pid_, &status_, options)) < 0 && errno == EINTR) {}
        if (done != pid_) return false;
        pid_ = -1;
        return true;
    }
    int status() const noexcept { return status_; }

private:
    pid_t pid_ = -1;
    int status_ = 0;
};

void ReaderChild::Start(const std::vector<std::string>& argv, int out, int err, const std::string& file) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    // Signals start as defaults and unblocked, whatever this program's threads set.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    std::vector<char*> args;
    for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const int rc = ::posix_spawn(&pid_, args[0], &actions, &attributes, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0) {
        pid_ = -1;
        RaiseUnsupportedFormat(file + ": the Access reader " + argv[0] + " cannot start");
    }
}

// Resident memory of a process, in bytes (0 when unknown).
std::uint64_t ResidentBytes(pid_t pid) {
    std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
    std::uint64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
}

// Reads both pipes until the reader closes them, holding it to its bounds.
void Collect(ReaderChild& child, int out, int err, std::uint64_t fileSize, const std::string& file,
             std::string& stream, ReaderStderr& warnings) {
    const auto silence = SilenceBound();
    auto lastHeard = Clock::now(), lastMemoryCheck = Clock::now();
    pollfd fds[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
    char buffer[65536];
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(lastHeard + silence - Clock::now());
        if (left.count() <= 0) RaiseUnsupportedFormat(file + ": the Access reader stopped answering");
        const int ready = ::poll(fds, 2, static_cast<int>(std::min(left, kMemoryCheckEvery).count()) + 1);
        if (ready < 0 && errno != EINTR) RaiseUnsupportedFormat(file + ": poll on the Access reader failed");
        for (pollfd& p : fds) {
            if (p.fd < 0 || !(p.revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t n = ::read(p.fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                p.fd = -1;
                continue;
            }
            lastHeard = Clock::now();
            if (p.fd == out) stream.append(buffer, static_cast<std::size_t>(n));
            else warnings.Feed(std::string_view(buffer, static_cast<std::size_t>(n)));
        }
        if (stream.size() > StreamBound(fileSize)) RaiseUnsupportedFormat(file + ": the Access reader wrote past its bound");
        if (Clock::now() - lastMemoryCheck >= kMemoryCheckEvery) {
            lastMemoryCheck = Clock::now();
            if (ResidentBytes(child.pid()) > ResidentBound(fileSize))
                RaiseUnsupportedFormat(file + ": the Access reader outgrew its memory bound");
        }
    }
    // Both pipes closed: the reader has its silence bound to end.
    while (!child.Reap(WNOHANG)) {
        if (Clock::now() - lastHeard > silence) RaiseUnsupportedFormat(file + ": the Access reader did not end");
        ::usleep(1000);
    }
}

} // namespace

std::string RunAccessReader(const std::string& mode, const std::filesystem::path& file,
                            const std::vector<std::string>& operands) {
    const std::string name = file.string();
    std::error_code ec;
    const std::uint64_t fileSize = std::filesystem::file_size(file, ec);
    std::vector<std::string> argv{ReaderExecutable().string(), mode, name};
    argv.insert(argv.end(), operands.begin(), operands.end());

    Pipe out = MakePipe(name), err = MakePipe(name);
    ReaderStderr warnings(name);
    std::string stream;
    ReaderChild child;
    try {
        child.Start(argv, out.write.get(), err.write.get(), name);
        out.write.Close();
        err.write.Close();
        Collect(child, out.read.get(), err.read.get(), fileSize, name, stream, warnings);
    } catch (...) {
        warnings.PassOn();
        throw;
    }
    warnings.PassOn();
    const int status = child.status();
    if (WIFSIGNALED(status))
        RaiseUnsupportedFormat(name + ": the Access reader ended by signal " + std::to_string(WTERMSIG(status)));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        RaiseUnsupportedFormat(name + ": the Access reader failed with status " + std::to_string(WEXITSTATUS(status)));
    return stream;
}

} // namespace dao
