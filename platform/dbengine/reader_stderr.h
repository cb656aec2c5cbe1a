#pragma once
// Internal: what the Access reader writes to its standard error (libmdb's
// warnings, one per damaged page it meets), passed on to ours bounded and
// with the file named, never as bare lines.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dao {

class ReaderStderr {
public:
    explicit ReaderStderr(std::string file) : file_(std::move(file)) {}

    void Feed(std::string_view bytes);
    // Writes the lines kept, then how many more there were.
    void PassOn();

private:
    void EndLine();
    std::string file_;
    std::string line_;
    bool lineCut_ = false;
    std::vector<std::string> kept_;
    std::size_t more_ = 0;
};

} // namespace dao
