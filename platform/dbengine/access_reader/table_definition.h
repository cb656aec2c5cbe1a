#pragma once
// A table's definition is checked whole before libmdb reads it: libmdb follows
// a definition onto a page past the end of the file, or of another kind,
// without a word, and names the fields from whatever bytes it finds there.
#include <cstdint>

#include "dbengine/access_reader/libmdb.h"

namespace access_reader {

// Throws ScanError unless every page of the definition that starts on `page`
// lies in the file and is a table-definition page, and the definition's
// columns, names and indexes fit in those pages. Uses libmdb's second page buffer.
void CheckDefinition(MdbHandle& mdb, std::uint32_t page, std::uint64_t fileSize);

} // namespace access_reader
