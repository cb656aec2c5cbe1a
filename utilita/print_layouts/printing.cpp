// "&Stampa": the first document of the chosen kind, its header record with
// the line records that belong to it, through the engine's print job.
#include "print_layouts/print_layout_window.h"

#include <cmath>

#include <QLineEdit>

#include "widgets/notice.h"
#include "print_layouts/definitions.h"
#include "print_layouts/kinds.h"
#include "print_layouts/messages.h"
#include "ui/message_box.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace utilita::print {

namespace {

// To the nearest whole number, a half to the even neighbour.
std::int32_t Percent(double position) {
    return static_cast<std::int32_t>(std::nearbyint(position));
}

} // namespace

void PrintLayoutWindow::OnPrintClicked() {
    const std::int16_t printMode = report::kPrintToPrinter;
    PrintDocument(printMode);
}

void PrintLayoutWindow::ShowPrinted(std::int16_t printMode, std::string& layoutFile, const DocumentKind& kind) {
    if (printMode == report::kPrintToPreview) {
        report_.ShowPreview(layoutFile, "", this);
        report_.DiscardPreview(layoutFile, "");
    } else if (!report_.OutputFileName().empty()) {
        // No printer: the operator must learn where the document went.
        ui::ShowMessage(this, std::string(kPrintedToFile) + "\r\n" + winfs::WindowsForm(report_.OutputFileName()),
                        ui::Buttons::Ok,
                        ui::Icon::Information, kMessageTitle);
    }
    ReportPrintWarnings(kind);
}

bool PrintLayoutWindow::CurrentLineIsOwn() {
    return BelongsToDocument(lineData_.GetRecordset().Fields(1).Value(), headerData_.GetRecordset().Fields(0).Value());
}

void PrintLayoutWindow::CheckDocumentLines() {
    dao::Recordset& lines = lineData_.GetRecordset();
    if (lines.RecordCount() == 0) return;
    for (lines.MoveFirst(); !lines.AtEOF(); lines.MoveNext()) {
        if (!CurrentLineIsOwn()) continue;
        DefineLineFields();
        report_.CheckLine();
    }
}

void PrintLayoutWindow::PrintDocument(const std::int16_t& printMode) {
    const DocumentKind* kind = CommandKind();
    if (!kind) return;
    std::string layoutFile;
    try {
        BindTables(*kind);
        layoutFile = layoutFileBox->text().toStdString();
        dao::Recordset& header = headerData_.GetRecordset();
        dao::Recordset& lines = lineData_.GetRecordset();
        if (header.RecordCount() == 0) {
            Warn(kNoDocument);
            return;
        }
        MoveToFirstRecords();
        documentName_ = header.Fields(0).Name() + " " + header.Fields(0).Value().ToString();
        report_.ClearFirstDefinitionList();
        report_.ClearSecondDefinitionList();
        DefineHeaderVariables();
        DefineLineFields();

        ReleasePrintDatabase();
        if (report::AnswerOf(report_.ChooseLayoutFile(this, report::kProjectList, layoutFile)) == report::Answer::Cancelled)
            return;
        report::Answer answer =
            report::AnswerOf(report_.BeginPrintJob(report::kProjectList, layoutFile, printMode, 2, this, kProgressTitle));
        if (answer != report::Answer::Ok) {
            ReportJobFailure(answer, layoutFile);
            return;
        }
        CheckDocumentLines();
        ReleasePrintDatabase();   // the options wait on the operator
        answer = report::AnswerOf(report_.ShowPrintOptions(this, kPrintOptionsText));
        if (answer != report::Answer::Ok) {
            report_.EndPrintJob(0);
            if (answer != report::Answer::Cancelled) ReportJobFailure(answer, layoutFile);
            return;
        }

        MoveToFirstRecords();
        DefineHeaderVariables();
        report_.OutputPageObjects();
        while (!lines.AtEOF()) {
            report_.SetProgress(kProgressText, Percent(lines.PercentPosition()));
            if (CurrentLineIsOwn()) {
                DefineLineFields();
                answer = report::AnswerOf(report_.OutputLine());
                while (answer == report::Answer::Repeat) {
                    report_.OutputPageObjects();
                    answer = report::AnswerOf(report_.OutputLine());
                }
            }
            lines.MoveNext();
        }
        do {
            answer = report::AnswerOf(report_.FinishLines());
        } while (answer == report::Answer::Repeat);
        const report::Answer finished = answer;
        ReleasePrintDatabase();   // before the preview or a message waits on the operator

        answer = report::AnswerOf(report_.EndPrintJob(0));
        if (answer != report::Answer::Ok) {
            ReportJobFailure(answer == report::Answer::NotWhole ? answer : report::Answer::NoOutput, layoutFile);
            return;
        }
        if (finished != report::Answer::Cancelled) ShowPrinted(printMode, layoutFile, *kind);
    } catch (const vb::RuntimeError& error) {
        // Nothing half done reaches the paper.
        report_.AbandonPrintJob();
        ReleasePrintDatabase();
        ReportDatabaseError(error);
    }
}

} // namespace utilita::print
