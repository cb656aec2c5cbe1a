#pragma once
// Raising the file layer's Basic errors (the numbers are named in
// winfs/error_numbers.h; internal to the file layer).
#include <filesystem>

#include "winfs/error_numbers.h"

namespace winfs::detail {

// Throws vb::RuntimeError with the number and its Italian description
// (error_descriptions.h).
[[noreturn]] void Raise(int number);

// The number for an errno from opening, writing, deleting or renaming `path` as a file:
// a missing file whose folder exists is 53, a missing folder on the way 76.
int NumberForFileErrno(int err, const std::filesystem::path& path);

} // namespace winfs::detail
