#pragma once
// The zip component: compresses one file into a zip archive, tests an archive
// and extracts one entry of it. Paths are Windows paths through the drive
// resolver ("a:\v7backup.zip"); a POSIX absolute path passes as it is.
//
// Each operation returns 0 or a ZipResult number and never throws. A handler
// (DiskRequest, CompressCopy, ExtractCheck) fails by raising a
// vb::RuntimeError: that ends the operation, its temporary files are removed,
// and the error's number is the result (any other exception: 51).
//
// Media: on the floppy drives A and B, an archive larger than the room on its
// medium is written in parts, one per medium, each under the archive's name.
// After a full medium the component raises DiskRequest(n) for disk n and,
// when the handler returns, writes on whatever medium is then in the drive.
// Reading a spanned archive starts from the part in the drive and asks the
// same way for every other disk. On any other drive the archive must fit
// beside the one it replaces, else the result is disk full and nothing is
// written. An archive that fits is a plain standard zip.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "winfs/runtime_error.h"

namespace zipcomp {

class ZipComponent {
public:
    // Compress: the path of the file to store. Extract: the name of the entry
    // to take out (a path in it is ignored, only the file name counts).
    std::string ZipFileSpec;
    // The archive to write, test or read.
    std::string ZipArchiveName;
    // Extract: the folder the entry is written into.
    std::string ZipTargetFolder;

    // Raised with the number of the disk needed next (2, 3 ... when writing;
    // any missing one when reading).
    std::function<void(std::int16_t disk)> DiskRequest;

    // Compress: when set, writes the file to compress to the new temporary
    // path it is given (a consistent copy of a file in use), in place of a
    // read of ZipFileSpec, which then only names the entry. Its error ends
    // the operation with its number.
    std::function<void(const std::string& copy)> CompressCopy;

    // Extract: sees the extracted file (a temporary host path) before it
    // replaces anything; an error from it ends the extraction with its
    // number, and the temporary file is removed.
    std::function<void(const std::string& extracted)> ExtractCheck;

    // Room for the archive on each medium, in bytes. Unset: the real free
    // space of the medium's folder (plus an archive there, which is replaced).
    std::optional<std::uint64_t> MediumCapacity;
    // Extract: room for the entry in the target folder, in bytes. Unset: its
    // real free space (the file replaced stays until the entry is whole).
    std::optional<std::uint64_t> TargetRoom;

    // Where the operations keep their temporary files (the copy to compress,
    // the whole archive before it goes on its media, a spanned archive joined
    // for reading), in a private folder "vzip-XXXXXX" made inside it. Empty,
    // or where no folder can be made: the system's temporary folder.
    std::string TempFolder;

    // Writes ZipFileSpec into ZipArchiveName as its one entry (deflated,
    // under the file's name), replacing an archive already there: where the
    // medium has room for both, only once the new one is whole and reads
    // back (on a floppy without that room, by writing over it). `how`: only
    // 0 exists.
    std::int16_t ZipCompress(std::int16_t how);

    // Writes the entry named by ZipFileSpec into ZipTargetFolder, replacing a
    // file of that name only once the whole entry was read and its CRC
    // checked. An entry that declares more than the folder's room is disk
    // full before anything is written; one whose content runs past what it
    // declares stops there, as a damaged archive. `how`: only 0 exists.
    std::int16_t ZipExtract(std::int16_t how);

    // Reads every entry of ZipArchiveName and checks its CRC.
    std::int16_t ZipTest();

    // The description of the error that a handler ended the last operation
    // with; empty when none did.
    const std::string& HandlerDescription() const noexcept { return handlerDescription_; }

    // The result of the last operation as the programs' one error channel:
    // nothing for kSuccess, else the vb::RuntimeError of its number, with the
    // operator's words for it (the handler's own when the table has none).
    std::optional<vb::RuntimeError> ErrorOf(std::int16_t result) const;

    // Removes what operations killed midway left: the temporary copies of an
    // extraction of `entryName` and the temporary folders in `folder` (the
    // target and temporary folder), and the temporary folders in the system's
    // temporary folder. Only files and folders of the component's own naming
    // that no process holds.
    static void RemoveLeftovers(const std::string& folder, const std::string& entryName);

private:
    void RequestDisk(std::int16_t disk);
    std::filesystem::path TempFolderPath() const;

    std::string handlerDescription_;
};

} // namespace zipcomp
