#pragma once
// Internal: the one failure of an Access file the engine cannot read, whatever
// part of the Access client meets it (the file, its reader, its stream).
#include <string>

namespace dao {

// 3343 with the description of a format not supported or a damaged file.
[[noreturn]] void RaiseUnsupportedFormat(const std::string& detail);

} // namespace dao
