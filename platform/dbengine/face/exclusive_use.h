#pragma once
// Exclusive use of a database file by this program, for the operations that
// replace, delete or copy it (compaction, restore, backup, a conversion run).
//
// Taking it commits this program's pending writes to the file, then takes the
// exclusive claim that other programs of ours see (file_claim.h) and SQLite's
// own exclusive lock, which foreign programs that use the file through SQLite
// respect. Either one held elsewhere is 3045, raised before anything changes.
// Both are kept until the object goes, so that no other program can open the
// file between the check and the end of the operation.
#include <filesystem>
#include <memory>
#include <string>

struct sqlite3;

namespace dao {

class DBEngine;
class FileClaim;
class HeldUses;

class ExclusiveUse {
public:
    enum class Storage {
        Hold,       // keep SQLite's lock to the end: nothing of this program writes the file meanwhile
        CheckOnly,  // see that no foreign writer is there, then let go (this program writes the file)
    };

    // Taken by the engine, whose claims the other holders see; the engine
    // outlives the use. A missing file gets the claim alone.
    ExclusiveUse(DBEngine& engine, const std::string& fileName, Storage storage = Storage::Hold);
    ~ExclusiveUse();
    ExclusiveUse(const ExclusiveUse&) = delete;
    ExclusiveUse& operator=(const ExclusiveUse&) = delete;

    const std::filesystem::path& Path() const noexcept { return path_; }

    // Copies the file, byte for byte as it is under the lock, to a new file.
    void CopyTo(const std::filesystem::path& target) const;
    // Writes a compacted copy of the file to a new file.
    void CompactInto(const std::filesystem::path& target) const;

private:
    std::filesystem::path path_;
    std::string key_;
    HeldUses* heldBy_ = nullptr;   // the engine's uses, while this one keeps SQLite's lock
    std::shared_ptr<FileClaim> claim_;   // a ClaimRef
    sqlite3* lock_ = nullptr;
};

} // namespace dao
