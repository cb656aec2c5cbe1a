#pragma once
// Internal: the schema as the engine sees it (Access-style field types kept as
// SQLite declared types, columns, tables), the conversion of a value set on a
// field, and the binding and reading of stored values.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dbengine/values/variant.h"

struct sqlite3_stmt;

namespace dao {

// Access-2000-style field types. Each is kept in the SQLite schema as a
// declared type whose SQLite affinity suits its storage:
//   Text "TEXT(n)", Memo "LONGTEXT", Byte "BYTE", Integer "SHORT", Long "LONG",
//   Single "SINGLE", Double "DOUBLE", Currency "CURRENCY", DateTime "DATETIME",
//   YesNo "YESNO", Counter "COUNTER".
// Storage: texts as UTF-8 TEXT; whole numbers, Yes/No (-1/0) and counters as
// INTEGER; Single, Double, Currency (four decimals) and dates (serial days) as
// REAL. Other declared types (tables made by other tools) are Other and read
// by their storage class.
enum class FieldKind { Text, Memo, Byte, Integer, Long, Single, Double, Currency, DateTime, YesNo, Counter, Other };

// Parses a declared type ("TEXT(50)", "VARCHAR(20)", "CURRENCY", ...); size is
// the text size (255 when a text type gives none).
FieldKind KindOfDeclaredType(std::string_view declared, int& size);
std::string DeclaredTypeOf(FieldKind kind, int size);
VarType VarTypeOf(FieldKind kind);

struct ColumnInfo {
    std::string name;     // as stored
    std::string quoted;   // "name" quoted for SQL
    FieldKind kind = FieldKind::Other;
    int size = 0;         // Text: maximum characters
    bool notNull = false;
    Variant defaultValue = Variant::Null();  // already of the field's type
    std::string counterKey;   // Counter: folded table \x1f column, made once rather than at every row
};

struct TableInfo {
    std::string name;     // as stored
    std::string quoted;
    std::vector<ColumnInfo> columns;
    std::unordered_map<std::string, int> byFolded;  // folded name -> column
    int Find(std::string_view name) const;          // -1 when missing
};

// Converts a value set on a field to the field's type: Null and Empty give
// Null, an impossible conversion 3421, too long a text 3163.
Variant ConvertForColumn(const ColumnInfo& column, const Variant& value);
// The same, into an existing value (keeps its text buffer when it can).
void ConvertForColumnInto(const ColumnInfo& column, const Variant& value, Variant& out);

// Binds a converted value to a statement parameter (text bound without copy:
// the value must outlive the step).
void BindValue(sqlite3_stmt* stmt, int index, const Variant& value);
// A stored value as a read took it from a row, before it becomes a value of
// its field's type (StoredValueInto). Taking never fails: a value that does
// not convert is raised when it is read, and a field never read is never
// converted.
struct StoredValue {
    int storage = 0;                 // SQLITE_NULL, SQLITE_INTEGER, SQLITE_FLOAT, else bytes
    std::int64_t integer = 0;
    double real = 0;
    std::size_t bytesAt = 0;         // text or blob: its place in the bytes of the read
    std::size_t byteCount = 0;
};
// Takes the current result row from its column 1 on, a value for each kind in
// kinds, into row; texts and blobs are appended to bytes.
void TakeStoredRow(sqlite3_stmt* stmt, const std::vector<FieldKind>& kinds, StoredValue* row, std::string& bytes);
// The value with the field's type, into an existing value (its text buffer
// reused); money past the Currency range is 6.
void StoredValueInto(const StoredValue& stored, FieldKind kind, std::string_view bytes, Variant& out);

// Quotes a name for SQL exactly as stored ("a""b").
std::string QuoteName(std::string_view name);

} // namespace dao
