#pragma once
// The engine's screens as Qt dialogs.
#include "report/control/screens.h"

namespace report {

class QtScreens : public Screens {
public:
    bool PrinterAvailable() override;
    bool ChooseLayoutFile(QWidget* parent, std::filesystem::path& file) override;
    void DesignLayout(QWidget* parent, DesignRequest& request) override;
    std::unique_ptr<ProgressBox> OpenProgress(QWidget* parent, const std::string& title) override;
    bool PrintOptions(QWidget* parent, const std::string& text, const std::string& warnings,
                      QPrinter& printer) override;
    void ShowPreview(QWidget* parent, const std::string& title, const std::vector<Page>& pages) override;
};

} // namespace report
