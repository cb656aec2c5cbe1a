// Access-style field types over SQLite storage: declared types, conversion
// of values set on a field, and binding and reading stored values.
#include "dbengine/storage/field_values.h"

#include <sqlite3.h>

#include <cmath>
#include <cstring>

#include "dbengine/storage/sqlite_statement.h"
#include "dbengine/values/errors.h"
#include "winfs/paths.h"

namespace dao {

namespace {

std::string Upper(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == ' ' || c == '\t') continue;
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return out;
}

std::size_t Utf8Length(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace

FieldKind KindOfDeclaredType(std::string_view declared, int& size) {
    std::string t = Upper(declared);
    size = 0;
    std::string base = t;
    auto paren = t.find('(');
    if (paren != std::string::npos) {
        base = t.substr(0, paren);
        size = std::atoi(t.c_str() + paren + 1);
    }
    if (base == "TEXT" || base == "VARCHAR" || base == "CHAR" || base == "NVARCHAR" || base == "NCHAR" ||
        base == "CHARACTER" || base == "STRING") {
        if (size <= 0) size = 255;
        return FieldKind::Text;
    }
    size = 0;
    if (base == "LONGTEXT" || base == "MEMO" || base == "NOTE" || base == "CLOB") return FieldKind::Memo;
    if (base == "BYTE" || base == "TINYINT") return FieldKind::Byte;
    if (base == "SHORT" || base == "SMALLINT" || base == "INTEGER2") return FieldKind::Integer;
    if (base == "LONG" || base == "INTEGER" || base == "INT" || base == "INTEGER4" || base == "BIGINT")
        return FieldKind::Long;
    if (base == "SINGLE" || base == "REAL" || base == "FLOAT4") return FieldKind::Single;
    if (base == "DOUBLE" || base == "FLOAT" || base == "FLOAT8" || base == "NUMBER" || base == "NUMERIC" ||
        base == "DECIMAL" || base == "DOUBLEPRECISION")
        return FieldKind::Double;
    if (base == "CURRENCY" || base == "MONEY") return FieldKind::Currency;
    if (base == "DATETIME" || base == "DATE" || base == "TIME" || base == "TIMESTAMP") return FieldKind::DateTime;
    if (base == "YESNO" || base == "BIT" || base == "BOOLEAN" || base == "LOGICAL" || base == "LOGICAL1")
        return FieldKind::YesNo;
    if (base == "COUNTER" || base == "AUTOINCREMENT" || base == "AUTONUMBER") return FieldKind::Counter;
    return FieldKind::Other;
}

std::string DeclaredTypeOf(FieldKind kind, int size) {
    switch (kind) {
    case FieldKind::Text: return "TEXT(" + std::to_string(size) + ")";
    case FieldKind::Memo: return "LONGTEXT";
    case FieldKind::Byte: return "BYTE";
    case FieldKind::Integer: return "SHORT";
    case FieldKind::Long: return "LONG";
    case FieldKind::Single: return "SINGLE";
    case FieldKind::Double: return "DOUBLE";
    case FieldKind::Currency: return "CURRENCY";
    case FieldKind::DateTime: return "DATETIME";
    case FieldKind::YesNo: return "YESNO";
    case FieldKind::Counter: return "COUNTER";
    case FieldKind::Other: return "";
    }
    return "";
}

int TableInfo::Find(std::string_view name) const {
    auto it = byFolded.find(winfs::FoldCase(std::string(name)));
    return it == byFolded.end() ? -1 : it->second;
}

namespace {

// No more bytes than the size: no more characters either.
void CheckLength(const ColumnInfo& column, const Variant& text) {
    if (column.kind != FieldKind::Text) return;
    const std::string& s = text.RawString();
    const auto size = static_cast<std::size_t>(column.size);
    if (s.size() > size && Utf8Length(s) > size) [[unlikely]] Raise(kTextTooLong, column.name);
}

void ConvertedForColumnInto(const ColumnInfo& column, VarType target, const Variant& value,
                            Variant& out) {
    Variant converted;
    try {
        converted = value.ConvertTo(target);
    } catch (const vb::RuntimeError&) {
        Raise(kTypeRefused, column.name);
    }
    CheckLength(column, converted);
    out = std::move(converted);
}

} // namespace

void ConvertAnyForColumnInto(const ColumnInfo& column, const Variant& value, Variant& out) {
    const VarType target = VarTypeOf(column.kind);
    if (value.Type() == target && target != VarType::Empty) {
        CheckLength(column, value);
        out = value;   // copied into the buffer already there
    } else if (value.IsNull() || value.IsEmpty()) {
        out.SetNull();
    } else if (target == VarType::Empty) {
        out = value;
    } else {
        ConvertedForColumnInto(column, target, value, out);
    }
}

Variant ConvertForColumn(const ColumnInfo& column, const Variant& value) {
    Variant out;
    ConvertForColumnInto(column, value, out);
    return out;
}

void BindValue(sqlite3_stmt* stmt, int index, const Variant& v) {
    int rc = SQLITE_OK;
    switch (v.Type()) {
    case VarType::Empty: case VarType::Null: rc = sqlite3_bind_null(stmt, index); break;
    case VarType::Boolean: rc = sqlite3_bind_int(stmt, index, v.RawBool() ? -1 : 0); break;
    case VarType::Byte: case VarType::Integer: case VarType::Long:
        rc = sqlite3_bind_int64(stmt, index, v.RawInt());
        break;
    case VarType::Currency: rc = sqlite3_bind_double(stmt, index, static_cast<double>(v.RawInt()) / 10000.0); break;
    case VarType::Single: case VarType::Double: case VarType::Date:
        rc = sqlite3_bind_double(stmt, index, v.RawDouble());
        break;
    case VarType::String: {
        const std::string& s = v.RawString();
        rc = sqlite3_bind_text(stmt, index, s.data(), static_cast<int>(s.size()), SQLITE_STATIC);
        break;
    }
    }
    if (rc != SQLITE_OK) RaiseSqlite(sqlite3_db_handle(stmt), rc);
}

static_assert(StoredValue::Integer == SQLITE_INTEGER && StoredValue::Real == SQLITE_FLOAT &&
              StoredValue::Text == SQLITE_TEXT && StoredValue::Blob == SQLITE_BLOB && StoredValue::Null == SQLITE_NULL);

namespace {

void TakeBytes(const void* data, int count, StoredValue& out, std::string& bytes) {
    out.bytesAt = bytes.size();
    out.byteCount = data ? static_cast<std::uint32_t>(count) : 0;   // SQLite's lengths are ints
    if (out.byteCount) bytes.append(static_cast<const char*>(data), out.byteCount);
}

void TakeStoredValue(sqlite3_value* stored, FieldKind kind, StoredValue& out, std::string& bytes) {
    out.storage = sqlite3_value_type(stored);
    if (out.storage == SQLITE_NULL) return;
    switch (kind) {
    case FieldKind::Text: case FieldKind::Memo: {
        const unsigned char* text = sqlite3_value_text(stored);
        TakeBytes(text, sqlite3_value_bytes(stored), out, bytes);
        return;
    }
    case FieldKind::Byte: case FieldKind::Integer: case FieldKind::Long: case FieldKind::Counter:
        out.integer = sqlite3_value_int64(stored);
        return;
    case FieldKind::Single: case FieldKind::Double: case FieldKind::DateTime:
        out.real = sqlite3_value_double(stored);
        return;
    case FieldKind::Currency:
        if (out.storage == SQLITE_INTEGER) out.integer = sqlite3_value_int64(stored);
        else out.real = sqlite3_value_double(stored);
        return;
    case FieldKind::YesNo: case FieldKind::Other:
        if (out.storage == SQLITE_INTEGER) out.integer = sqlite3_value_int64(stored);
        else if (out.storage == SQLITE_FLOAT) out.real = sqlite3_value_double(stored);
        else {
            const void* blob = sqlite3_value_blob(stored);
            TakeBytes(blob, sqlite3_value_bytes(stored), out, bytes);
        }
        return;
    }
}

void TakeRow(sqlite3_context* context, int argc, sqlite3_value** argv) {
    auto* take = static_cast<RowTake*>(sqlite3_value_pointer(argv[0], kRowTakeType));
    const sqlite3_int64 first = sqlite3_value_int64(argv[1]);
    const int values = argc - 2;
    if (!take || first < 0 || static_cast<std::size_t>(first) + static_cast<std::size_t>(values) > take->count) {
        sqlite3_result_error(context, "dao_take_row: no row to take into", -1);
        return;
    }
    try {   // nothing may be thrown through SQLite's own frames
        for (int i = 0; i < values; ++i) {
            const auto field = static_cast<std::size_t>(first) + static_cast<std::size_t>(i);
            TakeStoredValue(argv[i + 2], take->kinds[field], take->row[field], *take->bytes);
        }
    } catch (...) {
        sqlite3_result_error_nomem(context);
        return;
    }
    sqlite3_result_null(context);
}

} // namespace

void RegisterTakeRow(sqlite3* db) {
    const int rc = sqlite3_create_function_v2(db, kTakeRowFunction, -1, SQLITE_UTF8 | SQLITE_DIRECTONLY, nullptr,
                                              &TakeRow, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) RaiseSqlite(db, rc, kTakeRowFunction);
}

// Money as whole ten-thousandths; past the Currency range it is an overflow,
// never a wrapped sign.
std::int64_t StoredCurrency(const StoredValue& stored) {
    if (stored.storage != SQLITE_INTEGER) return Variant::Currency(stored.real).RawInt();
    std::int64_t scaled = 0;
    if (__builtin_mul_overflow(stored.integer, std::int64_t{10000}, &scaled)) Raise(vb::kOverflow);
    return scaled;
}

// A Yes/No as another program may have stored it: a text ("Vero", "False",
// "-1") or a fraction converts as Basic converts it; a text that is no flag
// is a type mismatch, never False.
bool StoredFlag(const StoredValue& stored, std::string_view bytes) {
    if (stored.storage == SQLITE_INTEGER) return stored.integer != 0;
    if (stored.storage == SQLITE_FLOAT) return stored.real != 0;
    return Variant(std::string(stored.BytesIn(bytes))).ToBool();
}

void ByStorageClassInto(const StoredValue& stored, std::string_view bytes, Variant& out) {
    switch (stored.storage) {
    case SQLITE_INTEGER:
        if (stored.integer >= INT32_MIN && stored.integer <= INT32_MAX) out.SetRawInt(VarType::Long, stored.integer);
        else out.SetRawDouble(VarType::Double, static_cast<double>(stored.integer));
        return;
    case SQLITE_FLOAT: out.SetRawDouble(VarType::Double, stored.real); return;
    default: out.AssignString(stored.BytesIn(bytes));
    }
}

std::string QuoteName(std::string_view name) {
    std::string out;
    out.reserve(name.size() + 2);
    out += '"';
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace dao
