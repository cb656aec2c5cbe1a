#pragma once
// One compaction at a time over a folder: a run claims the folder for its
// lifetime, and a second run over the same folder (a second click during a
// yield, another window) finds it taken.
#include <string>

namespace utilita::compaction {

class FolderClaim {
public:
    explicit FolderClaim(const std::string& archiveFolder);
    ~FolderClaim();
    FolderClaim(const FolderClaim&) = delete;
    FolderClaim& operator=(const FolderClaim&) = delete;

    // False when another run holds the folder; this claim then holds nothing.
    bool Held() const { return held_; }

private:
    std::string key_;
    bool held_ = false;
};

} // namespace utilita::compaction
