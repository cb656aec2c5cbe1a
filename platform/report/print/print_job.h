#pragma once
// A print job of the report control, from BeginPrintJob to EndPrintJob.
#include <memory>
#include <string>

#include <QPrinter>

#include "report/composer/composer.h"
#include "report/composer/document_check.h"
#include "report/print/progress_box.h"

class QWidget;

namespace report {

struct PrintJob {
    PrintJob(Layout layout, std::int32_t printMode)
        : mode(printMode), composer(std::move(layout)), check(composer.GetLayout()) {}

    // Asks the progress box whether the operator stopped the job.
    bool CheckCancelled() {
        if (!cancelled && progress && progress->Cancelled()) cancelled = true;
        return cancelled;
    }

    std::int32_t mode;
    std::string layoutFile;
    QWidget* window = nullptr;
    Composer composer;
    DocumentCheck check;   // the document's values, before the print options
    QPrinter printer{QPrinter::HighResolution};
    std::unique_ptr<ProgressBox> progress;
    bool cancelled = false;
};

} // namespace report
