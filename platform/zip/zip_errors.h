#pragma once
// The numbers ZipCompress, ZipExtract and ZipTest return. File failures carry
// the Basic numbers the programs already know; faults of the archive itself
// have numbers of their own from 500 up. All are named in
// winfs/error_numbers.h, where the operator's words for them are found.
#include <cstdint>

#include "winfs/error_numbers.h"

namespace zipcomp {

enum ZipResult : std::int16_t {
    kSuccess = 0,
    kOutOfMemory = vb::kOutOfMemory,
    kFileNotFound = vb::kFileNotFound,   // the file to compress, or the archive
    kDeviceIoError = vb::kDeviceIoError,
    kDiskFull = vb::kDiskFull,           // no room on the medium
    kPermissionDenied = vb::kPermissionDenied,
    kWriteProtected = vb::kWriteProtected,  // a read-only medium
    kPathFileAccessError = vb::kPathFileAccessError,
    kPathNotFound = vb::kPathNotFound,   // a folder on the way is missing
    kNothingToDo = vb::kZipNothingToDo,        // empty ZipFileSpec, ZipArchiveName or ZipTargetFolder
    kNotAZip = vb::kZipNotAZip,
    kEntryNotFound = vb::kZipEntryNotFound,    // the archive holds no entry of that name
    kCrcFailed = vb::kZipCrcFailed,
    kDamagedArchive = vb::kZipDamagedArchive,  // truncated, inconsistent or undecodable
    kUnsupported = vb::kZipUnsupported,        // a link, or compression or encryption this component cannot read
    kWrongDisk = vb::kZipWrongDisk,            // the medium in the drive is not the disk asked for
};

} // namespace zipcomp
