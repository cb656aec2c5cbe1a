#include "dbengine/access/reader_warnings.h"

#include <algorithm>
#include <iostream>

namespace dao {

namespace {

constexpr std::size_t kLinesKept = 8;
constexpr std::size_t kLineLength = 200;

} // namespace

void ReaderWarnings::Feed(std::string_view bytes) {
    heard_ = heard_ || !bytes.empty();
    for (const char c : bytes) {
        if (c == '\n') {
            EndLine();
        } else if (line_.size() < kLineLength) {
            line_ += c;
        } else {
            lineCut_ = true;
        }
    }
}

void ReaderWarnings::EndLine() {
    if (lineCut_) line_ += "...";
    // A warning repeated page after page is kept once.
    if (!line_.empty() && std::find(kept_.begin(), kept_.end(), line_) == kept_.end()) {
        if (kept_.size() < kLinesKept) kept_.push_back(line_);
        else ++more_;
    }
    line_.clear();
    lineCut_ = false;
}

void ReaderWarnings::PassOn() {
    EndLine();
    for (const auto& line : kept_) std::cerr << "Access " << file_ << ": " << line << '\n';
    if (more_) std::cerr << "Access " << file_ << ": " << more_ << " more warnings\n";
    kept_.clear();
    more_ = 0;
}

} // namespace dao
