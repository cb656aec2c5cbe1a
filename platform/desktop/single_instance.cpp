#include "desktop/single_instance.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QStandardPaths>

namespace desktop {

namespace {

std::filesystem::path RuntimeFolder() {
    // Per-user (XDG_RUNTIME_DIR, or Qt's private /tmp/runtime-<user> with mode 0700).
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!dir.isEmpty()) return std::filesystem::path(dir.toStdString());
    return std::filesystem::temp_directory_path();
}

} // namespace

SingleInstance::SingleInstance(std::string name) : name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) ::close(fd_);
}

std::filesystem::path SingleInstance::LockFile() const {
    return RuntimeFolder() / ("vantorima-" + name_ + "-" + std::to_string(::getuid()) + ".lock");
}

bool SingleInstance::OtherInstanceRunning() {
    if (fd_ < 0) {
        // O_CLOEXEC: a program started by this one must not inherit the lock.
        fd_ = ::open(LockFile().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd_ < 0) return false;
    }
    int rc;
    do {
        rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    return rc != 0 && errno == EWOULDBLOCK;
}

} // namespace desktop
