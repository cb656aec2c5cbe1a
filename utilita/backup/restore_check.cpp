#include "backup/restore_check.h"

#include <set>
#include <vector>

#include "backup/version7_tables.h"
#include "dbengine/verify.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace utilita::backup {

void CheckVersion7Database(const std::string& hostPath) {
    std::vector<std::string> tables;
    try {
        tables = dao::VerifiedTables(hostPath);
    } catch (const vb::RuntimeError&) {
        throw vb::RuntimeError(kNoVersion7Database, kNoVersion7DatabaseText);
    }
    std::set<std::string> present;
    for (const std::string& table : tables) present.insert(winfs::FoldCase(table));
    for (std::string_view table : kVersion7Tables)
        if (!present.count(winfs::FoldCase(std::string(table))))
            throw vb::RuntimeError(kNoVersion7Database, kNoVersion7DatabaseText);
}

} // namespace utilita::backup
