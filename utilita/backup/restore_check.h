#pragma once
// What a restore accepts in place of the live database.
#include <string>

namespace utilita::backup {

// Passes when the file opens as one of our databases, passes the integrity
// check and holds every table of a version-7 database; raises
// vb::kNoVersion7Database otherwise.
void CheckVersion7Database(const std::string& hostPath);

} // namespace utilita::backup
