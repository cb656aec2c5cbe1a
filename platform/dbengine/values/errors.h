#pragma once
// The engine's errors raised with their Italian descriptions (the numbers
// are named in winfs/error_numbers.h, described in winfs/error_descriptions.h).
#include <string>

#include "winfs/error_numbers.h"
#include "winfs/runtime_error.h"

namespace dao {

// Throws vb::RuntimeError with the number and its description, plus an optional detail.
[[noreturn]] void Raise(int number, const std::string& detail = {});

// The number for an errno met while creating or writing a whole file (a copy,
// a compacted copy): a refused or read-only folder says so, a full disk is 61
// as for any file; an existing file is 3204 (the engine never writes over
// one); anything else is a path it cannot use.
int NumberForWriteErrno(int err);

} // namespace dao
