#pragma once
// The file operations the programs use, on Windows paths, failing with the
// Basic error numbers their handlers test:
//   53 file not found, 76 path not found, 62 input past end of file,
//   70 permission denied, 75 path/file access error (a folder, a FIFO, a device).
// Every failure is thrown as vb::RuntimeError.
#include <cstddef>
#include <string>
#include <vector>

#include "winfs/runtime_error.h"

namespace winfs {

// How much of a configuration or user file is read: its line or values lie
// well within it, and nothing larger is ever read into memory.
inline constexpr std::size_t kTextReadLimit = 4096;

// Opens the file for reading and closes it again (proves it is reachable).
// A folder, a FIFO or a device is 75, found without opening it.
void OpenForReadingAndClose(const std::string& path);

struct FirstLine {
    std::string text;
    bool whole = true;   // false: the line runs past kTextReadLimit bytes and text is cut there
};

// Opens the file (as OpenForReadingAndClose), reads its first line up to the
// line end (CR LF, LF or CR, not included) but no further than kTextReadLimit
// bytes, and closes it. An empty file is error 62.
FirstLine ReadFirstLine(const std::string& path);

// Reads up to maxValues values with Basic list input: values separated by
// commas or line ends, a value in double quotes taken without its quotes,
// blanks around unquoted values dropped. Returns fewer values when the file
// ends first (the caller decides whether that is an error: the Basic read
// past the end is 62, reported by ReadListValuesExact). Values that run past
// the file's first kTextReadLimit bytes are 75.
std::vector<std::string> ReadListValues(const std::string& path, std::size_t maxValues);

// As ReadListValues, but a file with fewer than count values raises 62.
std::vector<std::string> ReadListValuesExact(const std::string& path, std::size_t count);

bool Exists(const std::string& path);           // file or folder
void MakeFolder(const std::string& path);       // MkDir: 75 when it exists, 76 when the parent is missing
void DeleteFile(const std::string& path);       // Kill: 53 when missing, 70/75 when refused
void RenameFile(const std::string& from, const std::string& to); // Name: 53 missing source, 58 target exists, 75/70 refused
void ChangeFolder(const std::string& path);     // ChDir: 76 when missing, 70 when refused

} // namespace winfs
