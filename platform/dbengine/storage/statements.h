#pragma once
// Internal to Execute: each statement of the subset parsed and translated to
// SQLite, before anything is written. Connection::Execute runs the result.
#include <memory>
#include <string>
#include <vector>

#include "dbengine/storage/connection.h"
#include "dbengine/storage/statement_parser.h"

namespace dao::statement {

struct TranslatedStatement {
    std::string sql;               // for an INSERT: completed by CompleteInsert
    std::vector<Variant> values;   // bound to the ? parameters in order
    bool changesSchema = false;
    std::shared_ptr<const TableInfo> insertInto;   // INSERT: the table ...
    std::vector<int> insertColumns;                // ... and the columns given
};

// Parses the whole statement and translates it; raises what it refuses
// (3129 for anything outside the subset).
TranslatedStatement Translate(Parser& p, Connection& connection, const std::string& statement);

// An INSERT, once the write has begun: numbers the counters left out (or given
// Null) and writes the SQL.
void CompleteInsert(Connection& connection, TranslatedStatement& insert);

// CREATE TABLE, after its two words (create_table.cpp).
TranslatedStatement TranslateCreateTable(Parser& p, Connection& connection);

} // namespace dao::statement
