#pragma once
// An Access file read through libmdb and written out as the engine's stream
// (dbengine/access/reader_stream.h). The file and its catalog are read once, at the
// first question, and kept for the next ones.
#include <cstdint>
#include <memory>
#include <string>

#include "stream_out.h"

namespace access_reader {

class AccessSource {
public:
    explicit AccessSource(std::string path);
    ~AccessSource();
    AccessSource(const AccessSource&) = delete;
    AccessSource& operator=(const AccessSource&) = delete;

    // True once an answer met a value or a table it could not read.
    bool MetDamage() const noexcept { return damaged_; }
    // The names of the file's tables.
    void WriteCatalog(StreamOut& out);
    // A table (found without regard to case): its fields, then every row in
    // the order its engine scans them; a failure after the rows sent when the
    // table cannot be read whole.
    void WriteTable(const std::string& name, StreamOut& out);

private:
    // Opens the file and reads its catalog, once; false (the failure written) when it cannot be read.
    bool Open(StreamOut& out);
    struct Handle;
    std::string path_;
    std::uint64_t fileSize_ = 0;
    std::unique_ptr<Handle> handle_;
    bool tried_ = false;
    bool damaged_ = false;
    std::string failure_;     // why the catalog is not whole
};

} // namespace access_reader
