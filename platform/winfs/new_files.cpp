#include "winfs/new_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace winfs {

namespace {

constexpr std::size_t kRandomLetters = 6;   // mkstemp's XXXXXX

// The umask without changing it (another thread may be making a file): the
// kernel says it in /proc; where it does not, set and put back.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool IsRandomLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

mode_t UnderUmask(mode_t wanted) { return wanted & ~CurrentUmask(); }

mode_t ModeToKeep(const fs::path& target) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    return UnderUmask();
}

int CreateNewFile(const fs::path& path, int flags, mode_t mode) {
    return ::open(path.c_str(), flags | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

int OpenOrCreateNoLink(const fs::path& path, int flags, mode_t mode) {
    for (int attempt = 0;; ++attempt) {
        const int fd = ::open(path.c_str(), flags | O_CREAT | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != ELOOP || attempt > 0) return fd;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode) || ::unlink(path.c_str()) != 0) {
            errno = ELOOP;
            return -1;
        }
    }
}

int TakeModeAndOwner(const fs::path& from, const fs::path& to) {
    struct stat source {};
    if (::stat(from.c_str(), &source) != 0) return errno;
    const int fd = ::open(to.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat made {};
    int err = ::fstat(fd, &made) == 0 ? 0 : errno;
    // The owner first (a change of owner may clear mode bits); a user who may
    // not give the file away keeps it, with the group where he belongs to it.
    if (!err && (made.st_uid != source.st_uid || made.st_gid != source.st_gid) &&
        ::fchown(fd, source.st_uid, source.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), source.st_gid);
    if (!err && ::fchmod(fd, source.st_mode & 07777) != 0) err = errno;
    ::close(fd);
    return err;
}

std::string BesideMarker(const fs::path& target) { return "." + target.filename().string() + "."; }

FileBeside::FileBeside(const fs::path& target) : target_(target) {
    std::string pattern = (target.parent_path() / (BesideMarker(target) + std::string(kRandomLetters, 'X'))).string();
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    path_ = pattern;
    ::flock(fd_, LOCK_EX);
    held_ = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
}

FileBeside::~FileBeside() {
    if (fd_ >= 0) ::close(fd_);
    if (!installed_ && !path_.empty()) ::unlink(path_.c_str());
    if (held_ >= 0) ::close(held_);
}

int FileBeside::Finish(mode_t mode) {
    if (fd_ < 0) return error_ ? error_ : EBADF;
    int err = ::fchmod(fd_, mode) == 0 ? 0 : errno;
    if (!err && ::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) err = errno;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && !err) err = errno;
    return err;
}

int FileBeside::Install(const fs::path& other) {
    if (path_.empty()) return error_ ? error_ : EBADF;
    if (::rename(path_.c_str(), (other.empty() ? target_ : other).c_str()) != 0) return errno;
    installed_ = true;
    SyncFolder(target_.parent_path());
    return 0;
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool IsLeftoverName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kRandomLetters || name.compare(0, prefix.size(), prefix) != 0) return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (!IsRandomLetter(name[i])) return false;
    return true;
}

void RemoveOurLeftovers(const fs::path& folder, const std::string& prefix) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        if (!IsLeftoverName(entry.path().filename().string(), prefix)) continue;
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        // The owner is compared, not tested for access: root removes only its own too.
        const bool ours = ::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() &&
                          (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode));
        if (ours && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            std::error_code removed;
            fs::remove_all(entry.path(), removed);
        }
        ::close(fd);
    }
}

} // namespace winfs
