#pragma once
// The report control: a window's report engine. The caller declares the
// variables of the page part and the fields of the table lines (names,
// contents, type codes), then either opens the designer on a layout file or
// prints through a job: page part, lines one by one, end; in mode 512 the job
// makes a preview that is shown and then discarded.
//
// Layout files are Windows paths (winfs::Resolve) or host paths. A job in
// mode 256 goes to the system's default printer, or, when there is none, to
// a PDF file beside the layout file (Fattura.LST -> Fattura.pdf).
#include <cstdint>
#include <functional>
#include <optional>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "report/model/definitions.h"
#include "report/model/layout.h"
#include "report/model/report_codes.h"

class QWidget;

namespace report {

struct DesignRequest;
struct PrintJob;

class ReportControl {
public:
    ReportControl();
    ~ReportControl();
    ReportControl(const ReportControl&) = delete;
    ReportControl& operator=(const ReportControl&) = delete;

    // ---- definitions
    void ClearFirstDefinitionList();       // the variables
    void ClearSecondDefinitionList();      // the fields
    // Declaring a name again refreshes its contents in place. The column's
    // type, when given, chooses the format of an Auto item or column; the
    // typed value, when given, is what prints (the contents are then its text
    // for the caller's own use).
    std::int32_t AddHeaderVariable(const std::string& name, std::string& contents, std::int32_t type,
                                   ColumnType column = ColumnType::Unknown, const FieldValue& value = {});
    std::int32_t AddLineField(const std::string& name, std::string& contents, std::int32_t type,
                              ColumnType column = ColumnType::Unknown, const FieldValue& value = {});
    const DefinitionList& Variables() const { return variables_; }
    const DefinitionList& Fields() const { return fields_; }

    // ---- design
    // Lets the operator confirm or change the layout file; a change is left
    // in layoutFile. kResultCancelled when the operator cancels.
    std::int16_t ChooseLayoutFile(QWidget* window, std::int32_t projectKind, std::string& layoutFile);
    // The designer on the layout file with the declared variables and fields;
    // a missing file starts from the default layout, and so does a damaged
    // one when the operator agrees. Returns when the operator closes it;
    // kResultCancelled when the operator keeps a damaged file, kResultBadLayout
    // when it cannot be kept aside.
    std::int32_t OpenLayoutDesigner(QWidget* window, const std::string& title, std::int32_t projectKind,
                                    std::string& layoutFile);

    // ---- printing
    // Opens a job on the layout file and shows the progress box.
    // kResultNoLayout / kResultBadLayout when the file is missing or not a layout.
    std::int32_t BeginPrintJob(std::int32_t projectKind, std::string& layoutFile, std::int32_t printMode,
                               std::int32_t boxKind, QWidget* window, const std::string& progressTitle);
    // Before the print options: one line of the document, from the fields
    // as declared last, looked at as it will print.
    std::int32_t CheckLine();
    // The print options (printer, copies, output file), after a warning of
    // each box that would not print a value of the page part or of the lines
    // checked whole; kResultCancelled on a cancel, kResultNotWhole (why in
    // LayoutProblem) when the layout's pages cannot hold the document whole.
    std::int32_t ShowPrintOptions(QWidget* window, const std::string& text);
    // Opens a page with the page part, from the variables as declared last.
    std::int32_t OutputPageObjects();
    std::int32_t SetProgress(const std::string& text, std::int32_t percent);
    // One table line from the fields as declared last; kResultRepeat when the
    // page is full (output the page part, then the same line again).
    std::int32_t OutputLine();
    // Closes the table and prints its footer; kResultRepeat when the footer
    // found no room (the next call puts it on a new page under the page
    // part), kResultCancelled when the operator stopped the job.
    std::int32_t FinishLines();
    // Ends the job: puts its pages on the printer, the PDF file or the
    // preview, unless it was cancelled. kResultNoOutput when they cannot be written,
    // kResultNotWhole (nothing printed) when they do not hold the document whole.
    std::int32_t EndPrintJob(std::int32_t options);
    std::int32_t ShowPreview(std::string& layoutFile, const std::string& text, QWidget* window);
    std::int32_t DiscardPreview(std::string& layoutFile, const std::string& text);
    // Drops an open job unprinted (its caller failed half way).
    void AbandonPrintJob();

    // The file the last finished job was written to, or failed to be written
    // to (a PDF when there was no printer, or the file the operator chose in
    // the options); empty after a printer, a preview or a cancel.
    const std::string& OutputFileName() const { return outputFile_; }
    // What the last printed job could not print as it is (values that do
    // not fit, names the data does not have, an empty layout); the job
    // printed all the same.
    const std::vector<std::string>& Warnings() const { return warnings_; }
    // Why the last layout file was refused, when it is ours but unusable.
    const std::string& LayoutProblem() const { return layoutProblem_; }
    bool JobOpen() const { return job_ != nullptr; }

    // Where a job prints when there is no printer, and where a preview waits.
    static std::filesystem::path PdfFileFor(const std::string& layoutFile);
    static std::filesystem::path PreviewFileFor(const std::string& layoutFile);

    // What the designer's "Anteprima" runs: the caller's own print of the
    // first document in mode 512. While it runs, the layout being edited
    // stands in for the layout file, and the file selection and the print
    // options pass without asking. Empty: the designer previews its sample.
    void SetDesignPreview(std::function<void()> preview) { designPreview_ = std::move(preview); }

private:
    // A file that is no layout: asks to start again from the default layout,
    // keeping the file beside it as <name>.danneggiato. False when the
    // operator says no (LayoutProblem empty) or the copy fails (why, in it).
    bool StartAgain(QWidget* window, const std::string& title, DesignRequest& request);

    std::function<void()> designPreview_;
    std::optional<Layout> previewLayout_;     // set while a design preview runs
    DefinitionList variables_;
    DefinitionList fields_;
    std::unique_ptr<PrintJob> job_;
    std::string outputFile_;
    std::vector<std::string> warnings_;
    std::string layoutProblem_;
};

} // namespace report
