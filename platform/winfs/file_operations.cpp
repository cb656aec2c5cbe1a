// MkDir, Kill, Name, ChDir and the existence test.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "winfs/file_errors.h"
#include "winfs/files.h"
#include "winfs/paths.h"

namespace fs = std::filesystem;

namespace winfs {

namespace {

using namespace detail;

bool SameEntry(const fs::path& a, const fs::path& b) {
    struct stat sa {}, sb {};
    return ::lstat(a.c_str(), &sa) == 0 && ::lstat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// The target of a rename. A target that matches the source only without
// regard to case is the source itself: Name then changes the case of its name.
fs::path RenameTarget(const fs::path& from, const std::string& to) {
    fs::path target = Resolve(to);
    if (SameEntry(from, target)) {
        std::string spelled = to;
        std::size_t cut = spelled.find_last_of("\\/");
        if (cut != std::string::npos) spelled.erase(0, cut + 1);
        if (!spelled.empty()) target = target.parent_path() / spelled;
    }
    return target;
}

// A rename that never replaces an existing target.
int RenameNoReplace(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // The file system cannot refuse replacing by itself.
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace

bool Exists(const std::string& path) {
    if (path.empty()) return false;  // not the current folder
    std::error_code ec;
    return fs::exists(Resolve(path), ec);
}

void MakeFolder(const std::string& path) {
    const fs::path host = Resolve(path);
    if (::mkdir(host.c_str(), 0777) == 0) return;
    switch (errno) {
    case ENOENT:
    case ENOTDIR: Raise(vb::kPathNotFound);
    default: Raise(vb::kPathFileAccessError);  // exists, refused, read-only
    }
}

void DeleteFile(const std::string& path) {
    const fs::path host = Resolve(path);
    struct stat st {};
    if (::lstat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) Raise(vb::kPathFileAccessError);
    if (::unlink(host.c_str()) == 0) return;
    Raise(NumberForFileErrno(errno, host));
}

void RenameFile(const std::string& from, const std::string& to) {
    const fs::path source = Resolve(from);
    struct stat st {};
    if (::lstat(source.c_str(), &st) != 0) Raise(NumberForFileErrno(errno, source));
    const fs::path target = RenameTarget(source, to);
    if (target == source) return;
    const int err = RenameNoReplace(source, target);
    if (err == 0) return;
    switch (err) {
    case EEXIST:
    case ENOTEMPTY: Raise(vb::kFileAlreadyExists);
    case ENOENT:
    case ENOTDIR: Raise(vb::kPathNotFound);  // the source exists: the target's folder is missing
    case EACCES:
    case EPERM: Raise(vb::kPermissionDenied);
    case EROFS: Raise(vb::kWriteProtected);
    default: Raise(vb::kPathFileAccessError);  // EXDEV, EBUSY ...
    }
}

void ChangeFolder(const std::string& path) {
    const fs::path host = Resolve(path);
    if (::chdir(host.c_str()) == 0) return;
    Raise(errno == EACCES ? vb::kPermissionDenied : vb::kPathNotFound);
}

} // namespace winfs
