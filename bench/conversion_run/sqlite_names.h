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
// Folded names of the columns in a unique index or primary key of the table.
std::set<std::string> UniqueColumns(sqlite3* db, const std::string& table);

// Stored names of the columns declared COUNTER.
std::vector<std::string> CounterColumns(sqlite3* db, const std::string& table);

std::string Quote(const std::string& name);   // "name" for SQL
void Exec(sqlite3* db, const std::string& sql);

} // namespace bench
