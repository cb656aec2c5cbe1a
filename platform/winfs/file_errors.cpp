#include "winfs/file_errors.h"

#include <cerrno>
#include <string>
#include <system_error>

#include "winfs/runtime_error.h"

namespace winfs::detail {

namespace {

const char* Description(int number) {
    switch (number) {
    case vb::kFileNotFound: return "Impossibile trovare il file";
    case vb::kDeviceIoError: return "Errore di I/O della periferica";
    case vb::kFileAlreadyExists: return "File già esistente";
    case vb::kInputPastEnd: return "Input oltre la fine del file";
    case vb::kPermissionDenied: return "Autorizzazione negata";
    case vb::kPathFileAccessError: return "Errore di accesso al percorso/file";
    case vb::kPathNotFound: return "Impossibile trovare il percorso";
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
        return (folder.empty() || std::filesystem::is_directory(folder, ec)) ? vb::kFileNotFound : vb::kPathNotFound;
    }
    case ENOTDIR: return vb::kPathNotFound;
    case EACCES:
    case EPERM: return vb::kPermissionDenied;
    case EIO: return vb::kDeviceIoError;
    default: return vb::kPathFileAccessError;  // EISDIR, EROFS, EBUSY, ENAMETOOLONG, ELOOP ...
    }
}

} // namespace winfs::detail
