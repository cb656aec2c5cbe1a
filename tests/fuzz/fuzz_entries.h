#pragma once
// One entry per reader of outside input: each takes arbitrary bytes, feeds
// them to the reader the way the programs do, and returns 0. An error the
// reader reports with its number is a normal outcome; anything else (a crash,
// an abort, an exception of another kind, a hang) is a fault to fix. The same
// entries run under libFuzzer (fuzz_<reader>) and in the corpus replay test.
#include <cstddef>
#include <cstdint>

namespace fuzz {

// An Access file opened through the engine and read whole.
int FuzzAccess(const std::uint8_t* data, std::size_t size);
// A backup archive tested, then restored with the version-7 check.
int FuzzZip(const std::uint8_t* data, std::size_t size);
// A layout file loaded and printed to PDF.
int FuzzLayout(const std::uint8_t* data, std::size_t size);
// The configuration file and the user file (split at the first NUL byte)
// read by the start-up of Utilita and of Conversione.
int FuzzConfig(const std::uint8_t* data, std::size_t size);
// Statements, one a line, executed on a new scratch database.
int FuzzExecute(const std::uint8_t* data, std::size_t size);
// Windows paths, one a line, mapped to host paths: a drive, UNC or rooted
// path that leaves the drives folder aborts.
int FuzzPaths(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
