#pragma once
// Which source fields the generator changes in each copy of a demo row so that
// the version-6 table and the version-7 table both take the copy: whole
// numbers of a key are renumbered (the same way in every table, so that lines
// keep pointing to their headers), and a key made only of texts gets a fresh
// code in one of its texts.
#include <string>
#include <vector>

#include "run/table_converter.h"

struct sqlite3;

namespace bench {

enum class ColumnAction { Keep, Renumber, Fresh };

struct ColumnPlan {
    std::string name;       // as stored in the source
    std::string declared;   // the engine's declared type
    ColumnAction action = ColumnAction::Keep;
    int width = 0;          // Fresh: the longest code both tables take
};

struct TablePlan {
    const conversione::TableConverter* converter = nullptr;
    std::string table;      // stored source name
    std::vector<ColumnPlan> columns;
};

// db: the version-6 file as "main", a version-7 file attached as "v7". One
// plan per converter that copies rows, in run order; throws when a key cannot
// be made unique.
std::vector<TablePlan> PlanTables(sqlite3* db);

// Characters a TEXT(n) type takes (255 without a size); 0 when not a text.
int TextWidth(const std::string& declared);

} // namespace bench
