#pragma once
// What a restore accepts in place of the live database.
#include <string>

namespace dao { class DBEngine; }

namespace utilita::backup {

// Passes when the file opens as one of our databases, passes the integrity
// check, has every table, field (of the same type) and unique key of a
// version-7 database, and its "versione" row names a version-7 release;
// raises vb::kNoVersion7Database otherwise.
void CheckVersion7Database(dao::DBEngine& engine, const std::string& hostPath);

} // namespace utilita::backup
