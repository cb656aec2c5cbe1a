#pragma once
// A file dialog double: records each request and answers from a queue
// (nullopt = cancel); an empty queue cancels. Installs itself for its lifetime
// and then puts back the one it replaced.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/file_dialog.h"

namespace ui {

class ScriptedFileDialog : public FileDialogBackend {
public:
    struct Request { std::string filter; int filterIndex; std::string currentName; std::string initDir; };
    ScriptedFileDialog();
    ~ScriptedFileDialog() override;
    ScriptedFileDialog(const ScriptedFileDialog&) = delete;
    ScriptedFileDialog& operator=(const ScriptedFileDialog&) = delete;
    void Choose(std::string path) { answers_.emplace_back(std::move(path)); }
    void Cancel() { answers_.emplace_back(std::nullopt); }
    std::optional<std::string> AskOpen(const std::string& filter, int filterIndex, const std::string& currentName,
                                       const std::string& initDir, QWidget* parent) override;
    const std::vector<Request>& Requests() const { return requests_; }

private:
    FileDialogBackend* previous_;
    std::deque<std::optional<std::string>> answers_;
    std::vector<Request> requests_;
};

} // namespace ui
