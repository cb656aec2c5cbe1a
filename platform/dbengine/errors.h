#pragma once
// The engine's errors raised with their Italian descriptions (the numbers
// are named in winfs/error_numbers.h).
#include <string>

#include "winfs/error_numbers.h"
#include "winfs/runtime_error.h"

namespace dao {

// The engine's description of an error number ("" for numbers it does not raise).
std::string Describe(int number);

// Throws vb::RuntimeError with the number and its description, plus an optional detail.
[[noreturn]] void Raise(int number, const std::string& detail = {});

} // namespace dao
