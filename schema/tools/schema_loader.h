#pragma once
// Builds database files from the engine scripts in schema/.
//
// A script is a text file of statements for Database::Execute, each ending with
// ";" at the end of a line; lines starting with "--" are comments. The folders:
//   schema/v6          tables of the version-6 database (one file per group)
//   schema/v7          tables of the version-7 database
//   schema/print       tables of the print database
//   schema/demo/v6     demo rows of the version-6 database
//   schema/demo/v7     rows a new version-7 database starts with (configurazione)
#include <filesystem>
#include <string>
#include <vector>

namespace dao { class Database; }

namespace schema {

// The schema/ folder of the source tree (compiled in).
std::filesystem::path SchemaRoot();

// Runs every statement of one script on the database; a failing statement
// raises its engine error with the script name and line in the description.
void RunScript(dao::Database& database, const std::filesystem::path& script);

// Creates the database file and runs every *.sql file of each folder, folders
// in the order given, files in name order.
void BuildDatabase(const std::string& fileName, const std::vector<std::filesystem::path>& scriptFolders);

// The usual combinations.
void BuildVersion6(const std::string& fileName, bool withDemoRows);
void BuildVersion7(const std::string& fileName);          // tables and the configurazione row
void BuildPrintDatabase(const std::string& fileName, bool withDemoRows);

} // namespace schema
