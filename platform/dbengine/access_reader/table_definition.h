#pragma once
// A table's definition is checked whole before libmdb reads it: libmdb follows
// a definition onto a page past the end of the file, or of another kind,
// without a word, and names the fields from whatever bytes it finds there.
#include <cstdint>
#include <unordered_set>

#include "dbengine/access_reader/libmdb.h"

namespace access_reader {

// Throws ScanError unless every page of the definition that starts on `page`
// lies in the file, is a table-definition page and none of the pages where the
// other tables' definitions start, and the definition's columns, names and
// indexes fit in the length it declares and that in its pages. Uses libmdb's
// second page buffer.
void CheckDefinition(MdbHandle& mdb, std::uint32_t page, std::uint64_t fileSize,
                     const std::unordered_set<unsigned long>& definitions = {});

} // namespace access_reader
