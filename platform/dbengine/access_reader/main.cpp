// The Access reader: opens one Access file through libmdb, in a process of
// its own so that a damaged file can only end this process, and writes what
// the engine asked for to standard output (dbengine/access_wire.h).
//   access_reader check <file>          the names of its tables
//   access_reader table <file> <name>   a table's fields and rows
// Exit status 0 when the stream is whole (a failure the file shows is part of it).
#include <cstdlib>
#include <filesystem>
#include <string>

#include "mdb_stream.h"
#include "reader_limits.h"

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (!((mode == "check" && argc == 3) || (mode == "table" && argc == 4))) return EXIT_FAILURE;
    const std::string path = argv[2];
    std::error_code ec;
    access_reader::LimitThisProcess(std::filesystem::file_size(path, ec));
    access_reader::StreamOut out;
    if (mode == "check") access_reader::WriteCatalog(path, out);
    else access_reader::WriteTable(path, argv[3], out);
    out.Flush();
    return EXIT_SUCCESS;
}
