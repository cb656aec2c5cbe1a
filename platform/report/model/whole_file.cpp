#include "report/model/whole_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>

#include "report/model/layout_file.h"
#include "winfs/error_descriptions.h"
#include "winfs/file_errors.h"
#include "winfs/new_files.h"

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
    // What a killed save left beside the file only takes room.
    winfs::RemoveOurLeftovers(file.parent_path(), winfs::BesideMarker(file));
    winfs::FileBeside temp(file);
    int err = temp.error();
    if (!err && !WriteAll(temp.fd(), bytes)) err = errno;
    if (!err) err = temp.Finish(winfs::ModeToKeep(file));
    if (!err) err = temp.Install();
    if (err) error = Reason(err, file);
    return err == 0;
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
