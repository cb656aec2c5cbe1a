#pragma once
// Internal: one libmdb handle on an Access file, with its table catalog read.
#include "dbengine/libmdb.h"

#include <filesystem>
#include <string>

namespace dao {

class AccessHandle {
public:
    // Opens the file read-only: 3343 when it is not a readable Access file.
    explicit AccessHandle(const std::filesystem::path& path);
    ~AccessHandle();
    AccessHandle(const AccessHandle&) = delete;
    AccessHandle& operator=(const AccessHandle&) = delete;

    MdbHandle* get() const noexcept { return mdb_; }
    // The table of a name without regard to case, its columns read; null when missing.
    MdbTableDef* ReadTable(const std::string& name) const;

private:
    MdbHandle* mdb_ = nullptr;
    std::string path_;
};

} // namespace dao
