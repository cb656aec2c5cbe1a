#include "zip/libzip_archive.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <zip.h>

#include "zip/host_file.h"
#include "zip/zip_errors.h"

namespace fs = std::filesystem;

namespace zipcomp::detail {

namespace {

// libzip says "not a zip" for an archive cut short before its directory; one
// that still opens with a local header was a zip once.
bool StartsWithLocalHeader(const fs::path& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    char head[4] = {};
    return fd.get() >= 0 && ReadUpTo(fd.get(), 0, head, sizeof head, path) == sizeof head &&
           std::memcmp(head, "PK\x03\x04", 4) == 0;
}

std::int16_t NumberFor(int zipCode, int systemCode, const fs::path& path) {
    switch (zipCode) {
    case ZIP_ER_MEMORY: return kOutOfMemory;
    case ZIP_ER_NOENT: return NumberForErrno(ENOENT, path);
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
    case ZIP_ER_WRITE:
        // A write that took only part of its data (libzip says EINTR): no room.
        if (systemCode == 0 || systemCode == EINTR) return kDiskFull;
        return NumberForErrno(systemCode, path);
    case ZIP_ER_SEEK:
    case ZIP_ER_CLOSE:
    case ZIP_ER_RENAME:
    case ZIP_ER_TMPOPEN:
    case ZIP_ER_TELL:
    case ZIP_ER_REMOVE:
        return systemCode != 0 ? NumberForErrno(systemCode, path) : std::int16_t{kDeviceIoError};
    case ZIP_ER_NOZIP: return StartsWithLocalHeader(path) ? std::int16_t{kDamagedArchive} : std::int16_t{kNotAZip};
    case ZIP_ER_CRC: return kCrcFailed;
    case ZIP_ER_COMPNOTSUPP:
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_MULTIDISK: return kUnsupported;
    default: return kDamagedArchive;  // INCONS, EOF, ZLIB, COMPRESSED_DATA ...
    }
}

[[noreturn]] void FailWith(zip_error_t* error, const fs::path& path) {
    const std::int16_t number = NumberFor(zip_error_code_zip(error), zip_error_code_system(error), path);
    Fail(number);
}

} // namespace

void WriteSingleEntryZip(const fs::path& source, const std::string& entryName, const fs::path& target) {
    // Opening it first gives the plain file faults (53, 76, 70) their numbers.
    Fd probe = OpenForReading(source);
    probe.Close(source);

    int code = 0;
    ::zip* archive = zip_open(target.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) Fail(NumberFor(code, errno, target));
    zip_source_t* data = zip_source_file(archive, source.c_str(), 0, -1);
    if (data == nullptr) {
        const std::int16_t number = NumberFor(zip_error_code_zip(zip_get_error(archive)),
                                              zip_error_code_system(zip_get_error(archive)), source);
        zip_discard(archive);
        Fail(number);
    }
    const zip_int64_t index = zip_file_add(archive, entryName.c_str(), data, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0 || zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0) != 0) {
        if (index < 0) zip_source_free(data);
        const std::int16_t number = NumberFor(zip_error_code_zip(zip_get_error(archive)),
                                              zip_error_code_system(zip_get_error(archive)), target);
        zip_discard(archive);
        Fail(number);
    }
    if (zip_close(archive) != 0) {
        // The source is read while closing: a fault there names the source.
        zip_error_t* error = zip_get_error(archive);
        const int zipCode = zip_error_code_zip(error);
        const bool readFault = zipCode == ZIP_ER_READ || zipCode == ZIP_ER_OPEN;
        const std::int16_t number = NumberFor(zipCode, zip_error_code_system(error), readFault ? source : target);
        zip_discard(archive);
        Fail(number);
    }
}

ZipReader::ZipReader(const fs::path& archive, bool checkConsistency) : path_(archive) {
    // Plain file faults first, with their own numbers.
    Fd probe = OpenForReading(archive);
    probe.Close(archive);

    int code = 0;
    archive_ = zip_open(archive.c_str(), ZIP_RDONLY | (checkConsistency ? ZIP_CHECKCONS : 0), &code);
    if (archive_ == nullptr) Fail(NumberFor(code, errno, archive));
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    count_ = count > 0 ? static_cast<std::uint64_t>(count) : 0;
}

ZipReader::~ZipReader() {
    if (archive_ != nullptr) zip_discard(archive_);
}

std::string ZipReader::EntryName(std::uint64_t index) const {
    const char* name = zip_get_name(archive_, index, ZIP_FL_ENC_GUESS);
    return name ? std::string(name) : std::string();
}

bool ZipReader::IsLink(std::uint64_t index) const {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive_, index, 0, &system, &attributes) != 0) return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

std::uint64_t ZipReader::DeclaredSize(std::uint64_t index) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, index, 0, &stat) != 0) FailWith(zip_get_error(archive_), path_);
    return (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0;
}

void ZipReader::ReadEntry(std::uint64_t index, const std::function<void(std::string_view)>& sink) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, index, 0, &stat) != 0) FailWith(zip_get_error(archive_), path_);
    zip_file_t* file = zip_fopen_index(archive_, index, 0);
    if (file == nullptr) FailWith(zip_get_error(archive_), path_);

    std::vector<char> buffer(1 << 16);
    std::uint64_t total = 0;
    try {
        for (;;) {
            const zip_int64_t n = zip_fread(file, buffer.data(), buffer.size());
            if (n < 0) FailWith(zip_file_get_error(file), path_);
            if (n == 0) break;
            total += static_cast<std::uint64_t>(n);
            // More than it declared: a bomb, or a directory that lies.
            if ((stat.valid & ZIP_STAT_SIZE) && total > stat.size) Fail(kDamagedArchive);
            sink(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
        }
    } catch (...) {
        zip_fclose(file);
        throw;
    }
    const int closed = zip_fclose(file);
    if (closed != 0) Fail(NumberFor(closed, 0, path_));
    if ((stat.valid & ZIP_STAT_SIZE) && total != stat.size) Fail(kDamagedArchive);
}

} // namespace zipcomp::detail
