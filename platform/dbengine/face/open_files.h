#pragma once
// Internal: what the engine knows of the files this program has open.
#include <filesystem>

namespace dao {

// Commits this program's pending writes to the file and lets go of its read
// cursors, so that its storage connections hold no lock on it.
void QuietOpenConnections(const std::filesystem::path& path);

} // namespace dao
