#pragma once
// Internal: the head of a database path read only when it names a regular
// file (winfs::OpenRegularFile), so no caller waits on a FIFO or a device.
#include <filesystem>

namespace dao {

// Reads up to size bytes from the start of the regular file; false when it is
// not one, or is shorter.
bool ReadFileHead(const std::filesystem::path& path, void* into, std::size_t size);

} // namespace dao
