#include <cerrno>
#include <utility>

#include <sys/stat.h>
#include <sys/statvfs.h>

#include "zip/host_file.h"
#include "zip/media.h"

namespace fs = std::filesystem;

namespace zipcomp::detail {

namespace {

// The free space of the folder and the margin kept for the file system's own blocks.
std::pair<std::uint64_t, std::uint64_t> FreeSpace(const fs::path& folder, const fs::path& named) {
    struct statvfs vfs {};
    if (::statvfs(folder.c_str(), &vfs) != 0) Fail(NumberForErrno(errno, named));
    const std::uint64_t block = vfs.f_frsize ? vfs.f_frsize : vfs.f_bsize;
    return {static_cast<std::uint64_t>(vfs.f_bavail) * block, 2 * block};
}

} // namespace

std::uint64_t MediumRoom(const fs::path& archive, std::optional<std::uint64_t> capacity) {
    if (capacity) return *capacity;
    auto [room, margin] = FreeSpace(archive.parent_path(), archive);
    struct stat st {};
    if (::stat(archive.c_str(), &st) == 0 && S_ISREG(st.st_mode)) room += static_cast<std::uint64_t>(st.st_size);
    return room > margin ? room - margin : 0;
}

std::uint64_t FolderRoom(const fs::path& folder, std::optional<std::uint64_t> capacity) {
    if (capacity) return *capacity;
    const auto [room, margin] = FreeSpace(folder, folder / "x");
    return room > margin ? room - margin : 0;
}

} // namespace zipcomp::detail
