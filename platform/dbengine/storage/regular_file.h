#pragma once
// Internal: a database path opened for reading only when it names a regular
// file. Opening a FIFO waits for a writer and a device may never answer:
// neither is ever opened to find out, so no caller waits on one.
#include <filesystem>

namespace dao {

// A descriptor (close-on-exec) of the regular file, or -1 when the path is
// missing, not a regular file, or cannot be opened.
int OpenRegularFile(const std::filesystem::path& path);

// Reads up to size bytes from the start of the regular file; false when it is
// not one, or is shorter.
bool ReadFileHead(const std::filesystem::path& path, void* into, std::size_t size);

} // namespace dao
