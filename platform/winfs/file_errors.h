#pragma once
// Basic error numbers for host file failures (internal to the file layer).
#include <filesystem>

namespace winfs::detail {

enum ErrorNumber : int {
    kFileNotFound = 53,
    kDeviceIoError = 57,
    kFileAlreadyExists = 58,
    kInputPastEnd = 62,
    kPermissionDenied = 70,
    kPathFileAccessError = 75,
    kPathNotFound = 76,
};

// Throws vb::RuntimeError with the number and its Italian description.
[[noreturn]] void Raise(int number);

// The number for an errno from opening, deleting or renaming `path` as a file:
// a missing file whose folder exists is 53, a missing folder on the way 76.
int NumberForFileErrno(int err, const std::filesystem::path& path);

} // namespace winfs::detail
