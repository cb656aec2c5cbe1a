#pragma once
// Internal: Access databases (Jet 3 and Jet 4 files), read by the Access
// reader process (dbengine/access/reader_supervisor.h), never in this one,
// asked through the readers of the engine object that opens them.
// The engine only ever reads them: every write is 3027.
#include <filesystem>
#include <memory>
#include <string>

namespace dao {

class ReaderPool;
class RecordsetBackend;

namespace reader_stream {
class StreamReader;
}

// True when the file starts with the signature of an Access database of a
// format read here; an Access file of a later format (.accdb) raises 3343.
// False, at once, for anything that is not a regular file.
bool IsAccessFile(const std::filesystem::path& path);

// The rows of a table of an Access file, read-only. 3343 when the file cannot
// be read, 3078 when the table is missing.
std::unique_ptr<RecordsetBackend> OpenAccessTable(ReaderPool& readers, const std::filesystem::path& path,
                                                  const std::string& table);

// Checks that the file opens and its catalog reads (for a Database handle): 3343 otherwise.
void CheckAccessFile(ReaderPool& readers, const std::filesystem::path& path);

// Reads the next record of a reader's stream (the one that opens it, or the
// one after a table's rows): returns it, or raises what a failure record says
// (3078 for a missing table, 3343 otherwise).
char RecordOrFailure(reader_stream::StreamReader& stream, const std::string& file);

} // namespace dao
