#include "dbengine/verify.h"

#include <sqlite3.h>

#include "dbengine/storage/connection.h"
#include "dbengine/errors.h"

namespace dao {

namespace {

// The first column of every row of a query.
std::vector<std::string> Column(sqlite3* db, const char* sql) {
    Statement statement(db, sql);
    std::vector<std::string> out;
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(statement.get(), 0);
        out.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    }
    if (rc != SQLITE_DONE) RaiseSqlite(db, rc);
    return out;
}

} // namespace

std::vector<std::string> VerifiedTables(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) Raise(kNotADatabase, path.string());
    auto connection = Connection::Open(path, true);
    const std::vector<std::string> verdict = Column(connection->db(), "PRAGMA integrity_check");
    if (verdict.size() != 1 || verdict.front() != "ok") Raise(kNotADatabase, path.string());
    return Column(connection->db(),
                  "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
}

} // namespace dao
