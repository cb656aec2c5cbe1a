#include "dbengine/access_values.h"

#include <cstring>

#include "winfs/ansi_text.h"

namespace dao {

namespace {

// A long value (Memo, OLE) keeps 12 bytes in the row: its length with flags,
// and where its data lies when not in the row itself.
constexpr int kLongValueHeader = 12;
constexpr std::uint32_t kInRow = 0x80000000u;
constexpr std::uint32_t kOnePage = 0x40000000u;

std::uint32_t U32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }
unsigned U16(const unsigned char* p) { return p[0] | (p[1] << 8); }

// The bytes of a long value, following its pages ("rows" of other pages, each
// beginning with the place of the next one).
std::string LongValue(MdbHandle* mdb, int start, int size) {
    if (size < kLongValueHeader) return {};
    const unsigned char* head = mdb->pg_buf + start;
    const std::uint32_t length = U32(head);
    if (length & kInRow) return std::string(reinterpret_cast<const char*>(head + kLongValueHeader), size - kLongValueHeader);
    int pageRow = static_cast<int>(U32(head + 4));
    void* page = nullptr;
    int offset = 0;
    std::size_t rowSize = 0;
    if (length & kOnePage) {
        if (mdb_find_pg_row(mdb, pageRow, &page, &offset, &rowSize)) return {};
        return std::string(static_cast<const char*>(page) + offset, rowSize);
    }
    if (length & 0xff000000u) return {};
    std::string out;
    while (pageRow && out.size() < length) {
        if (mdb_find_pg_row(mdb, pageRow, &page, &offset, &rowSize) || rowSize < 4) break;
        const auto* row = static_cast<const unsigned char*>(page) + offset;
        out.append(reinterpret_cast<const char*>(row + 4), rowSize - 4);
        pageRow = static_cast<int>(U32(row));
    }
    if (out.size() > length) out.resize(length);
    return out;
}

std::string Guid(const unsigned char* g) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    // The first three groups are stored little-endian, the rest as written.
    static constexpr int kOrder[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    std::string out = "{";
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) out += '-';
        out += kHex[g[kOrder[i]] >> 4];
        out += kHex[g[kOrder[i]] & 15];
    }
    return out + "}";
}

Variant Decimal(MdbHandle* mdb, const MdbColumn& column, int start) {
    char* text = mdb_numeric_to_string(mdb, start, column.col_scale, column.col_prec);
    Variant value(std::string(text ? text : ""));
    g_free(text);
    return value;
}

template <typename T>
T Raw(const unsigned char* p) {
    T value;
    std::memcpy(&value, p, sizeof value);   // the files are little-endian, as this host
    return value;
}

} // namespace

VarType AccessVarType(int columnType) {
    switch (columnType) {
    case MDB_BOOL: return VarType::Boolean;
    case MDB_BYTE: return VarType::Byte;
    case MDB_INT: return VarType::Integer;
    case MDB_LONGINT: case MDB_COMPLEX: return VarType::Long;
    case MDB_MONEY: return VarType::Currency;
    case MDB_FLOAT: return VarType::Single;
    case MDB_DOUBLE: return VarType::Double;
    case MDB_DATETIME: return VarType::Date;
    default: return VarType::String;
    }
}

std::string AccessText(const MdbHandle* mdb, const unsigned char* bytes, std::size_t size) {
    std::string out;
    if (mdb->f->jet_version == MDB_VER_JET3) {
        winfs::AppendWindows1252(std::string_view(reinterpret_cast<const char*>(bytes), size), out);
        return out;
    }
    out.reserve(size);
    // Compressed texts start with FF FE; a zero byte then switches between
    // one byte per character (the low half of UCS-2) and two.
    const bool compressed = size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    bool single = compressed;
    for (std::size_t i = compressed ? 2 : 0; i < size;) {
        if (compressed && bytes[i] == 0) {
            single = !single;
            ++i;
            continue;
        }
        char32_t code;
        if (single) {
            code = bytes[i++];
        } else {
            if (i + 1 >= size) break;
            code = U16(bytes + i);
            i += 2;
            if (code >= 0xD800 && code < 0xDC00 && i + 1 < size && U16(bytes + i) >= 0xDC00 &&
                U16(bytes + i) < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (U16(bytes + i) - 0xDC00);
                i += 2;
            }
        }
        winfs::AppendUtf8(code, out);
    }
    return out;
}

Variant AccessValue(MdbHandle* mdb, const MdbColumn& column, const MdbField& field) {
    // Yes/No lives in the null mask: a clear bit is No.
    if (column.col_type == MDB_BOOL) return Variant(!field.is_null);
    if (field.is_null) return Variant::Null();
    const unsigned char* p = mdb->pg_buf + field.start;
    switch (column.col_type) {
    case MDB_BYTE: return Variant::Byte(p[0]);
    case MDB_INT: return Variant::Integer(Raw<std::int16_t>(p));
    case MDB_LONGINT: case MDB_COMPLEX: return Variant::Long(Raw<std::int32_t>(p));
    case MDB_MONEY: return Variant::CurrencyScaled(Raw<std::int64_t>(p));
    case MDB_FLOAT: return Variant::Single(Raw<float>(p));
    case MDB_DOUBLE: return Variant::Double(Raw<double>(p));
    case MDB_DATETIME: return Variant::Date(Raw<double>(p));
    case MDB_TEXT: return Variant(AccessText(mdb, p, static_cast<std::size_t>(field.siz)));
    case MDB_MEMO: {
        const std::string bytes = LongValue(mdb, field.start, field.siz);
        return Variant(AccessText(mdb, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
    }
    case MDB_OLE: return Variant(LongValue(mdb, field.start, field.siz));
    case MDB_REPID: return Variant(Guid(p));
    case MDB_NUMERIC: return Decimal(mdb, column, field.start);
    default: return Variant(std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(field.siz)));
    }
}

} // namespace dao
