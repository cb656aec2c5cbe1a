#pragma once
// The progress box a print job shows while it runs.
#include <string>

namespace report {

class ProgressBox {
public:
    virtual ~ProgressBox() = default;
    virtual void SetProgress(const std::string& text, int percent) = 0;
    // True once the operator asked to stop.
    virtual bool Cancelled() = 0;
};

} // namespace report
