#pragma once
// Checks a database file before a program puts it in place of another.
#include <filesystem>
#include <string>
#include <vector>

namespace dao {

// Opens the file read-only as one of our databases and runs the storage's
// full integrity check. Returns its table names, as stored. 3343 when it is
// no database of ours (another format, cut short, damaged).
std::vector<std::string> VerifiedTables(const std::filesystem::path& path);

// The same check, then the file's schema as lines of text, names as stored:
//   "table\t<table>"
//   "field\t<table>\t<field>\t<declared type>"
//   "unique\t<table>\t<field>,<field>..."   (a unique index or primary key)
// Two files whose lines are equal (names without regard to case) have the
// same tables, fields and unique keys.
std::vector<std::string> VerifiedSchema(const std::filesystem::path& path);

} // namespace dao
