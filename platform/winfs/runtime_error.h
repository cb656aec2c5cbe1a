#pragma once
// A numbered runtime error, as the programs' handlers test it (Err.Number).
// The engine, the file layer and the zip component all raise this one type.
// The description is what the operator reads; the detail (host paths, the
// storage library's own message) is for standard error only.
#include <stdexcept>
#include <string>

namespace vb {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, std::string description, std::string detail = {})
        : std::runtime_error(std::to_string(number) + " " + description + (detail.empty() ? "" : " (" + detail + ")")),
          number_(number), description_(std::move(description)), detail_(std::move(detail)) {}

    int Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }
    const std::string& Detail() const noexcept { return detail_; }

private:
    int number_;
    std::string description_;
    std::string detail_;
};

} // namespace vb
