// "Desi&gn": the kind's variables and fields, from the first records of its
// tables, are declared to the engine, whose designer then opens on the
// kind's layout file.
#include "print_layouts/print_layout_window.h"

#include <QLineEdit>

#include "dbengine/recordset.h"

#include "print_layouts/kinds.h"
#include "print_layouts/messages.h"
#include "winfs/runtime_error.h"

namespace utilita::print {

void PrintLayoutWindow::DeclareWidestLineValues(dao::Recordset& lines) {
    // Every line passes through the engine, which keeps each field's widest
    // value for a new layout's columns; the first line is declared last, as
    // the sample the designer shows.
    if (lines.RecordCount() == 0) return;
    for (lines.MoveFirst(); !lines.AtEOF(); lines.MoveNext()) DefineLineFields();
    lines.MoveFirst();
    DefineLineFields();
}

void PrintLayoutWindow::OnDesignClicked() {
    const DocumentKind* kind = CommandKind();
    if (!kind) return;
    std::string layoutFile;
    try {
        BindTables(*kind);
        layoutFile = layoutFileBox->text().toStdString();
        report_.ClearFirstDefinitionList();
        report_.ClearSecondDefinitionList();
        MoveToFirstRecords();
        DefineHeaderVariables();
        DefineLineFields();
        DeclareWidestLineValues(lineData_.GetRecordset());
    } catch (const vb::RuntimeError& error) {
        ReleasePrintDatabase();
        ReportDatabaseError(error);
        return;
    }
    // The designer may stay open long: the print database is not held meanwhile.
    ReleasePrintDatabase();
    // A cancelled selection still leads to the designer, on the path as it was.
    report_.ChooseLayoutFile(this, report::kProjectList, layoutFile);
    // The designer's "Anteprima" prints the kind's first document in mode 512.
    report_.SetDesignPreview([this] { PrintDocument(report::kPrintToPreview); });
    const report::Answer answer =
        report::AnswerOf(report_.OpenLayoutDesigner(this, kDesignerTitle, report::kProjectList, layoutFile));
    report_.SetDesignPreview(nullptr);
    // A damaged layout the operator chose to keep has nothing more to say.
    if (answer != report::Answer::Ok && answer != report::Answer::Cancelled) ReportJobFailure(answer, layoutFile);
}

} // namespace utilita::print
