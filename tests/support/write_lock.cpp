#include "support/write_lock.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace compaction_testing {

namespace fs = std::filesystem;

namespace {

// 0 or the errno of the failure.
int SetImmutable(const fs::path& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    int flags = 0;
    int err = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) {
        err = errno;
    } else {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) != 0) err = errno;
    }
    ::close(fd);
    return err;
}

} // namespace

WriteLock::WriteLock(fs::path path, Kind kind) : path_(std::move(path)) {
    if (kind == Kind::ReadOnly && ::geteuid() != 0) {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove, ec);
        held_ = !ec;
        if (ec) reason_ = "cannot take the write bits away: " + ec.message();
        return;
    }
    if (const int err = SetImmutable(path_, true)) {
        reason_ = std::string("the immutable attribute cannot be set here (") + std::strerror(err) + ")";
        return;
    }
    immutable_ = held_ = true;
}

WriteLock::~WriteLock() {
    if (!held_) return;
    if (immutable_) {
        SetImmutable(path_, false);
        return;
    }
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add, ec);
}

} // namespace compaction_testing
