#pragma once
// Internal: what one engine object holds of the files it uses, where other
// holders look: its claims (file_claim.h) and its exclusive uses that keep
// SQLite's lock. A second engine in the process holds its own.
#include <filesystem>
#include <map>
#include <mutex>
#include <string>

#include "dbengine/claims/file_claim.h"

namespace dao {

class ExclusiveUse;

// The exclusive uses holding SQLite's lock, by file: the engine's own
// compaction of such a file runs under that lock.
class HeldUses {
public:
    // The key a file is held under (its canonical path, as far as it exists).
    static std::string KeyOf(const std::filesystem::path& path);

    void Add(const std::string& key, const ExclusiveUse* use);
    void Remove(const std::string& key, const ExclusiveUse* use);
    // The use held on the file, or null.
    const ExclusiveUse* On(const std::filesystem::path& path) const;

private:
    mutable std::mutex mutex_;
    std::map<std::string, const ExclusiveUse*> byKey_;
};

struct EngineHoldings {
    ClaimRegistry claims;
    HeldUses exclusiveUses;
};

} // namespace dao
