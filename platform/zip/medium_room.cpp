#include <cerrno>

#include <sys/stat.h>
#include <sys/statvfs.h>

#include "zip/host_file.h"
#include "zip/media.h"

namespace fs = std::filesystem;

namespace zipcomp::detail {

std::uint64_t MediumRoom(const fs::path& archive, std::optional<std::uint64_t> capacity) {
    if (capacity) return *capacity;
    const fs::path folder = archive.parent_path();
    struct statvfs vfs {};
    if (::statvfs(folder.c_str(), &vfs) != 0) Fail(NumberForErrno(errno, archive));
    const std::uint64_t block = vfs.f_frsize ? vfs.f_frsize : vfs.f_bsize;
    std::uint64_t room = static_cast<std::uint64_t>(vfs.f_bavail) * block;
    struct stat st {};
    if (::stat(archive.c_str(), &st) == 0 && S_ISREG(st.st_mode)) room += static_cast<std::uint64_t>(st.st_size);
    const std::uint64_t margin = 2 * block;
    return room > margin ? room - margin : 0;
}

} // namespace zipcomp::detail
