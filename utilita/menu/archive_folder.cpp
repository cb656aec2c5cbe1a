#include "menu/archive_folder.h"

#include "menu/messages.h"
#include "winfs/error_numbers.h"
#include "winfs/files.h"
#include "winfs/shown_path.h"

namespace utilita {

FolderFile ReadArchiveFolder(std::string& folder) {
    try {
        const winfs::FirstLine line = winfs::ReadFirstLine(kConfigurationFile);
        folder = line.text;
        return line.whole ? FolderFile::Read : FolderFile::NoPath;
    } catch (const vb::RuntimeError& e) {
        if (e.Number() == vb::kFileNotFound || e.Number() == vb::kPathNotFound) return FolderFile::Missing;
        return FolderFile::Unreadable;
    }
}

bool ServerMarkerReachable(const std::string& folder) {
    try {
        winfs::OpenForReadingAndClose(folder + kServerMarkerName);
        return true;
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

std::string UnreachableFolderMessage(const std::string& folder) {
    return "Collegamento mancante con il Server di dati \r\n"
           " " + winfs::ShownPath(folder) + "\r\n"
           "Accendere il PC se si tratta di Unità di Rete\r\n"
           "e/o comunque reimpostare il percorso archivi\r\n"
           "dall'apposito programma accessorio.\r\n";
}

} // namespace utilita
