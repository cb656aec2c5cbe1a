#include "dbengine/access/access_file.h"

#include <cstring>

#include "dbengine/access/reader_stream.h"
#include "dbengine/access/reader_supervisor.h"
#include "dbengine/storage/regular_file.h"
#include "dbengine/values/errors.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace dao {

namespace {

// Page 0 of every Access file: a fixed prefix, the engine's name, then the
// format version (0 Jet 3, 1 Jet 4, 2 and later the .accdb formats).
constexpr unsigned char kPrefix[4] = {0x00, 0x01, 0x00, 0x00};
constexpr char kJetName[] = "Standard Jet DB";
constexpr char kAceName[] = "Standard ACE DB";
constexpr int kVersionOffset = 0x14;
constexpr unsigned char kLastVersionRead = 1;   // Jet 4

} // namespace

bool IsAccessFile(const std::filesystem::path& path) {
    unsigned char head[kVersionOffset + 1] = {};
    if (!ReadFileHead(path, head, sizeof head)) return false;
    if (std::memcmp(head, kPrefix, sizeof kPrefix) != 0) return false;
    const char* name = reinterpret_cast<const char*>(head + 4);
    const bool jet = std::memcmp(name, kJetName, sizeof kJetName) == 0;
    if (!jet && std::memcmp(name, kAceName, sizeof kAceName) != 0) return false;
    if (!jet || head[kVersionOffset] > kLastVersionRead) Raise(kNotADatabase, path.string());
    return true;
}

char RecordOrFailure(reader_stream::StreamReader& stream, const std::string& file) {
    using namespace reader_stream;
    const char record = static_cast<char>(stream.U8());
    if (record != kFailure) return record;
    const auto kind = static_cast<Failure>(stream.U8());
    const std::string detail(stream.Text());
    if (kind == Failure::TableNotFound) Raise(kTableNotFound, detail);
    Raise(kNotADatabase, file + ": " + detail);
}

void CheckAccessFile(ReaderPool& readers, const std::filesystem::path& path) {
    using namespace reader_stream;
    const std::string bytes = readers.AskCatalog(path);
    StreamReader stream(bytes);
    try {
        if (RecordOrFailure(stream, path.string()) != kCatalog) throw ProtocolError("no catalog");
        const std::uint32_t tables = stream.U32();
        for (std::uint32_t i = 0; i < tables; ++i) stream.Text();
        if (stream.U8() != kEnd || stream.U64() != tables || !stream.AtEnd()) throw ProtocolError("catalog not closed");
    } catch (const ProtocolError& error) {
        Raise(kNotADatabase, path.string() + ": the Access reader's catalog is malformed (" + error.what() + ")");
    }
}

} // namespace dao
