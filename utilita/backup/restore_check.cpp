#include "backup/restore_check.h"

#include <set>
#include <vector>

#include "backup/version7_tables.h"
#include "dbengine/verify.h"
#include "winfs/error_descriptions.h"
#include "winfs/error_numbers.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace utilita::backup {

namespace {

[[noreturn]] void RaiseNoVersion7Database() {
    throw vb::RuntimeError(vb::kNoVersion7Database, vb::Describe(vb::kNoVersion7Database));
}

} // namespace

void CheckVersion7Database(const std::string& hostPath) {
    std::vector<std::string> tables;
    try {
        tables = dao::VerifiedTables(hostPath);
    } catch (const vb::RuntimeError&) {
        RaiseNoVersion7Database();
    }
    std::set<std::string> present;
    for (const std::string& table : tables) present.insert(winfs::FoldCase(table));
    for (std::string_view table : kVersion7Tables)
        if (!present.count(winfs::FoldCase(std::string(table))))
            RaiseNoVersion7Database();
}

} // namespace utilita::backup
