#pragma once
// The progress box a print job shows while it runs.
#include <string>

namespace report {

class ProgressBox {
public:
    virtual ~ProgressBox() = default;
    virtual void SetProgress(const std::string& text, int percent) = 0;
    // A step of the engine's own whose length it does not know: a busy bar
    // that keeps moving while the step runs.
    virtual void Busy(const std::string& text) = 0;
    // The pages going to the printer or file, page of count; no cancel then:
    // a document is never left half printed.
    virtual void Printing(int page, int count) = 0;
    // True once the operator asked to stop.
    virtual bool Cancelled() = 0;
};

} // namespace report
