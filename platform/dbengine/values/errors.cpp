#include "dbengine/values/errors.h"

#include <cerrno>

#include "winfs/error_descriptions.h"

namespace dao {

void Raise(int number, const std::string& detail) {
    std::string text = vb::Describe(number);
    if (text.empty()) throw vb::RuntimeError(number, detail);
    throw vb::RuntimeError(number, std::move(text), detail);
}

int NumberForWriteErrno(int err) {
    switch (err) {
    case EEXIST: return kCompactTargetExists;
    case EACCES:
    case EPERM: return vb::kPermissionDenied;
    case EROFS: return vb::kWriteProtected;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return vb::kDiskFull;
    case EIO: return kDiskOrNetworkError;
    default: return kInvalidPath;
    }
}

} // namespace dao
