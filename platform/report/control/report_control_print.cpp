// The print job operations of the report control.
#include <system_error>

#include "report/composer/narrow_boxes.h"
#include "report/composer/page_objects.h"
#include "report/composer/unreadable_images.h"
#include "report/control/report_control.h"
#include "report/control/screens.h"
#include "report/model/layout_file.h"
#include "report/print/print_job.h"
#include "report/print/print_output.h"
#include "winfs/paths.h"

namespace report {

namespace {

// What the progress box says while the document's values are looked at.
constexpr const char* kCheckingText = "Controllo dei valori";

} // namespace

std::int32_t ReportControl::BeginPrintJob(std::int32_t projectKind, std::string& layoutFile, std::int32_t printMode,
                                          std::int32_t, QWidget* window, const std::string& progressTitle) {
    // A job left open by its caller is dropped, unprinted.
    job_.reset();
    outputFile_.clear();
    warnings_.clear();
    layoutProblem_.clear();
    if (projectKind != kProjectList || (printMode != kPrintToPrinter && printMode != kPrintToPreview))
        return kResultBadArgument;
    Layout layout;
    switch (previewLayout_ ? (layout = *previewLayout_, LayoutLoad::Loaded)
                           : LoadLayout(winfs::Resolve(layoutFile), layout, &layoutProblem_)) {
    case LayoutLoad::Loaded: break;
    case LayoutLoad::Missing: return kResultNoLayout;
    case LayoutLoad::Unreadable: return kResultBadLayout;
    case LayoutLoad::Newer: return kResultNewerLayout;
    }

    auto job = std::make_unique<PrintJob>(layout, printMode);
    job->layoutFile = layoutFile;
    job->window = window;
    Screens& screens = CurrentScreens();
    if (printMode == kPrintToPrinter && !screens.PrinterAvailable()) {
        job->printer.setOutputFormat(QPrinter::PdfFormat);
        job->printer.setOutputFileName(QString::fromStdString(PdfFileFor(layoutFile).string()));
    }
    job->printer.setDocName(QString::fromStdString(winfs::Resolve(layoutFile).stem().string()));
    PreparePrinter(job->printer, layout);
    job->progress = screens.OpenProgress(window, progressTitle);
    job_ = std::move(job);
    return kResultOk;
}

std::int32_t ReportControl::CheckLine() {
    if (!job_) return kResultNoJob;
    if (previewLayout_) return kResultOk;   // the designer's preview asks no options
    if (job_->progress) job_->progress->Busy(kCheckingText);
    job_->check.Line(variables_, fields_);
    return kResultOk;
}

std::int32_t ReportControl::ShowPrintOptions(QWidget* window, const std::string& text) {
    if (!job_) return kResultNoJob;
    if (previewLayout_) return kResultOk;
    // An image that does not decode, and a box that would not print a value
    // whole, are told of before anything is printed.
    std::vector<std::string> told = UnreadableImages(job_->composer.GetLayout());
    for (std::string& narrow : job_->check.Finish(variables_, fields_)) told.push_back(std::move(narrow));
    const std::string warnings = ShortList(told);
    // A document the pages cannot hold whole is not offered for printing at all.
    if (!job_->check.Failure().empty()) {
        layoutProblem_ = job_->check.Failure();
        job_->cancelled = true;
        return kResultNotWhole;
    }
    if (!CurrentScreens().PrintOptions(window, text, warnings, job_->printer)) {
        job_->cancelled = true;
        return kResultCancelled;
    }
    return kResultOk;
}

std::int32_t ReportControl::OutputPageObjects() {
    if (!job_) return kResultNoJob;
    job_->composer.OutputPageObjects(variables_);
    return kResultOk;
}

std::int32_t ReportControl::SetProgress(const std::string& text, std::int32_t percent) {
    if (!job_) return kResultNoJob;
    if (job_->progress) job_->progress->SetProgress(text, percent);
    return kResultOk;
}

std::int32_t ReportControl::OutputLine() {
    if (!job_) return kResultNoJob;
    // After a cancel the rest is not laid out: nothing will be printed.
    if (job_->CheckCancelled()) return kResultCancelled;
    return job_->composer.OutputLine(fields_) ? kResultOk : kResultRepeat;
}

std::int32_t ReportControl::FinishLines() {
    if (!job_) return kResultNoJob;
    if (job_->CheckCancelled()) return kResultCancelled;
    return job_->composer.FinishLines(variables_, fields_) ? kResultOk : kResultRepeat;
}

std::int32_t ReportControl::EndPrintJob(std::int32_t) {
    if (!job_) return kResultNoJob;
    std::unique_ptr<PrintJob> job = std::move(job_);
    std::vector<Page> pages = job->composer.Pages();
    NumberPages(pages);
    if (job->cancelled || pages.empty()) return kResultOk;
    if (!job->composer.Failure().empty()) {
        layoutProblem_ = job->composer.Failure();
        return kResultNotWhole;
    }
    warnings_ = job->composer.Warnings();
    if (job->mode == kPrintToPreview) {
        job->progress.reset();
        if (WritePages(PreviewFileFor(job->layoutFile), pages)) return kResultOk;
        outputFile_ = PreviewFileFor(job->layoutFile).string();
        return kResultNoOutput;
    }
    outputFile_ = job->printer.outputFileName().toStdString();
    // The options dialog may have changed the paper: the layout's own wins.
    PreparePrinter(job->printer, job->composer.GetLayout());
    // The box stays up while the pages go out, the longest part of a long document.
    const int count = static_cast<int>(pages.size());
    const auto onPage = [&job, count](int page) {
        if (job->progress) job->progress->Printing(page, count);
    };
    const bool printed = PrintPages(job->printer, pages, onPage);
    job->progress.reset();
    return printed ? kResultOk : kResultNoOutput;
}

void ReportControl::AbandonPrintJob() {
    job_.reset();
}

std::int32_t ReportControl::ShowPreview(std::string& layoutFile, const std::string&, QWidget* window) {
    std::vector<Page> pages;
    if (!ReadPages(PreviewFileFor(layoutFile), pages)) return kResultNoOutput;
    CurrentScreens().ShowPreview(window, "Anteprima di stampa - " + winfs::Resolve(layoutFile).filename().string(),
                                 pages);
    return kResultOk;
}

std::int32_t ReportControl::DiscardPreview(std::string& layoutFile, const std::string&) {
    std::error_code ec;
    std::filesystem::remove(PreviewFileFor(layoutFile), ec);
    return kResultOk;
}

} // namespace report
