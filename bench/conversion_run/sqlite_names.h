#pragma once
// Reading a database file's stored table and column names directly through
// SQLite, matched without regard to letter case as the engine matches them.
#include <set>
#include <string>
#include <vector>

struct sqlite3;

namespace bench {

// The stored name of a table of the given schema ("main", "src"); "" when missing.
std::string StoredTable(sqlite3* db, const std::string& schemaName, const std::string& table);
// The stored name of a column; "" when missing.
std::string StoredColumn(sqlite3* db, const std::string& schemaName, const std::string& table,
                         const std::string& column);

struct ColumnType {
    std::string name;       // as stored
    std::string declared;   // the engine's declared type: "TEXT(5)", "LONG", "COUNTER", ...
};
std::vector<ColumnType> Columns(sqlite3* db, const std::string& schemaName, const std::string& table);

// Every primary key and unique index of the table, each as its folded column names.
std::vector<std::set<std::string>> UniqueKeys(sqlite3* db, const std::string& schemaName, const std::string& table);

// Stored names of the columns declared COUNTER.
std::vector<std::string> CounterColumns(sqlite3* db, const std::string& table);

long CountRows(sqlite3* db, const std::string& schemaName, const std::string& table);  // -1 on failure

std::string Quote(const std::string& name);          // "name" for SQL
std::string TextLiteral(const std::string& text);    // 'text' for SQL
void Exec(sqlite3* db, const std::string& sql);
sqlite3* OpenFile(const std::string& file, bool readOnly);  // throws when it cannot

} // namespace bench
