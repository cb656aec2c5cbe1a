#pragma once
// Files written whole or not at all, and what tells one state of a file from
// another.
#include <filesystem>
#include <string>

namespace report {

// Writes bytes into a new temporary file beside `file`, flushed, then renames
// it over `file` and syncs the folder: the old file's permissions are kept, a
// new file follows the umask, a link at the name is replaced, never followed.
// False with the system's reason in the operator's words on failure; the old
// file is then as it was.
bool WriteWhole(const std::filesystem::path& file, const std::string& bytes, std::string& error);

// A file's bytes; error receives why they could not be read.
std::string FileBytes(const std::filesystem::path& file, std::string& error);

// The FileStamp of a file holding these bytes.
std::string StampOf(const std::string& bytes);

} // namespace report
