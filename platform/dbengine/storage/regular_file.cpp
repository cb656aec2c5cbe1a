#include "dbengine/storage/regular_file.h"

#include <unistd.h>

#include <cerrno>

#include "winfs/regular_file.h"

namespace dao {

bool ReadFileHead(const std::filesystem::path& path, void* into, std::size_t size) {
    const int fd = winfs::OpenRegularFile(path);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, static_cast<char*>(into) + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return done == size;
}

} // namespace dao
