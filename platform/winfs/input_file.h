#pragma once
// A file opened for Basic sequential input (internal to the file layer):
// buffered byte reading with one byte of look-ahead, of the file's first
// bytes only. Opening fails with the Basic numbers; a folder, a FIFO or a
// device is 75, found without opening it.
#include <array>
#include <cstddef>
#include <string>

namespace winfs::detail {

class InputFile {
public:
    // Reads no more than limit bytes: the rest of the file is never read.
    InputFile(const std::string& windowsPath, std::size_t limit);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    static constexpr int kEnd = -1;
    int Peek();   // next byte (0..255) or kEnd, not consumed
    int Get();    // next byte (0..255) or kEnd
    bool AtEnd() { return Peek() == kEnd; }

    // Consumes one line end (CR LF, LF or CR) if one is next; true if it did.
    bool SkipLineEnd();

    // True once reading stopped at the limit with more of the file after it.
    bool CutAtLimit() const { return cut_; }

private:
    bool Fill();

    int fd_ = -1;
    std::array<char, 4096> buffer_{};
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
    std::size_t left_ = 0;   // bytes the limit still allows
    bool ended_ = false;
    bool cut_ = false;
};

} // namespace winfs::detail
