#pragma once
// Internal: the Access reader process (access_reader, beside the running
// program unless VANTORIMA_ACCESS_READER names it) run on one file.
#include <filesystem>
#include <string>
#include <vector>

namespace dao {

// The reader's whole stream for a mode and its operands (the file comes
// second). 3343 when the reader cannot start, dies, ends with a failure,
// writes more than the file's size allows, outgrows its memory bound or stays
// silent past the watchdog (VANTORIMA_ACCESS_READER_TIMEOUT seconds, default
// 20); it is then killed and reaped. Its standard error reaches ours, bounded.
std::string RunAccessReader(const std::string& mode, const std::filesystem::path& file,
                            const std::vector<std::string>& operands = {});

} // namespace dao
