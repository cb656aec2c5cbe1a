#include "compaction/folder_claim.h"

#include <filesystem>
#include <mutex>
#include <set>

#include "winfs/paths.h"

namespace utilita::compaction {

namespace {

struct Claimed {
    std::mutex mutex;
    std::set<std::string> folders;
};

Claimed& Folders() {
    static Claimed claimed;
    return claimed;
}

// One key per host folder, however the folder is spelled.
std::string KeyOf(const std::string& archiveFolder) {
    const std::filesystem::path host = winfs::Resolve(archiveFolder.empty() ? "\\" : archiveFolder);
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(host, ec);
    return (ec ? host : canonical).lexically_normal().string();
}

} // namespace

FolderClaim::FolderClaim(const std::string& archiveFolder) : key_(KeyOf(archiveFolder)) {
    Claimed& claimed = Folders();
    std::lock_guard lock(claimed.mutex);
    held_ = claimed.folders.insert(key_).second;
}

FolderClaim::~FolderClaim() {
    if (!held_) return;
    Claimed& claimed = Folders();
    std::lock_guard lock(claimed.mutex);
    claimed.folders.erase(key_);
}

} // namespace utilita::compaction
