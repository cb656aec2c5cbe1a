#include "sqlite_names.h"

#include <sqlite3.h>
#include <stdexcept>

#include "winfs/paths.h"

namespace bench {
namespace {

std::vector<std::vector<std::string>> Query(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
    std::vector<std::vector<std::string>> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const unsigned char* text = sqlite3_column_text(stmt, i);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    return rows;
}

} // namespace

std::string Quote(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void Exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(sql.substr(0, 200) + ": " + message);
    }
}

std::string StoredTable(sqlite3* db, const std::string& schemaName, const std::string& table) {
    for (const auto& row : Query(db, "SELECT name FROM " + schemaName + ".sqlite_master WHERE type = 'table'"))
        if (winfs::FoldCase(row[0]) == winfs::FoldCase(table)) return row[0];
    return {};
}

std::string StoredColumn(sqlite3* db, const std::string& schemaName, const std::string& table,
                         const std::string& column) {
    for (const auto& row : Query(db, "PRAGMA " + schemaName + ".table_info(" + Quote(table) + ")"))
        if (winfs::FoldCase(row[1]) == winfs::FoldCase(column)) return row[1];
    return {};
}

std::set<std::string> UniqueColumns(sqlite3* db, const std::string& table) {
    std::set<std::string> columns;
    for (const auto& row : Query(db, "PRAGMA table_info(" + Quote(table) + ")"))
        if (row[5] != "0") columns.insert(winfs::FoldCase(row[1]));
    for (const auto& index : Query(db, "PRAGMA index_list(" + Quote(table) + ")")) {
        if (index[2] != "1") continue;
        for (const auto& column : Query(db, "PRAGMA index_info(" + Quote(index[1]) + ")"))
            columns.insert(winfs::FoldCase(column[2]));
    }
    return columns;
}

std::vector<std::string> CounterColumns(sqlite3* db, const std::string& table) {
    std::vector<std::string> counters;
    for (const auto& row : Query(db, "PRAGMA main.table_info(" + Quote(table) + ")"))
        if (row[2] == "COUNTER") counters.push_back(row[1]);
    return counters;
}

} // namespace bench
