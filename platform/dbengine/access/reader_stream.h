#pragma once
// Internal: what the engine and the Access reader process say to each other.
//
// The engine asks on the reader's descriptor 3: 'c' for the catalog, 't' and
// a text for a table. The reader answers on its standard output in chunks,
// each its length (4 bytes) and its bytes; a chunk of length 0 ends the
// answer, one of length kLastAnswer ends it and says the reader ends too (it
// met damage). Joined, the chunks of an answer are a stream: a list of records,
// each opened by one byte:
//   'C' count, then that many table names                (catalog)
//   'H' table name, field count, then per field its name and variant type
//   'R' one value per field                               (a row)
//   'E' records before it (tables or rows), as a check    (end of stream)
//   'F' failure kind, detail          (instead of the rest, or after a table's rows)
// Numbers are little-endian; a text is its length (4 bytes) and its UTF-8
// bytes. The reader of a stream checks every length against what is left:
// whatever the bytes, parsing ends in a value or in ProtocolError.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "dbengine/values/variant.h"

namespace dao::reader_stream {

enum Request : char { kAskCatalog = 'c', kAskTable = 't' };
constexpr int kRequestFd = 3;
constexpr std::uint32_t kLongestTableName = 4096;
constexpr std::uint32_t kLastAnswer = 0xffffffffu;

enum Record : char { kCatalog = 'C', kHeader = 'H', kRow = 'R', kEnd = 'E', kFailure = 'F' };
enum class Failure : std::uint8_t { TableNotFound = 1, Unreadable = 2 };

struct ProtocolError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void AppendU8(std::string& out, std::uint8_t value);
void AppendU32(std::string& out, std::uint32_t value);
void AppendU64(std::string& out, std::uint64_t value);
void AppendText(std::string& out, std::string_view text);
void AppendValue(std::string& out, const Variant& value);
// A value the reader could not decode: reading it is an error, the rest of the row stays readable.
void AppendUnreadable(std::string& out);

class StreamReader {
public:
    explicit StreamReader(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const noexcept { return pos_ == bytes_.size(); }
    std::size_t Position() const noexcept { return pos_; }
    void Seek(std::size_t pos);

    std::uint8_t U8();
    std::uint32_t U32();
    std::uint64_t U64();
    std::string_view Text();
    // The next value; false (and value untouched) for an unreadable one.
    bool Value(Variant& value);
    void SkipValue();

private:
    std::string_view Take(std::size_t size);
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace dao::reader_stream
