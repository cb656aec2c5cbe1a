#pragma once
// The engine's screens: the layout file selection, the designer, the
// progress box, the print options and the preview. The Qt versions show real
// dialogs; tests install a scripted version (tests/support).
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "report/composer/page_content.h"
#include "report/designer/design_request.h"
#include "report/print/progress_box.h"

class QPrinter;
class QWidget;

namespace report {

class Screens {
public:
    virtual ~Screens() = default;

    // True when the system has a default printer to print on.
    virtual bool PrinterAvailable() = 0;

    // Lets the operator confirm or change the layout file (a host path, which
    // may not exist yet); false when the operator cancels.
    virtual bool ChooseLayoutFile(QWidget* parent, std::filesystem::path& file) = 0;

    // The designer; returns when the operator closes it.
    virtual void DesignLayout(QWidget* parent, DesignRequest& request) = 0;

    // The progress box of a print job, shown until it is destroyed.
    virtual std::unique_ptr<ProgressBox> OpenProgress(QWidget* parent, const std::string& title) = 0;

    // The print options on the job's printer (which printer, copies, output
    // file), after the warnings when there are any (what the layout would
    // not print whole); false when the operator cancels.
    virtual bool PrintOptions(QWidget* parent, const std::string& text, const std::string& warnings,
                              QPrinter& printer) = 0;

    // Shows finished pages on screen until the operator closes the preview.
    virtual void ShowPreview(QWidget* parent, const std::string& title, const std::vector<Page>& pages) = 0;
};

// The screens in force (the Qt ones unless a test installed others).
Screens& CurrentScreens();
void InstallScreens(Screens* screens);   // nullptr puts the Qt ones back

} // namespace report
