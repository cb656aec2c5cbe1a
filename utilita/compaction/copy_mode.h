#pragma once
// A compacted copy takes its database's permissions and, where the user may,
// its owner and group: compacting changes no one's access to the data.
#include <string>

namespace utilita::compaction {

// Raises the file layer's number when the permissions cannot be given.
void GiveModeOf(const std::string& database, const std::string& copy);

} // namespace utilita::compaction
