#include "winfs/file_errors.h"

#include <cerrno>
#include <string>
#include <system_error>

#include "winfs/error_descriptions.h"
#include "winfs/runtime_error.h"

namespace winfs::detail {

void Raise(int number) { throw vb::RuntimeError(number, vb::Describe(number)); }

int NumberForFileErrno(int err, const std::filesystem::path& path) {
    switch (err) {
    case ENOENT: {
        std::error_code ec;
        const std::filesystem::path folder = path.parent_path();
        return (folder.empty() || std::filesystem::is_directory(folder, ec)) ? vb::kFileNotFound : vb::kPathNotFound;
    }
    case ENOTDIR: return vb::kPathNotFound;
    case EACCES:
    case EPERM: return vb::kPermissionDenied;
    case EROFS: return vb::kWriteProtected;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return vb::kDiskFull;
    case EIO: return vb::kDeviceIoError;
    default: return vb::kPathFileAccessError;  // EISDIR, EBUSY, ENAMETOOLONG, ELOOP ...
    }
}

} // namespace winfs::detail
