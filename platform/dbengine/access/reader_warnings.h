#pragma once
// Internal: what the Access reader writes to its standard error (libmdb's
// warnings, one per damaged page it meets), passed on to ours bounded and
// with the file named, never as bare lines.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dao {

class ReaderWarnings {
public:
    explicit ReaderWarnings(std::string file) : file_(std::move(file)) {}
    ~ReaderWarnings() { PassOn(); }
    ReaderWarnings(const ReaderWarnings&) = delete;
    ReaderWarnings& operator=(const ReaderWarnings&) = delete;

    void Feed(std::string_view bytes);
    // Whether the reader wrote anything.
    bool Heard() const noexcept { return heard_; }
private:
    // Writes the lines kept, then how many more there were.
    void PassOn();
    void EndLine();
    std::string file_;
    std::string line_;
    bool lineCut_ = false;
    bool heard_ = false;
    std::vector<std::string> kept_;
    std::size_t more_ = 0;
};

} // namespace dao
