#include "desktop/single_instance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace desktop {

namespace fs = std::filesystem;

namespace {

// A folder only this user may enter: no other user can make, replace or hold
// a file in it. Checked on the folder itself, never through a link.
bool IsPrivateFolder(const fs::path& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

// XDG_RUNTIME_DIR when it is private, else a folder of our own (0700) in the
// temporary folder; empty when that name is taken by something not ours.
fs::path PrivateFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/' && IsPrivateFolder(runtime)) return runtime;
    std::error_code ec;
    const fs::path ours = fs::temp_directory_path(ec) / ("vantorima-" + std::to_string(::geteuid()));
    if (ec) return {};
    ::mkdir(ours.c_str(), 0700);   // when it exists already, it must prove to be ours
    if (IsPrivateFolder(ours)) return ours;
    std::cerr << "Lock folder " << ours << " is not this user's own (0700): no single-instance lock\n";
    return {};
}

} // namespace

SingleInstance::SingleInstance(std::string name) : name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) ::close(fd_);
}

fs::path SingleInstance::LockFile() const {
    const fs::path folder = PrivateFolder();
    return folder.empty() ? fs::path() : folder / ("vantorima-" + name_ + ".lock");
}

bool SingleInstance::OtherInstanceRunning() {
    if (fd_ < 0) {
        const fs::path file = LockFile();
        if (file.empty()) return false;
        // O_CLOEXEC: a program started by this one must not inherit the lock.
        fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd_ < 0) return false;
        // Another user's file, however it got there, never stands for a running copy.
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            ::close(fd_);
            fd_ = -1;
            return false;
        }
    }
    int rc;
    do {
        rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    return rc != 0 && errno == EWOULDBLOCK;
}

} // namespace desktop
