#pragma once
// File handling under the zip component: faults become a Failure carrying
// the component's result number, so each operation has one place that turns
// them into its return value.
#include <cstdint>
#include <filesystem>
#include <string>

namespace zipcomp::detail {

struct Failure {
    std::int16_t number;
};

[[noreturn]] void Fail(std::int16_t number);

// The result number for an errno met on `path`: a missing file whose folder
// exists is 53, a missing folder on the way 76.
std::int16_t NumberForErrno(int err, const std::filesystem::path& path);

// An open file descriptor, closed when it goes.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd();
    Fd(Fd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Fd& operator=(Fd&& other) noexcept;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now; a failing close (data not written) is a Failure.
    void Close(const std::filesystem::path& path);

private:
    int fd_ = -1;
};

// A regular file, opened without waiting (a FIFO or a device is 75, as is a
// folder or a link).
Fd OpenForReading(const std::filesystem::path& path);
// A new file: whatever is at the name, a link above all, is never written.
Fd CreateNew(const std::filesystem::path& path, unsigned mode = 0600);

std::uint64_t FileSize(int fd, const std::filesystem::path& path);

// Reads exactly `length` bytes at `offset`; a file that ends first is
// kDamagedArchive.
void ReadAt(int fd, std::uint64_t offset, void* buffer, std::size_t length, const std::filesystem::path& path);
// Reads up to `length` bytes at `offset`; returns how many there were.
std::size_t ReadUpTo(int fd, std::uint64_t offset, void* buffer, std::size_t length,
                     const std::filesystem::path& path);
void WriteAll(int fd, const void* data, std::size_t length, const std::filesystem::path& path);
void WriteAt(int fd, std::uint64_t offset, const void* data, std::size_t length, const std::filesystem::path& path);
// Copies `length` bytes from `from` at `offset` to the current end of `to`
// (or, with toOffset, to that place).
void CopyRange(int from, const std::filesystem::path& fromPath, std::uint64_t offset, std::uint64_t length, int to,
               const std::filesystem::path& toPath, std::int64_t toOffset = -1);
void Sync(int fd, const std::filesystem::path& path);

// The folder must exist: 76 otherwise.
void RequireFolder(const std::filesystem::path& folder);
// ... and take new files: a read-only medium is 19 (also when the folder is
// missing from it), a folder that refuses them 70.
void RequireWritableFolder(const std::filesystem::path& folder);

// A private temporary folder ("vzip-XXXXXX"), removed with its contents when
// it goes, and locked (flock) while it exists. It is made in `preferred` when
// that can be done, else in the system's temporary folder.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::filesystem::path& preferred = {});
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    Fd lock_;
};

inline constexpr const char* kScratchPrefix = "vzip-";

} // namespace zipcomp::detail
