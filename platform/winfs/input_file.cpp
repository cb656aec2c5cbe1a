#include "winfs/input_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "winfs/file_errors.h"
#include "winfs/paths.h"

namespace winfs::detail {

InputFile::InputFile(const std::string& windowsPath) {
    const std::filesystem::path host = Resolve(windowsPath);
    fd_ = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) Raise(NumberForFileErrno(errno, host));
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        Raise(vb::kPathFileAccessError);
    }
    // A byte-order mark written by some editors is not part of the text.
    if (Peek() == 0xEF && size_ - pos_ >= 3 && static_cast<unsigned char>(buffer_[pos_ + 1]) == 0xBB &&
        static_cast<unsigned char>(buffer_[pos_ + 2]) == 0xBF)
        pos_ += 3;
}

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool InputFile::Fill() {
    if (ended_) return false;
    for (;;) {
        ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Raise(vb::kDeviceIoError);
        if (n == 0) {
            ended_ = true;
            return false;
        }
        pos_ = 0;
        size_ = static_cast<std::size_t>(n);
        return true;
    }
}

int InputFile::Peek() {
    if (pos_ == size_ && !Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[pos_]);
}

int InputFile::Get() {
    int c = Peek();
    if (c != kEnd) ++pos_;
    return c;
}

bool InputFile::SkipLineEnd() {
    int c = Peek();
    if (c == '\n') {
        Get();
        return true;
    }
    if (c == '\r') {
        Get();
        if (Peek() == '\n') Get();
        return true;
    }
    return false;
}

} // namespace winfs::detail
