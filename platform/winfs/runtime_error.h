#pragma once
// A numbered runtime error, as the programs' handlers test it (Err.Number).
// The engine, the file layer and the zip component all raise this one type.
#include <stdexcept>
#include <string>

namespace vb {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, std::string description)
        : std::runtime_error(std::to_string(number) + " " + description),
          number_(number), description_(std::move(description)) {}

    int Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }

private:
    int number_;
    std::string description_;
};

} // namespace vb
