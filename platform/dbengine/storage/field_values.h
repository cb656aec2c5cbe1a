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

struct sqlite3;
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
constexpr VarType VarTypeOf(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text: case FieldKind::Memo: return VarType::String;
    case FieldKind::Byte: return VarType::Byte;
    case FieldKind::Integer: return VarType::Integer;
    case FieldKind::Long: case FieldKind::Counter: return VarType::Long;
    case FieldKind::Single: return VarType::Single;
    case FieldKind::Double: return VarType::Double;
    case FieldKind::Currency: return VarType::Currency;
    case FieldKind::DateTime: return VarType::Date;
    case FieldKind::YesNo: return VarType::Boolean;
    case FieldKind::Other: return VarType::Empty;
    }
    return VarType::Empty;
}

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
void ConvertAnyForColumnInto(const ColumnInfo& column, const Variant& value, Variant& out);
// A Null, or a value already of the field's type, as copy loops give, is
// copied here at once; any other goes through ConvertAnyForColumnInto.
// False when out already held the value and was left as it was (a statement
// that bound it need not bind it again).
inline bool ConvertForColumnInto(const ColumnInfo& column, const Variant& value, Variant& out) {
    const VarType target = VarTypeOf(column.kind);
    if (value.IsNull()) {
        const bool changed = !out.IsNull();
        out.SetNull();
        return changed;
    }
    if (value.Type() == target && target != VarType::Empty &&
        (column.kind != FieldKind::Text || value.RawString().size() <= static_cast<std::size_t>(column.size))) {
        if (out.SameAs(value)) return false;
        out = value;
        return true;
    }
    ConvertAnyForColumnInto(column, value, out);
    return true;
}

// Binds a converted value to a statement parameter (text bound without copy:
// the value must outlive the step).
void BindValue(sqlite3_stmt* stmt, int index, const Variant& value);
// A stored value as a read took it from a row, before it becomes a value of
// its field's type (StoredValueInto). Taking never fails: a value that does
// not convert is raised when it is read, and a field never read is never
// converted.
struct StoredValue {
    enum Storage : int { Integer = 1, Real = 2, Text = 3, Blob = 4, Null = 5 };   // SQLite's classes
    // One of the three by storage class and field kind; sixteen bytes in all,
    // so that a batch of rows read ahead stays within the processor's nearer caches.
    union {
        std::int64_t integer = 0;
        double real;
        std::size_t bytesAt;         // text or blob: its place in the bytes of the read
    };
    std::uint32_t byteCount = 0;
    int storage = Null;
    std::string_view BytesIn(std::string_view bytes) const { return {bytes.data() + bytesAt, byteCount}; }
};
static_assert(sizeof(StoredValue) == 16);
// Where a read puts the values of its current row: the SQL function
// kTakeRowFunction(?, first, value, value...) called in the read's SELECT takes
// its values straight from the row as stored, into row[first] on, a value for
// each kind (texts and blobs appended to bytes), so that a row costs one call
// rather than one per field. The first argument is this, bound as a pointer of
// type kRowTakeType.
struct RowTake {
    const FieldKind* kinds = nullptr;
    std::size_t count = 0;
    StoredValue* row = nullptr;
    std::string* bytes = nullptr;
};
inline constexpr const char* kTakeRowFunction = "dao_take_row";
inline constexpr const char* kRowTakeType = "dao_row_take";
// Arguments of one call at most, beside the place and the first field.
inline constexpr int kTakeRowFields = 100;
// Registers the function on a connection; raises when SQLite refuses it.
void RegisterTakeRow(sqlite3* db);

// Money as whole ten-thousandths; past the Currency range 6 (overflow), never
// a wrapped sign.
std::int64_t StoredCurrency(const StoredValue& stored);
// A Yes/No stored as a number, or as a text by another program ("Vero"); a
// text that is no flag is 13.
bool StoredFlag(const StoredValue& stored, std::string_view bytes);
// A value stored by another tool in a column of no known type: by its storage class.
void ByStorageClassInto(const StoredValue& stored, std::string_view bytes, Variant& out);

// The value with the field's type, into an existing value (its text buffer
// reused); money past the Currency range is 6.
inline void StoredValueInto(const StoredValue& stored, FieldKind kind, std::string_view bytes, Variant& out) {
    if (stored.storage == StoredValue::Null) {
        out.SetNull();
        return;
    }
    switch (kind) {
    case FieldKind::Text: case FieldKind::Memo: out.AssignString(stored.BytesIn(bytes)); return;
    case FieldKind::Byte: out.SetRawInt(VarType::Byte, static_cast<std::uint8_t>(stored.integer)); return;
    case FieldKind::Integer: out.SetRawInt(VarType::Integer, static_cast<std::int16_t>(stored.integer)); return;
    case FieldKind::Long: case FieldKind::Counter:
        out.SetRawInt(VarType::Long, static_cast<std::int32_t>(stored.integer));
        return;
    case FieldKind::Single: out.SetRawDouble(VarType::Single, static_cast<float>(stored.real)); return;
    case FieldKind::Double: out.SetRawDouble(VarType::Double, stored.real); return;
    case FieldKind::Currency: out.SetRawInt(VarType::Currency, StoredCurrency(stored)); return;
    case FieldKind::DateTime: out.SetRawDouble(VarType::Date, stored.real); return;
    case FieldKind::YesNo:
        out.SetRawInt(VarType::Boolean,
                      (stored.storage == StoredValue::Integer ? stored.integer != 0 : StoredFlag(stored, bytes)) ? 1 : 0);
        return;
    case FieldKind::Other: ByStorageClassInto(stored, bytes, out); return;
    }
}

// Quotes a name for SQL exactly as stored ("a""b").
std::string QuoteName(std::string_view name);

} // namespace dao
