#pragma once
// Internal: the values of an Access row as the engine's variants.
#include "dbengine/libmdb.h"

#include <string>

#include "dbengine/variant.h"

namespace dao {

// The variant type a column's values have: Currency and Date/Time keep their
// own types; binary, OLE, Replication ID and Decimal values are texts (the
// raw bytes, "{GUID}", the exact decimal digits).
VarType AccessVarType(int columnType);

// The value of one field of the row cracked from the handle's current page.
Variant AccessValue(MdbHandle* mdb, const MdbColumn& column, const MdbField& field);

// Text as stored (Jet 4: UCS-2, possibly compressed; Jet 3: Windows-1252) to UTF-8.
std::string AccessText(const MdbHandle* mdb, const unsigned char* bytes, std::size_t size);

} // namespace dao
