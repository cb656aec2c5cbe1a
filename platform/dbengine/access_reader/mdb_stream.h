#pragma once
// An Access file read through libmdb and written out as the engine's stream
// (dbengine/access_wire.h).
#include <string>

#include "stream_out.h"

namespace access_reader {

// The names of the file's tables.
void WriteCatalog(const std::string& path, StreamOut& out);

// A table (found without regard to case): its fields, then every row that is not deleted, in storage order.
void WriteTable(const std::string& path, const std::string& name, StreamOut& out);

} // namespace access_reader
