#include "winfs/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace winfs {

namespace {

int NotRegular(const struct stat& st) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return -1;
}

} // namespace

int OpenRegularFile(const std::filesystem::path& host) {
    struct stat named {};
    if (::stat(host.c_str(), &named) != 0) return -1;
    if (!S_ISREG(named.st_mode)) return NotRegular(named);
    // Non-blocking, in case the path was replaced since: checked again on what was opened.
    const int fd = ::open(host.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return -1;
    }
    if (!S_ISREG(opened.st_mode)) {
        ::close(fd);
        return NotRegular(opened);
    }
    return fd;
}

} // namespace winfs
