#include "dbengine/verify.h"

#include <sqlite3.h>

#include "dbengine/storage/connection.h"
#include "dbengine/errors.h"

namespace dao {

namespace {

// The text columns of every row of a query, joined by `separator`.
std::vector<std::string> Rows(sqlite3* db, const std::string& sql, const std::string& bound = {},
                              char separator = '\t') {
    Statement statement(db, sql);
    if (!bound.empty()) sqlite3_bind_text(statement.get(), 1, bound.data(), static_cast<int>(bound.size()), SQLITE_STATIC);
    std::vector<std::string> out;
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        std::string row;
        for (int i = 0; i < sqlite3_column_count(statement.get()); ++i) {
            if (i) row += separator;
            const unsigned char* text = sqlite3_column_text(statement.get(), i);
            row += text ? reinterpret_cast<const char*>(text) : "";
        }
        out.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) RaiseSqlite(db, rc);
    return out;
}

std::shared_ptr<Connection> OpenVerified(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) Raise(kNotADatabase, path.string());
    auto connection = Connection::Open(path, true);
    const std::vector<std::string> verdict = Rows(connection->db(), "PRAGMA integrity_check");
    if (verdict.size() != 1 || verdict.front() != "ok") Raise(kNotADatabase, path.string());
    return connection;
}

constexpr const char* kTables =
    "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'";

} // namespace

std::vector<std::string> VerifiedTables(const std::filesystem::path& path) {
    return Rows(OpenVerified(path)->db(), kTables);
}

std::vector<std::string> VerifiedSchema(const std::filesystem::path& path) {
    const auto connection = OpenVerified(path);
    sqlite3* db = connection->db();
    std::vector<std::string> lines;
    for (const std::string& table : Rows(db, kTables)) {
        lines.push_back("table\t" + table);
        for (const std::string& field : Rows(db, "SELECT name, type FROM pragma_table_info(?1)", table))
            lines.push_back("field\t" + table + "\t" + field);
        for (const std::string& index : Rows(db, "SELECT name FROM pragma_index_list(?1) WHERE \"unique\"", table)) {
            const std::vector<std::string> fields =
                Rows(db, "SELECT name FROM pragma_index_info(?1) ORDER BY seqno", index);
            std::string line = "unique\t" + table + "\t";
            for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

} // namespace dao
