// A table's rowid list kept from one binding to the next: reading it walks the
// whole table, and a converter binds its source table twice in a row.
#include <sqlite3.h>

#include "dbengine/storage/connection.h"

namespace dao {

Connection::WriteStamp Connection::Stamp(const std::string& context) {
    if (!dataVersion_) dataVersion_ = Statement(db_, "PRAGMA data_version");
    const int rc = sqlite3_step(dataVersion_.get());
    const std::int64_t version = rc == SQLITE_ROW ? sqlite3_column_int64(dataVersion_.get(), 0) : -1;
    sqlite3_reset(dataVersion_.get());
    if (rc != SQLITE_ROW) RaiseSqlite(db_, rc, context);
    return {sqlite3_total_changes64(db_), version};
}

bool Connection::ReuseRowids(const TableInfo& table, const WriteStamp& stamp, std::vector<std::int64_t>& out) const {
    if (keptRowids_.table.get() != &table || !(keptRowids_.stamp == stamp)) return false;
    out = keptRowids_.rowids;
    return true;
}

void Connection::KeepRowids(std::shared_ptr<const TableInfo> table, const WriteStamp& stamp,
                            const std::vector<std::int64_t>& rowids) {
    keptRowids_.table = std::move(table);
    keptRowids_.stamp = stamp;
    keptRowids_.rowids = rowids;
}

} // namespace dao
