#include "winfs/file_errors.h"

#include <cerrno>
#include <string>
#include <system_error>

#include "winfs/runtime_error.h"

namespace winfs::detail {

namespace {

const char* Description(int number) {
    switch (number) {
    case kFileNotFound: return "Impossibile trovare il file";
    case kDeviceIoError: return "Errore di I/O della periferica";
    case kFileAlreadyExists: return "File già esistente";
    case kInputPastEnd: return "Input oltre la fine del file";
    case kPermissionDenied: return "Autorizzazione negata";
    case kPathFileAccessError: return "Errore di accesso al percorso/file";
    case kPathNotFound: return "Impossibile trovare il percorso";
    default: return "Errore definito dall'applicazione o dall'oggetto";
    }
}

} // namespace

void Raise(int number) { throw vb::RuntimeError(number, Description(number)); }

int NumberForFileErrno(int err, const std::filesystem::path& path) {
    switch (err) {
    case ENOENT: {
        std::error_code ec;
        const std::filesystem::path folder = path.parent_path();
        return (folder.empty() || std::filesystem::is_directory(folder, ec)) ? kFileNotFound : kPathNotFound;
    }
    case ENOTDIR: return kPathNotFound;
    case EACCES:
    case EPERM: return kPermissionDenied;
    case EIO: return kDeviceIoError;
    default: return kPathFileAccessError;  // EISDIR, EROFS, EBUSY, ENAMETOOLONG, ELOOP ...
    }
}

} // namespace winfs::detail
