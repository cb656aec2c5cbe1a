#pragma once
// Fills a version-6 database for the benchmark: the demo rows of every table a
// converter reads, copied until the wanted number of rows is reached. Fields
// that the version-7 table keys on get fresh values in each copy, so that the
// run saves every row.
#include <string>

namespace bench {

struct SourceFill {
    long rows = 0;        // rows in the converted source tables
    int tables = 0;       // tables that had demo rows to copy
    long refused = 0;     // copies the source itself refused
};

// sourceFile: a version-6 database with demo rows; targetTemplate: a version-7
// database (read only for its keys).
SourceFill MultiplyDemoRows(const std::string& sourceFile, const std::string& targetTemplate, long rowsWanted);

} // namespace bench
