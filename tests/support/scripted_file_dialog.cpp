#include "support/scripted_file_dialog.h"

namespace ui {

ScriptedFileDialog::ScriptedFileDialog() : previous_(&CurrentFileDialogBackend()) { InstallFileDialogBackend(this); }

ScriptedFileDialog::~ScriptedFileDialog() {
    if (&CurrentFileDialogBackend() == this) InstallFileDialogBackend(previous_);
}

std::optional<std::string> ScriptedFileDialog::AskOpen(const std::string& filter, int filterIndex,
                                                       const std::string& currentName, const std::string& initDir,
                                                       QWidget*) {
    requests_.push_back(Request{filter, filterIndex, currentName, initDir});
    if (answers_.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

} // namespace ui
