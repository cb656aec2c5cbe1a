#pragma once
// A file opened for Basic sequential input (internal to the file layer):
// buffered byte reading with one byte of look-ahead. Opening fails with the
// Basic numbers; a folder is 75.
#include <array>
#include <cstddef>
#include <string>

namespace winfs::detail {

class InputFile {
public:
    explicit InputFile(const std::string& windowsPath);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    static constexpr int kEnd = -1;
    int Peek();   // next byte (0..255) or kEnd, not consumed
    int Get();    // next byte (0..255) or kEnd
    bool AtEnd() { return Peek() == kEnd; }

    // Consumes one line end (CR LF, LF or CR) if one is next; true if it did.
    bool SkipLineEnd();

private:
    bool Fill();

    int fd_ = -1;
    std::array<char, 4096> buffer_{};
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
    bool ended_ = false;
};

} // namespace winfs::detail
