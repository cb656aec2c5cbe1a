#include "zip/host_file.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "winfs/new_files.h"
#include "zip/zip_errors.h"

namespace fs = std::filesystem;

namespace zipcomp::detail {

namespace {

constexpr std::size_t kChunk = 1 << 16;

} // namespace

void Fail(std::int16_t number) { throw Failure{number}; }

std::int16_t NumberForErrno(int err, const fs::path& path) {
    switch (err) {
    case ENOENT: {
        std::error_code ec;
        const fs::path folder = path.parent_path();
        return (folder.empty() || fs::is_directory(folder, ec)) ? kFileNotFound : kPathNotFound;
    }
    case ENOTDIR: return kPathNotFound;
    case EACCES:
    case EPERM: return kPermissionDenied;
    case EROFS: return kWriteProtected;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kDiskFull;
    case EIO: return kDeviceIoError;
    case ENOMEM: return kOutOfMemory;
    default: return kPathFileAccessError;
    }
}

Fd::~Fd() {
    if (fd_ >= 0) ::close(fd_);
}

Fd& Fd::operator=(Fd&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

void Fd::Close(const fs::path& path) {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(NumberForErrno(errno, path));
}

Fd OpenForReading(const fs::path& path) {
    // Non-blocking: a FIFO or device at the name is refused, not waited on.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0) Fail(NumberForErrno(errno, path));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) Fail(NumberForErrno(errno, path));
    if (!S_ISREG(st.st_mode)) Fail(kPathFileAccessError);
    return fd;
}

Fd CreateNew(const fs::path& path, unsigned mode) {
    Fd fd(winfs::CreateNewFile(path, O_WRONLY, mode));
    if (fd.get() < 0) Fail(NumberForErrno(errno, path));
    return fd;
}

std::uint64_t FileSize(int fd, const fs::path& path) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) Fail(NumberForErrno(errno, path));
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t ReadUpTo(int fd, std::uint64_t offset, void* buffer, std::size_t length, const fs::path& path) {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, out + done, length - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(NumberForErrno(errno, path));
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void ReadAt(int fd, std::uint64_t offset, void* buffer, std::size_t length, const fs::path& path) {
    if (ReadUpTo(fd, offset, buffer, length, path) != length) Fail(kDamagedArchive);
}

void WriteAll(int fd, const void* data, std::size_t length, const fs::path& path) {
    const auto* in = static_cast<const char*>(data);
    while (length > 0) {
        const ssize_t n = ::write(fd, in, length);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(NumberForErrno(errno, path));
        }
        if (n == 0) Fail(kDiskFull);   // takes nothing more: no room
        in += n;
        length -= static_cast<std::size_t>(n);
    }
}

void WriteAt(int fd, std::uint64_t offset, const void* data, std::size_t length, const fs::path& path) {
    const auto* in = static_cast<const char*>(data);
    while (length > 0) {
        const ssize_t n = ::pwrite(fd, in, length, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(NumberForErrno(errno, path));
        }
        if (n == 0) Fail(kDiskFull);
        in += n;
        offset += static_cast<std::uint64_t>(n);
        length -= static_cast<std::size_t>(n);
    }
}

void CopyRange(int from, const fs::path& fromPath, std::uint64_t offset, std::uint64_t length, int to,
               const fs::path& toPath, std::int64_t toOffset) {
    std::vector<char> buffer(kChunk);
    while (length > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size()));
        ReadAt(from, offset, buffer.data(), want, fromPath);
        if (toOffset < 0) {
            WriteAll(to, buffer.data(), want, toPath);
        } else {
            WriteAt(to, static_cast<std::uint64_t>(toOffset), buffer.data(), want, toPath);
            toOffset += static_cast<std::int64_t>(want);
        }
        offset += want;
        length -= want;
    }
}

void Sync(int fd, const fs::path& path) {
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) Fail(NumberForErrno(errno, path));
}

void RequireFolder(const fs::path& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) Fail(errno == EACCES ? kPermissionDenied : kPathNotFound);
    if (!S_ISDIR(st.st_mode)) Fail(kPathNotFound);
}

namespace {

// Whether the nearest folder on the way to `path` that exists lies on a
// read-only medium: a folder that is missing there could not be made.
bool OnReadOnlyMedium(fs::path path) {
    struct stat st {};
    while (::stat(path.c_str(), &st) != 0 && path.has_parent_path() && path.parent_path() != path)
        path = path.parent_path();
    struct statvfs vfs {};
    return ::statvfs(path.c_str(), &vfs) == 0 && (vfs.f_flag & ST_RDONLY) != 0;
}

} // namespace

void RequireWritableFolder(const fs::path& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 && OnReadOnlyMedium(folder)) Fail(kWriteProtected);
    RequireFolder(folder);
    if (::access(folder.c_str(), W_OK) != 0) Fail(NumberForErrno(errno, folder / "x"));
}

namespace {

// A new "vzip-XXXXXX" folder in `base`, or "" when none can be made there.
fs::path MakeScratchIn(const fs::path& base) {
    std::string pattern = (base / (std::string(kScratchPrefix) + "XXXXXX")).string();
    return ::mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
}

} // namespace

ScratchFolder::ScratchFolder(const fs::path& preferred) {
    if (!preferred.empty()) path_ = MakeScratchIn(preferred);
    if (path_.empty()) {
        std::error_code ec;
        fs::path base = fs::temp_directory_path(ec);
        if (ec) base = "/tmp";
        path_ = MakeScratchIn(base);
        if (path_.empty()) Fail(NumberForErrno(errno, base / "x"));
    }
    lock_ = Fd(::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (lock_.get() >= 0) ::flock(lock_.get(), LOCK_EX);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

} // namespace zipcomp::detail
