#include "compaction/flush.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

#include "winfs/error_descriptions.h"
#include "winfs/error_numbers.h"
#include "winfs/new_files.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace utilita::compaction {

namespace {

int NumberFor(int err) {
    switch (err) {
    case ENOENT: return vb::kFileNotFound;
    case EACCES:
    case EPERM: return vb::kPermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return vb::kDiskFull;
    default: return vb::kDeviceIoError;
    }
}

[[noreturn]] void RaiseFor(int err) {
    const int number = NumberFor(err);
    throw vb::RuntimeError(number, vb::Describe(number));
}

// 0 or the errno of the first failure. A file system that cannot sync a
// folder (EINVAL) has nothing to sync.
int Sync(const std::filesystem::path& path, bool folder) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0) return errno;
    int err = 0;
    if (::fsync(fd) != 0 && !(folder && errno == EINVAL)) err = errno;
    ::close(fd);
    return err;
}

} // namespace

void FlushToDisk(const std::string& path) {
    const std::filesystem::path host = winfs::Resolve(path);
    if (const int err = Sync(host, false)) RaiseFor(err);
    if (const int err = Sync(host.parent_path(), true)) RaiseFor(err);
}

void FlushFolderOfNoThrow(const std::string& path) { winfs::SyncFolder(winfs::Resolve(path).parent_path()); }

} // namespace utilita::compaction
