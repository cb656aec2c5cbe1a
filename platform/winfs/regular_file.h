#pragma once
// A host path opened for reading only when it names a regular file. Opening a
// FIFO waits for a writer and a device may never answer: neither is ever
// opened to find out, so no caller waits on one.
#include <filesystem>

namespace winfs {

// A descriptor (read-only, close-on-exec) of the regular file, or -1 with
// errno set: the system's own for a missing or refused path, EISDIR for a
// folder, EINVAL for a file of any other kind.
int OpenRegularFile(const std::filesystem::path& host);

} // namespace winfs
