#include "zip/zip_component.h"

#include <exception>
#include <new>

#include <sys/stat.h>

#include "winfs/error_descriptions.h"
#include "winfs/error_numbers.h"
#include "winfs/new_files.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"
#include "zip/entry_extract.h"
#include "zip/host_file.h"
#include "zip/libzip_archive.h"
#include "zip/media.h"
#include "zip/zip_errors.h"

namespace fs = std::filesystem;

namespace zipcomp {

namespace {

using namespace detail;

// Faults become the result number, the handlers' numbered errors as much as
// the component's own: nothing but a number leaves an operation.
template <class Body>
std::int16_t Run(std::string& handlerDescription, Body&& body) {
    handlerDescription.clear();
    try {
        body();
        return kSuccess;
    } catch (const Failure& failure) {
        return failure.number;
    } catch (const vb::RuntimeError& error) {
        handlerDescription = error.Description();
        return static_cast<std::int16_t>(error.Number());
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    } catch (const std::exception&) {
        return static_cast<std::int16_t>(vb::kInternalError);
    }
}

// Reading asks for the disks of a spanned archive wherever it lies.
Media ReadingMedia(std::function<void(std::int16_t)> request) {
    return {.spans = true, .room = nullptr, .request = std::move(request)};
}

// Only the floppy drives take a backup over several media.
bool OnFloppyDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' && (path[0] == 'a' || path[0] == 'A' || path[0] == 'b' || path[0] == 'B');
}

// The archive is no wider than the database it holds, nor than an archive it
// replaces (or, new, than the umask allows).
mode_t ArchiveMode(const fs::path& database, const fs::path& archive) {
    struct stat st {};
    const mode_t data = ::stat(database.c_str(), &st) == 0 ? (st.st_mode & 0777) : 0600;
    return winfs::ModeToKeep(archive) & data;
}

} // namespace

std::optional<vb::RuntimeError> ZipComponent::ErrorOf(std::int16_t result) const {
    if (result == kSuccess) return std::nullopt;
    const std::string described = vb::Describe(result);
    return vb::RuntimeError(result, described.empty() ? handlerDescription_ : described);
}

void ZipComponent::RequestDisk(std::int16_t disk) {
    if (DiskRequest) DiskRequest(disk);
}

std::int16_t ZipComponent::ZipCompress(std::int16_t /*how*/) {
    return Run(handlerDescription_, [this] {
        if (ZipFileSpec.empty() || ZipArchiveName.empty()) Fail(kNothingToDo);
        const std::string entry = FileNamePart(ZipFileSpec);
        if (entry.empty()) Fail(kPathFileAccessError);
        fs::path source = winfs::Resolve(ZipFileSpec);
        const fs::path archive = winfs::Resolve(ZipArchiveName);
        const mode_t mode = ArchiveMode(source, archive);
        // A medium that takes nothing is told before the long copy and compression.
        RequireWritableFolder(archive.parent_path());

        ScratchFolder scratch(TempFolderPath());
        if (CompressCopy) {
            source = scratch.path() / "copy";
            CompressCopy(source.string());
        }
        const fs::path whole = scratch.path() / "whole.zip";
        WriteSingleEntryZip(source, entry, whole);
        const Media media{.spans = OnFloppyDrive(ZipArchiveName),
                          .room = [this](const fs::path& a) { return MediumRoom(a, MediumCapacity); },
                          .request = [this](std::int16_t disk) { RequestDisk(disk); }};
        PlaceOnMedia(whole, archive, media, mode);
    });
}

std::int16_t ZipComponent::ZipExtract(std::int16_t /*how*/) {
    return Run(handlerDescription_, [this] {
        const std::string name = FileNamePart(ZipFileSpec);
        if (name.empty() || name == "." || name == ".." || ZipArchiveName.empty() || ZipTargetFolder.empty())
            Fail(kNothingToDo);
        const fs::path folder = winfs::Resolve(ZipTargetFolder);
        RequireFolder(folder);

        ScratchFolder scratch(TempFolderPath());
        const Media media = ReadingMedia([this](std::int16_t disk) { RequestDisk(disk); });
        const fs::path file = GatherFromMedia(winfs::Resolve(ZipArchiveName), scratch.path(), media);
        ZipReader reader(file, false);
        const std::optional<std::uint64_t> index = FindEntry(reader, name);
        if (!index) Fail(kEntryNotFound);
        std::function<void(const fs::path&)> check;
        if (ExtractCheck) check = [this](const fs::path& extracted) { ExtractCheck(extracted.string()); };
        ExtractEntry(reader, *index, folder, name, FolderRoom(folder, TargetRoom), check);
    });
}

std::filesystem::path ZipComponent::TempFolderPath() const {
    return TempFolder.empty() ? fs::path() : winfs::Resolve(TempFolder);
}

void ZipComponent::RemoveLeftovers(const std::string& folder, const std::string& entryName) {
    const fs::path host = winfs::Resolve(folder);
    winfs::RemoveOurLeftovers(host, winfs::BesideMarker(FileNamePart(entryName)));
    winfs::RemoveOurLeftovers(host, kScratchPrefix);
    std::error_code ec;
    const fs::path temp = fs::temp_directory_path(ec);
    if (!ec) winfs::RemoveOurLeftovers(temp, kScratchPrefix);
}

std::int16_t ZipComponent::ZipTest() {
    return Run(handlerDescription_, [this] {
        if (ZipArchiveName.empty()) Fail(kNothingToDo);
        ScratchFolder scratch(TempFolderPath());
        const Media media = ReadingMedia([this](std::int16_t disk) { RequestDisk(disk); });
        const fs::path file = GatherFromMedia(winfs::Resolve(ZipArchiveName), scratch.path(), media);
        ZipReader reader(file, true);
        for (std::uint64_t i = 0; i < reader.EntryCount(); ++i) reader.ReadEntry(i, [](std::string_view) {});
    });
}

} // namespace zipcomp
