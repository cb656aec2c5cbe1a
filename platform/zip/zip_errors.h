#pragma once
// The numbers ZipCompress, ZipExtract and ZipTest return. File failures carry
// the Basic numbers the programs already know; faults of the archive itself
// have numbers of their own from 500 up.
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
    kPathFileAccessError = vb::kPathFileAccessError,
    kPathNotFound = vb::kPathNotFound,   // a folder on the way is missing
    kNothingToDo = 500,         // empty ZipFileSpec, ZipArchiveName or ZipTargetFolder
    kNotAZip = 501,
    kEntryNotFound = 502,       // the archive holds no entry of that name
    kCrcFailed = 503,
    kDamagedArchive = 504,      // truncated, inconsistent or undecodable
    kUnsupported = 505,         // compression or encryption this component cannot read
    kWrongDisk = 506,           // the medium in the drive is not the disk asked for
};

} // namespace zipcomp
