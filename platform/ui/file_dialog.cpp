#include "ui/file_dialog.h"

namespace ui {

namespace {
FileDialogBackend* installed = nullptr;
}

FileDialogBackend& CurrentFileDialogBackend() {
    static QtFileDialogBackend qtBackend;
    return installed ? *installed : qtBackend;
}

void InstallFileDialogBackend(FileDialogBackend* backend) { installed = backend; }

void CommonDialog::ShowOpen() {
    std::optional<std::string> chosen = CurrentFileDialogBackend().AskOpen(filter_, filterIndex_, fileName_, initDir_, parent_);
    if (chosen) fileName_ = std::move(*chosen);
}

} // namespace ui
