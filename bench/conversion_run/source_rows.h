#pragma once
// Fills a version-6 database for the benchmark: every table a converter copies
// gets its demo rows again and again (a table with none first gets one made-up
// row) until the wanted number of rows is reached, each table in proportion
// to its demo rows. Key fields are renumbered or get fresh codes in each copy
// (see key_plan.h), so that both versions take every row.
#include <string>

namespace bench {

struct SourceFill {
    long rows = 0;       // rows in the tables the converters copy
    int tables = 0;      // those tables
    long copies = 0;     // times a table holds its demo rows (the demo itself included)
    int madeUp = 0;      // tables that had no demo rows
};

// sourceFile: a version-6 database with demo rows; targetTemplate: a version-7
// database (read for its keys and field sizes only). Throws when the rows
// cannot be made.
SourceFill MultiplyDemoRows(const std::string& sourceFile, const std::string& targetTemplate, long rowsWanted);

} // namespace bench
