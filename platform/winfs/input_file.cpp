#include "winfs/input_file.h"

#include <algorithm>
#include <cerrno>

#include <unistd.h>

#include "winfs/file_errors.h"
#include "winfs/paths.h"
#include "winfs/regular_file.h"

namespace winfs::detail {

InputFile::InputFile(const std::string& windowsPath, std::size_t limit) : left_(limit) {
    const std::filesystem::path host = Resolve(windowsPath);
    fd_ = OpenRegularFile(host);
    if (fd_ < 0) Raise(NumberForFileErrno(errno, host));
    try {
        // A byte-order mark written by some editors is not part of the text.
        if (limit > 0 && Peek() == 0xEF && size_ - pos_ >= 3 &&
            static_cast<unsigned char>(buffer_[pos_ + 1]) == 0xBB && static_cast<unsigned char>(buffer_[pos_ + 2]) == 0xBF)
            pos_ += 3;
    } catch (...) {
        ::close(fd_);   // no destructor runs for an object never made
        throw;
    }
}

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool InputFile::Fill() {
    if (ended_) return false;
    for (;;) {
        // At the limit one byte more is asked for, only to learn whether the file goes on.
        const std::size_t want = left_ > 0 ? std::min(left_, buffer_.size()) : 1;
        ssize_t n = ::read(fd_, buffer_.data(), want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Raise(vb::kDeviceIoError);
        if (n == 0 || left_ == 0) {
            cut_ = n > 0;
            ended_ = true;
            return false;
        }
        pos_ = 0;
        size_ = static_cast<std::size_t>(n);
        left_ -= size_;
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
