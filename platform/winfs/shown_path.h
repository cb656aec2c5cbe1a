#pragma once
// A path as a message shows it: a box must fit a screen line, whatever a file
// named.
#include <cstddef>
#include <string>

namespace winfs {

// The most characters of a path a message shows.
inline constexpr std::size_t kShownPathChars = 100;

// The path whole when it has at most kShownPathChars characters (UTF-8);
// otherwise its start and its end around "...", that many characters in all.
std::string ShownPath(const std::string& utf8Path);

} // namespace winfs
