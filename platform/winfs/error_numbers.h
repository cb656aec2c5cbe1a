#pragma once
// Every number a vb::RuntimeError carries or the zip component returns, by
// name: Basic's own, the file layer's, the zip component's and the restore's
// (namespace vb), the database engine's (namespace dao). Handlers compare
// Err.Number with these, never with bare numbers; error_descriptions.h gives
// the operator's words for each.

namespace vb {

enum ErrorNumber : int {
    kOverflow = 6,
    kOutOfMemory = 7,
    kWriteProtected = 19,   // the medium is read-only (Windows' own number for a write-protected disk)
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

    // The zip component's own, for faults of an archive itself (zip/zip_errors.h).
    kZipNothingToDo = 500,
    kZipNotAZip = 501,
    kZipEntryNotFound = 502,
    kZipCrcFailed = 503,
    kZipDamagedArchive = 504,
    kZipUnsupported = 505,
    kZipWrongDisk = 506,

    // The restore's own: the archive holds no whole version-7 database.
    kNoVersion7Database = 520,
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
