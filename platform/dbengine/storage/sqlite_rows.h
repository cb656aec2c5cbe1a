#pragma once
// Internal: the rows of a table of the engine's own files, as a recordset
// walks and writes them (recordset_backend.h).
#include <memory>
#include <string>

namespace dao {

class Connection;
class RecordsetBackend;

// The table's rows, read through the shared connection; 3078 when the table
// is missing. Bound read-only, AddNew, Edit and Update are refused.
std::unique_ptr<RecordsetBackend> OpenSqliteTable(std::shared_ptr<Connection> connection, const std::string& table,
                                                  bool readOnly);

} // namespace dao
