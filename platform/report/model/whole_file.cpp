#include "report/model/whole_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>

#include "report/model/layout_file.h"
#include "winfs/error_descriptions.h"
#include "winfs/file_errors.h"

namespace report {

namespace {

std::string Reason(int err, const std::filesystem::path& file) {
    return vb::Describe(winfs::detail::NumberForFileErrno(err, file));
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool WriteWhole(const std::filesystem::path& file, const std::string& bytes, std::string& error) {
    struct stat old {};
    const mode_t mode = ::stat(file.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0666;
    const std::filesystem::path temp = file.string() + ".tmp" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno == EEXIST && ::unlink(temp.c_str()) == 0)
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
        error = Reason(errno, file);
        return false;
    }
    const bool written = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 && written) {
        error = Reason(errno, file);
        ::unlink(temp.c_str());
        return false;
    }
    if (!written || ::rename(temp.c_str(), file.c_str()) != 0) {
        error = Reason(written ? errno : writeError, file);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::string FileBytes(const std::filesystem::path& file, std::string& error) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = Reason(errno, file);
        return {};
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = Reason(errno, file);
        if (n <= 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::string FileStamp(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.exists()) return {};
    if (!in.open(QIODevice::ReadOnly)) return "?";   // unreadable: differs from any state read
    return StampOf(in.readAll().toStdString());
}

std::string StampOf(const std::string& bytes) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256);
    return std::to_string(bytes.size()) + ":" + hash.toHex().toStdString();
}

} // namespace report
