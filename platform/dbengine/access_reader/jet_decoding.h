#pragma once
// Field values of Jet 3 and Jet 4 pages, decoded from the bytes alone.
// Every place and size comes from a file that may be damaged: each is checked
// against its page and row before use, and a value that cannot be read is
// nullopt, never bytes from elsewhere.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "dbengine/values/variant.h"

namespace jet {

using Bytes = std::span<const unsigned char>;

enum class Version { Jet3, Jet4 };

// Numbers as the format stores them: little-endian.
inline unsigned U16(const unsigned char* p) { return p[0] | (p[1] << 8); }
inline std::uint32_t U32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

// The first byte of a data page: a table's rows, or long values.
constexpr unsigned char kDataPage = 0x01;

// Column types as the table definition stores them.
enum ColumnType : int {
    kBool = 0x01, kByte = 0x02, kInteger = 0x03, kLong = 0x04, kMoney = 0x05, kSingle = 0x06, kDouble = 0x07,
    kDateTime = 0x08, kBinary = 0x09, kText = 0x0a, kOle = 0x0b, kMemo = 0x0c, kReplicationId = 0x0f,
    kNumeric = 0x10, kComplex = 0x12
};

struct Column {
    int type = 0;
    int decimals = 0;      // Decimal columns: digits after the point
};

// Where a row lies in its page (offsets from the page start, flags taken off).
struct RowPlace {
    int start = 0;
    int end = 0;
};

// Where the row reader says a field lies, in offsets from the page start.
struct FieldPlace {
    int start = 0;
    int size = 0;
    bool isNull = false;
};

// The pages that long values (Memo, OLE) continue on.
class PageSource {
public:
    virtual ~PageSource() = default;
    // The page of a number; empty when there is none.
    virtual Bytes Page(std::uint32_t number) = 0;
    // No long value is longer (the bytes of the whole file).
    virtual std::size_t LongValueLimit() const = 0;
};

int PageSize(Version version);

// The variant type of a column's values: Currency and Date/Time keep their
// own types; binary, OLE, Replication ID and Decimal values are texts (the
// raw bytes, "{GUID}", the exact decimal digits).
dao::VarType VarTypeOf(int columnType);

// A row by its index in the page's table of row offsets; nullopt when the
// index or the row lies outside the page or over the table.
std::optional<RowPlace> FindRow(Bytes page, int row, Version version);

// The bytes a table definition's columns, their names, its indexes and their
// names take, from the definition as one run of bytes (its first page whole,
// then each page it continues on without its 8-byte header); nullopt when the
// length it declares runs past those bytes or they run past that length.
std::optional<std::size_t> DefinitionExtent(Bytes definition, Version version);

// A page that holds long values (Memo, OLE): a data page marked "LVAL".
bool IsLongValuePage(Bytes page);

// The bytes of a long value from the 12 bytes the row keeps for it; nullopt
// when its chain leaves the pages or the long-value pages, loops, or outgrows
// the declared length or the source's limit.
std::optional<std::string> LongValue(Bytes field, PageSource& pages, Version version);

// Text as stored (Jet 4: UCS-2, possibly compressed; Jet 3: Windows-1252) to UTF-8.
std::string Text(Bytes bytes, Version version);

// The 17 bytes of a Decimal (sign, then four 32-bit words, the highest first)
// as exact decimal digits.
std::string DecimalText(Bytes bytes, int decimals);

// The value of one field of a row of the page; nullopt when the field does not
// lie within the row or its value cannot be read.
std::optional<dao::Variant> FieldValue(Bytes page, const RowPlace& row, const FieldPlace& field, const Column& column,
                                       Version version, PageSource& pages);

} // namespace jet
