#pragma once
// The compacted copy must be on the disk, under its name, before the database
// it copies is deleted: the engine's copy is written without a sync, and a
// power cut after the delete would otherwise take the data with it.
#include <string>

namespace utilita::compaction {

// Syncs the file and the folder entry that names it. Raises 53 when the file
// is missing, 70 when it may not be opened, 57 when the device fails.
void FlushToDisk(const std::string& path);

// Syncs the entries of the folder that holds path (the renames); failures are
// passed over, the files themselves are already safe.
void FlushFolderOfNoThrow(const std::string& path);

} // namespace utilita::compaction
