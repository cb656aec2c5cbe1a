#include "compaction/copy_mode.h"

#include "winfs/file_errors.h"
#include "winfs/new_files.h"
#include "winfs/paths.h"

namespace utilita::compaction {

void GiveModeOf(const std::string& database, const std::string& copy) {
    const std::filesystem::path target = winfs::Resolve(copy);
    if (const int err = winfs::TakeModeAndOwner(winfs::Resolve(database), target))
        winfs::detail::Raise(winfs::detail::NumberForFileErrno(err, target));
}

} // namespace utilita::compaction
