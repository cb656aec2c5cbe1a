#include "backup/restore_check.h"

#include <set>
#include <vector>

#include "backup/version7_schema.h"
#include "dbengine/data_control.h"
#include "dbengine/verify.h"
#include "winfs/error_descriptions.h"
#include "winfs/error_numbers.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace utilita::backup {

namespace {

// The release a version-7 database records, as the conversion reads the
// release of its version-6 source: "numero", a blank, "data".
constexpr std::string_view kVersion7Release = "VERSIONE 7.";

[[noreturn]] void RaiseNoVersion7Database() {
    throw vb::RuntimeError(vb::kNoVersion7Database, vb::Describe(vb::kNoVersion7Database));
}

std::string TextOf(const dao::Variant& value) { return value.IsNull() ? std::string() : value.ToString(); }

bool HasVersion7Schema(const std::string& hostPath) {
    std::set<std::string> present;
    for (const std::string& line : dao::VerifiedSchema(hostPath)) present.insert(winfs::FoldCase(line));
    for (std::string_view line : kVersion7Schema)
        if (!present.count(winfs::FoldCase(std::string(line)))) return false;
    return true;
}

bool RecordsVersion7Release(dao::DBEngine& engine, const std::string& hostPath) {
    dao::DataControl versione(engine);
    versione.SetReadOnly(true);
    versione.SetDatabaseName(hostPath);
    versione.SetRecordSource("versione");
    versione.Refresh();
    dao::Recordset& rows = versione.GetRecordset();
    if (rows.RecordCount() == 0) return false;
    const std::string release = TextOf(rows.Fields("numero").Value()) + " " + TextOf(rows.Fields("data").Value());
    return winfs::FoldCase(release).rfind(winfs::FoldCase(std::string(kVersion7Release)), 0) == 0;
}

} // namespace

void CheckVersion7Database(dao::DBEngine& engine, const std::string& hostPath) {
    bool accepted = false;
    try {
        accepted = HasVersion7Schema(hostPath) && RecordsVersion7Release(engine, hostPath);
    } catch (const vb::RuntimeError&) {
        accepted = false;
    }
    if (!accepted) RaiseNoVersion7Database();
}

} // namespace utilita::backup
