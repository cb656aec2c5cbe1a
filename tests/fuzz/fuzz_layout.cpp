// A layout file printed as Utilita prints a document: page part, lines
// repeated on a new page while the engine asks, footer, then the job ends
// in a PDF file beside the layout (the scripted screens have no printer);
// then the designer is opened on it.
#include "fuzz_entries.h"
#include "fuzz_scratch.h"

#include "report/control/report_control.h"
#include "report/designer/design_request.h"
#include "report/model/layout_edits.h"
#include "report/model/paper_change.h"
#include "support/scripted_message_boxes.h"
#include "support/scripted_screens.h"

namespace fuzz {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLayoutFile = "C:\\archivi\\Fattura.LST";
constexpr int kLines = 3;

void DeclareHeader(report::ReportControl& control) {
    std::string name = "Ferramenta Bianchi S.r.l.", date = "45366", total = "3001.5", paid = "-1";
    control.AddHeaderVariable("nominativo", name, report::kFieldTypeText);
    control.AddHeaderVariable("data_fattura", date, report::kFieldTypeDate, report::ColumnType::Date);
    control.AddHeaderVariable("totale", total, report::kFieldTypeNumeric, report::ColumnType::Currency);
    control.AddHeaderVariable("pagato", paid, report::kFieldTypeBoolean);
}

void DeclareLine(report::ReportControl& control, int line) {
    std::string article = "Articolo numero " + std::to_string(line), quantity = std::to_string(line),
                amount = std::to_string(line * 1000) + ".5";
    control.AddLineField("articolo", article, report::kFieldTypeText);
    control.AddLineField("quantita", quantity, report::kFieldTypeNumeric, report::ColumnType::Number);
    control.AddLineField("importo", amount, report::kFieldTypeNumeric, report::ColumnType::Currency);
}

void PrintDocument(report::ReportControl& control) {
    std::string layoutFile = kLayoutFile;
    if (control.BeginPrintJob(report::kProjectList, layoutFile, report::kPrintToPrinter, 2, nullptr, "Stampa") !=
        report::kResultOk)
        return;
    // The lines looked at before the options, as the programs do.
    for (int line = 1; line <= kLines; ++line) {
        DeclareLine(control, line);
        control.CheckLine();
    }
    control.ShowPrintOptions(nullptr, "Configurazione parametri di stampa");
    control.OutputPageObjects();
    for (int line = 1; line <= kLines; ++line) {
        DeclareLine(control, line);
        std::int32_t answer = control.OutputLine();
        while (answer == report::kResultRepeat) {
            control.OutputPageObjects();
            answer = control.OutputLine();
        }
    }
    while (control.FinishLines() == report::kResultRepeat) {
    }
    control.EndPrintJob(0);
}

} // namespace

int FuzzLayout(const std::uint8_t* data, std::size_t size) {
    EnsureOffscreenApplication();
    const fs::path folder = ScratchDrives() / "c" / "archivi";
    WriteFile(folder / "Fattura.LST", AsText(data, size));
    report::ScriptedScreens screens;
    ui::ScriptedMessageBoxes boxes;
    {
        report::ReportControl control;
        DeclareHeader(control);
        PrintDocument(control);
        // The designer's opening too: a damaged file kept aside, what lies off the paper brought onto it.
        std::string layoutFile = kLayoutFile;
        control.OpenLayoutDesigner(nullptr, "Impostazione modulo Fattura", report::kProjectList, layoutFile);
        // and a paper change there and back, sized by the paper the file says it was designed on.
        for (report::DesignRequest& design : screens.designs) {
            report::BringIntoPage(design.layout);
            const double width = design.layout.pageWidth, height = design.layout.pageHeight;
            report::ChangePaper(design.layout, 148, 210);
            report::ChangePaper(design.layout, width, height);
        }
    }
    std::error_code ec;
    fs::remove(folder / "Fattura.pdf", ec);
    fs::remove(folder / "Fattura.LST.danneggiato", ec);
    fs::remove(folder / "Fattura.LST.danneggiato.2", ec);
    return 0;
}

} // namespace fuzz
