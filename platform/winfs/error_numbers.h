#pragma once
// Every number a vb::RuntimeError carries, by name: Basic's own and the file
// layer's (namespace vb), the database engine's (namespace dao). Handlers
// compare Err.Number with these, never with bare numbers.

namespace vb {

enum ErrorNumber : int {
    kOverflow = 6,
    kOutOfMemory = 7,
    kInternalError = 51,
    kBadFileName = 52,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kDeviceIoError = 57,
    kFileAlreadyExists = 58,
    kDiskFull = 61,
    kInputPastEnd = 62,
    kPermissionDenied = 70,
    kPathFileAccessError = 75,
    kPathNotFound = 76,
    kInvalidUseOfNull = 94,
};

} // namespace vb

namespace dao {

enum ErrorNumber : int {
    kTypeMismatch = vb::kTypeMismatch,   // a value the engine cannot read as the type asked for
    kReservedError = 3000,               // a storage failure without a number of its own
    kTableExists = 3010,
    kUpdateWithoutAddNew = 3020,
    kNoCurrentRow = 3021,
    kDuplicateKey = 3022,
    kFileNotFound = 3024,
    kDiskFull = 3026,
    kReadOnly = 3027,
    kDiskOrNetworkError = 3043,
    kInvalidPath = 3044,
    kFileInUse = 3045,                   // another program has the file open
    kCannotOpenDatabase = 3049,
    kTableNotFound = 3078,
    kUnknownInsertField = 3127,
    kStatementNotSupported = 3129,
    kTextTooLong = 3163,
    kRecordDeleted = 3167,
    kFieldDefinedTwice = 3191,
    kCompactTargetExists = 3204,
    kDatabaseLocked = 3218,
    kFieldNotFound = 3265,
    kPrimaryKeyExists = 3283,
    kIndexExists = 3284,
    kNullInRequiredField = 3314,
    kValidationRule = 3317,
    kNotADatabase = 3343,
    kInvalidObject = 3420,
    kTypeRefused = 3421,
};

} // namespace dao
