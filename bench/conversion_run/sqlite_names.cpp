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

std::string TextLiteral(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

void Exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(sql.substr(0, 200) + ": " + message);
    }
}

sqlite3* OpenFile(const std::string& file, bool readOnly) {
    sqlite3* db = nullptr;
    const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (sqlite3_open_v2(file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + file);
    }
    return db;
}

std::string StoredTable(sqlite3* db, const std::string& schemaName, const std::string& table) {
    for (const auto& row : Query(db, "SELECT name FROM " + schemaName + ".sqlite_master WHERE type = 'table'"))
        if (winfs::FoldCase(row[0]) == winfs::FoldCase(table)) return row[0];
    return {};
}

std::string StoredColumn(sqlite3* db, const std::string& schemaName, const std::string& table,
                         const std::string& column) {
    for (const ColumnType& stored : Columns(db, schemaName, table))
        if (winfs::FoldCase(stored.name) == winfs::FoldCase(column)) return stored.name;
    return {};
}

std::vector<ColumnType> Columns(sqlite3* db, const std::string& schemaName, const std::string& table) {
    std::vector<ColumnType> columns;
    for (const auto& row : Query(db, "PRAGMA " + schemaName + ".table_info(" + Quote(table) + ")"))
        columns.push_back({row[1], row[2]});
    return columns;
}

std::vector<std::set<std::string>> UniqueKeys(sqlite3* db, const std::string& schemaName, const std::string& table) {
    std::vector<std::set<std::string>> keys;
    std::set<std::string> primary;
    for (const auto& row : Query(db, "PRAGMA " + schemaName + ".table_info(" + Quote(table) + ")"))
        if (row[5] != "0") primary.insert(winfs::FoldCase(row[1]));
    if (!primary.empty()) keys.push_back(primary);
    for (const auto& index : Query(db, "PRAGMA " + schemaName + ".index_list(" + Quote(table) + ")")) {
        if (index[2] != "1") continue;
        std::set<std::string> key;
        for (const auto& column : Query(db, "PRAGMA " + schemaName + ".index_info(" + Quote(index[1]) + ")"))
            key.insert(winfs::FoldCase(column[2]));
        keys.push_back(key);
    }
    return keys;
}

std::vector<std::string> CounterColumns(sqlite3* db, const std::string& table) {
    std::vector<std::string> counters;
    for (const ColumnType& column : Columns(db, "main", table))
        if (column.declared == "COUNTER") counters.push_back(column.name);
    return counters;
}

long CountRows(sqlite3* db, const std::string& schemaName, const std::string& table) {
    sqlite3_stmt* stmt = nullptr;
    const std::string sql = "SELECT count(*) FROM " + schemaName + "." + Quote(table);
    long count = -1;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        count = static_cast<long>(sqlite3_column_int64(stmt, 0));
    sqlite3_finalize(stmt);
    return count;
}

} // namespace bench
