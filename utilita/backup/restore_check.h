#pragma once
// What a restore accepts in place of the live database.
#include <string>

namespace utilita::backup {

// The restore's own number for an archive whose database is not a whole
// version-7 database of ours.
inline constexpr int kNoVersion7Database = 520;
inline constexpr const char* kNoVersion7DatabaseText = "L'archivio non contiene un database Vantorima 7 valido.";

// Passes when the file opens as one of our databases, passes the integrity
// check and holds every table of a version-7 database; raises
// kNoVersion7Database otherwise.
void CheckVersion7Database(const std::string& hostPath);

} // namespace utilita::backup
