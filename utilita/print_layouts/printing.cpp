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
#include "winfs/runtime_error.h"

namespace utilita::print {

namespace {

// To the nearest whole number, a half to the even neighbour.
std::int32_t Percent(double position) {
    return static_cast<std::int32_t>(std::nearbyint(position));
}

} // namespace

void laform::Command2_Click() {
    const std::int16_t printMode = report::kPrintToPrinter;
    PrintDocument(printMode);
}

void laform::ShowPrinted(std::int16_t printMode, std::string& layoutFile, const DocumentKind& kind) {
    if (printMode == report::kPrintToPreview) {
        LL8.ShowPreview(layoutFile, "", this);
        LL8.DiscardPreview(layoutFile, "");
    } else if (!LL8.OutputFileName().empty()) {
        // No printer: the operator must learn where the document went.
        ui::ShowMessage(this, std::string(kPrintedToFile) + "\r\n" + LL8.OutputFileName(), ui::Buttons::Ok,
                        ui::Icon::Information, kMessageTitle);
    }
    ReportPrintWarnings(kind);
}

void laform::PrintDocument(const std::int16_t& printMode) {
    if (Text1[1]->text() == QLatin1String(kNoKind)) return;
    const DocumentKind* kind = ChosenKind();
    if (!kind) return;
    std::string layoutFile;
    try {
        BindTables(*kind);
        layoutFile = Text1[1]->text().toStdString();
        dao::Recordset& header = Data1.GetRecordset();
        dao::Recordset& lines = Data2.GetRecordset();
        if (header.RecordCount() == 0) {
            Warn(kNoDocument);
            return;
        }
        // Walks the line table from its first record, if it has one.
        auto firstRecords = [&] {
            header.MoveFirst();
            if (lines.RecordCount() > 0) lines.MoveFirst();
        };
        firstRecords();
        documentName_ = header.Fields(0).Name() + " " + header.Fields(0).Value().ToString();
        LL8.ClearFirstDefinitionList();
        LL8.ClearSecondDefinitionList();
        DefineHeaderVariables();
        DefineLineFields();

        ReleasePrintDatabase();
        if (LL8.ChooseLayoutFile(this, report::kProjectList, layoutFile) == report::ResultCancelled) return;
        std::int32_t answer = LL8.BeginPrintJob(report::kProjectList, layoutFile, printMode, 2, this, kProgressTitle);
        if (answer != report::kResultOk) {
            ReportJobFailure(answer, layoutFile);
            return;
        }
        if (LL8.ShowPrintOptions(this, kPrintOptionsText) == report::ResultCancelled) {
            LL8.EndPrintJob(0);
            return;
        }

        firstRecords();
        DefineHeaderVariables();
        LL8.OutputPageObjects();
        while (!lines.AtEOF()) {
            LL8.SetProgress(kProgressText, Percent(lines.PercentPosition()));
            if (BelongsToDocument(lines.Fields(1).Value(), header.Fields(0).Value())) {
                DefineLineFields();
                answer = LL8.OutputLine();
                while (answer == report::ResultRepeat) {
                    LL8.OutputPageObjects();
                    answer = LL8.OutputLine();
                }
            }
            lines.MoveNext();
        }
        do {
            answer = LL8.FinishLines();
        } while (answer == report::ResultRepeat);
        const std::int32_t finished = answer;
        ReleasePrintDatabase();   // before the preview or a message waits on the operator

        if (LL8.EndPrintJob(0) != report::kResultOk) {
            ReportJobFailure(report::kResultNoOutput, layoutFile);
            return;
        }
        if (finished != report::ResultCancelled) ShowPrinted(printMode, layoutFile, *kind);
    } catch (const vb::RuntimeError& error) {
        // Nothing half done reaches the paper.
        LL8.AbandonPrintJob();
        ReleasePrintDatabase();
        ReportDatabaseError(error);
    }
}

} // namespace utilita::print
