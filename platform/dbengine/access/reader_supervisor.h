#pragma once
// Internal: questions to the Access reader process (access_reader, beside the
// running program unless VANTORIMA_ACCESS_READER names it).
//
// A reader that answered without meeting damage is kept for the next question
// on the same file (so that opening a table costs no process start), until
// the file changes, it has used half its CPU time or memory, or more files
// are open than kept.
// Every answer is held to the reader's bounds: it dies, fails, talks
// nonsense, sends more than the file's size allows, outgrows its memory or
// stays silent past the watchdog (VANTORIMA_ACCESS_READER_TIMEOUT seconds,
// default 20): 3343, the reader killed and reaped. Its warnings reach our
// standard error, bounded, with the file named.
#include <filesystem>
#include <string>

namespace dao {

// The stream of the file's catalog (dbengine/access/reader_stream.h).
std::string AskAccessCatalog(const std::filesystem::path& file);

// The stream of a table of the file.
std::string AskAccessTable(const std::filesystem::path& file, const std::string& table);

} // namespace dao
