#pragma once
// Numbered engine errors with their Italian descriptions.
#include <string>

#include "winfs/runtime_error.h"

namespace dao {

enum ErrorNumber : int {
    kTypeMismatch = 13,
    kNoCurrentRow = 3021,
    kDuplicateKey = 3022,
    kFileNotFound = 3024,
    kReadOnly = 3027,
    kFileInUse = 3045,
    kTableNotFound = 3078,
    kStatementNotSupported = 3129,
    kTextTooLong = 3163,
    kCompactTargetExists = 3204,
    kFieldNotFound = 3265,
    kNullInRequiredField = 3314,
    kValidationRule = 3317,
    kNotADatabase = 3343,
    kTypeRefused = 3421,
};

// The engine's description of an error number ("" for numbers it does not raise).
std::string Describe(int number);

// Throws vb::RuntimeError with the number and its description, plus an optional detail.
[[noreturn]] void Raise(int number, const std::string& detail = {});

} // namespace dao
