#pragma once
// Takes write access away from a folder or a file until the lock ends.
//
// An ordinary user loses it through the permission bits. Root ignores those,
// so for root, and for a file whose rename must fail, the immutable attribute
// does it (ext4, xfs, btrfs, tmpfs); that needs the privilege to set it.
// Held() tells whether the lock could be made, Reason() why not.
#include <filesystem>
#include <string>

namespace compaction_testing {

class WriteLock {
public:
    enum class Kind {
        ReadOnly,   // no entry may be made, removed or renamed in a folder
        Immutable,  // the file or folder may not be changed, renamed or removed at all
    };

    WriteLock(std::filesystem::path path, Kind kind);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    bool Held() const { return held_; }
    const std::string& Reason() const { return reason_; }

private:
    std::filesystem::path path_;
    bool immutable_ = false;
    bool held_ = false;
    std::string reason_;
};

} // namespace compaction_testing
