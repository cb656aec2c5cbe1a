// Print jobs: the page part and the lines go into a real PDF file when there
// is no printer, into a preview in mode 512, and nowhere after a cancel.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "report/model/layout_file.h"
#include "support/damaged_image.h"
#include "support/pdf_text.h"
#include "report/print/print_options_dialog.h"
#include "support/report_fixture.h"
#include "support/temp_dir.h"

namespace report_testing {
namespace {

using namespace report;

class PrintJob : public ReportTest {
protected:
    PrintJob() {
        Layout layout;
        layout.header.push_back({ItemKind::Text, "FATTURA", "", 10, 10, 80, 16, true, ValueFormat::Auto});
        layout.header.push_back({ItemKind::Variable, "nominativo", "Spett.le ", 10, 25, 120, 11, false,
                                 ValueFormat::Auto});
        layout.header.push_back({ItemKind::Variable, "data_fattura", "Data ", 140, 25, 60, 11, false,
                                 ValueFormat::Auto});
        layout.table.top = 50;
        layout.table.bottom = 280;
        layout.table.columns.push_back({"articolo", "Descrizione", 120, Align::Left, ValueFormat::Auto});
        layout.table.columns.push_back({"importo", "Importo", 40, Align::Right, ValueFormat::Amount});
        WriteLayout("Fattura.LST", layout);
        Declare("nominativo", "Ferramenta Bianchi S.r.l.", kFieldTypeText);
        Declare("data_fattura", "45366", kFieldTypeDate);
    }

    void Declare(const std::string& name, std::string contents, std::int32_t type) {
        engine.AddHeaderVariable(name, contents, type);
    }
    void Line(std::string article, std::string amount) {
        engine.AddLineField("articolo", article, kFieldTypeText);
        engine.AddLineField("importo", amount, kFieldTypeText);
    }
    // The print loop as callers make it: repeat a line on a new page while
    // the engine asks to.
    void OutputLines(int count) {
        for (int i = 1; i <= count; ++i) {
            engine.SetProgress("Stampa", i * 100 / count);
            Line("Articolo numero " + std::to_string(i), std::to_string(i * 1000) + ".5");
            std::int32_t r = engine.OutputLine();
            while (r == kResultRepeat) {
                engine.OutputPageObjects();
                r = engine.OutputLine();
            }
        }
    }
    std::int32_t Begin(std::int32_t mode, std::string layoutFile = "C:\\archivi\\Fattura.LST") {
        return engine.BeginPrintJob(kProjectList, layoutFile, mode, 2, nullptr, "Printing invoice");
    }
};

TEST_F(PrintJob, WithoutPrinterTheDocumentGoesToAPdfBesideTheLayout) {
    ASSERT_EQ(Begin(kPrintToPrinter), kResultOk);
    EXPECT_EQ(screens.progressTitles, std::vector<std::string>{"Printing invoice"});
    EXPECT_EQ(screens.progressBoxesOpen, 1);
    ASSERT_EQ(engine.ShowPrintOptions(nullptr, "Configurazione parametri di stampa"), kResultOk);
    EXPECT_EQ(screens.optionTexts, std::vector<std::string>{"Configurazione parametri di stampa"});
    EXPECT_EQ(engine.OutputPageObjects(), kResultOk);
    OutputLines(2);
    EXPECT_EQ(engine.FinishLines(), kResultOk);
    EXPECT_EQ(engine.EndPrintJob(0), kResultOk);

    EXPECT_EQ(screens.progressBoxesOpen, 0) << "the progress box lives until the job ends";
    EXPECT_EQ(screens.progressSteps.back(), (std::pair<std::string, int>{"Stampa", 100}));
    EXPECT_EQ(engine.OutputFileName(), Archive("Fattura.pdf").string());
    const std::string text = PdfText(Archive("Fattura.pdf"));
    for (const char* expected : {"FATTURA", "Spett.le Ferramenta Bianchi S.r.l.", "Data 15/03/2024", "Descrizione",
                                 "Articolo numero 1", "1.000,50", "Articolo numero 2", "2.000,50"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing from:\n" << text;
    EXPECT_EQ(PdfPages(Archive("Fattura.pdf")), 1);
}

TEST_F(PrintJob, AnImageThatDoesNotDecodeIsToldBeforePrinting) {
    Layout layout;
    ASSERT_EQ(LoadLayout(Archive("Fattura.LST"), layout), LayoutLoad::Loaded);
    layout.shapes.push_back(DamagedLogo());
    WriteLayout("Fattura.LST", layout);
    ASSERT_EQ(Begin(kPrintToPrinter), kResultOk);
    ASSERT_EQ(engine.ShowPrintOptions(nullptr, "Configurazione parametri di stampa"), kResultOk);
    ASSERT_EQ(screens.optionWarnings.size(), 1u);
    EXPECT_NE(screens.optionWarnings[0].find("L'immagine n. 1 (PNG, posizione 15 x 10 mm) del modulo non è leggibile."),
              std::string::npos) << screens.optionWarnings[0];
}

TEST_F(PrintJob, LinesBeyondThePageContinueOnNewPagesUnderThePagePart) {
    ASSERT_EQ(Begin(kPrintToPrinter), kResultOk);
    ASSERT_EQ(engine.ShowPrintOptions(nullptr, "Configurazione parametri di stampa"), kResultOk);
    engine.OutputPageObjects();
    OutputLines(120);
    engine.FinishLines();
    ASSERT_EQ(engine.EndPrintJob(0), kResultOk);

    const std::string text = PdfText(Archive("Fattura.pdf"));
    const int pages = PdfPages(Archive("Fattura.pdf"));
    EXPECT_GE(pages, 2);
    std::size_t at = 0, headers = 0;
    while ((at = text.find("Spett.le Ferramenta Bianchi", at)) != std::string::npos) ++headers, ++at;
    EXPECT_EQ(headers, static_cast<std::size_t>(pages)) << "the page part on every page";
    ASSERT_EQ(screens.progressPages.size(), static_cast<std::size_t>(pages)) << "the box shows each page printed";
    EXPECT_EQ(screens.progressPages.back(), std::make_pair(pages, pages));
    for (int i = 1; i <= 120; ++i) {
        const std::string line = "Articolo numero " + std::to_string(i) + " ";
        EXPECT_EQ(text.find(line), text.rfind(line)) << "line " << i << " printed twice";
        EXPECT_NE(text.find(line), std::string::npos) << "line " << i << " lost";
    }
}

TEST_F(PrintJob, ACancelInTheOptionsOrTheProgressBoxPrintsNothing) {
    screens.CancelPrintOptions();
    ASSERT_EQ(Begin(kPrintToPrinter), kResultOk);
    EXPECT_EQ(engine.ShowPrintOptions(nullptr, "Configurazione parametri di stampa"), kResultCancelled);
    EXPECT_EQ(engine.EndPrintJob(0), kResultOk);
    EXPECT_FALSE(fs::exists(Archive("Fattura.pdf")));
    EXPECT_EQ(screens.progressBoxesOpen, 0);

    screens.CancelProgressAt(2);
    ASSERT_EQ(Begin(kPrintToPrinter), kResultOk);
    ASSERT_EQ(engine.ShowPrintOptions(nullptr, "Configurazione parametri di stampa"), kResultOk);
    engine.OutputPageObjects();
    OutputLines(3);
    EXPECT_EQ(engine.FinishLines(), kResultCancelled);
    EXPECT_EQ(engine.EndPrintJob(0), kResultOk);
    EXPECT_FALSE(fs::exists(Archive("Fattura.pdf")));
    EXPECT_TRUE(engine.OutputFileName().empty());
}

TEST_F(PrintJob, APreviewIsKeptUntilShownAndThenDiscarded) {
    std::string layoutFile = "C:\\archivi\\Fattura.LST";
    ASSERT_EQ(Begin(kPrintToPreview), kResultOk);
    ASSERT_EQ(engine.ShowPrintOptions(nullptr, "Configurazione parametri di stampa"), kResultOk);
    engine.OutputPageObjects();
    OutputLines(1);
    engine.FinishLines();
    ASSERT_EQ(engine.EndPrintJob(0), kResultOk);
    EXPECT_FALSE(fs::exists(Archive("Fattura.pdf")));
    EXPECT_TRUE(engine.OutputFileName().empty());
    ASSERT_TRUE(fs::exists(ReportControl::PreviewFileFor(layoutFile)));

    EXPECT_EQ(engine.ShowPreview(layoutFile, "", nullptr), kResultOk);
    ASSERT_EQ(screens.previews.size(), 1u);
    ASSERT_EQ(screens.previews[0].size(), 1u);
    std::vector<QString> texts;
    for (const PageText& t : screens.previews[0][0].texts) texts.push_back(t.text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), QStringLiteral("Articolo numero 1")), texts.end());
    EXPECT_EQ(screens.previewTitles[0], "Anteprima di stampa - Fattura.LST");

    EXPECT_EQ(engine.DiscardPreview(layoutFile, ""), kResultOk);
    EXPECT_FALSE(fs::exists(ReportControl::PreviewFileFor(layoutFile)));
    EXPECT_EQ(engine.ShowPreview(layoutFile, "", nullptr), kResultNoOutput);
}

TEST_F(PrintJob, NoJobWithoutAUsableLayoutAndNoJobOperationsWithoutAJob) {
    std::ofstream(Archive("Rotto.LST")) << "not a layout";
    EXPECT_EQ(Begin(kPrintToPrinter, "C:\\archivi\\Manca.LST"), kResultNoLayout);
    EXPECT_EQ(Begin(kPrintToPrinter, "C:\\archivi\\Rotto.LST"), kResultBadLayout);
    EXPECT_EQ(Begin(1024), kResultBadArgument);
    EXPECT_TRUE(screens.progressTitles.empty());
    EXPECT_FALSE(engine.JobOpen());
    EXPECT_EQ(engine.ShowPrintOptions(nullptr, "x"), kResultNoJob);
    EXPECT_EQ(engine.OutputPageObjects(), kResultNoJob);
    EXPECT_EQ(engine.OutputLine(), kResultNoJob);
    EXPECT_EQ(engine.FinishLines(), kResultNoJob);
    EXPECT_EQ(engine.EndPrintJob(0), kResultNoJob);
}

TEST_F(PrintJob, APdfThatCannotBeWrittenIsReportedWithItsName) {
    fs::create_directories(Archive("Fattura.pdf"));   // a folder where the file should go
    ASSERT_EQ(Begin(kPrintToPrinter), kResultOk);
    ASSERT_EQ(engine.ShowPrintOptions(nullptr, "Configurazione parametri di stampa"), kResultOk);
    engine.OutputPageObjects();
    OutputLines(1);
    engine.FinishLines();
    EXPECT_EQ(engine.EndPrintJob(0), kResultNoOutput);
    EXPECT_EQ(engine.OutputFileName(), Archive("Fattura.pdf").string());
}

TEST_F(PrintJob, ThePrintOptionsShowTheOutputFileAsADrivePathAndPrintToTheHostFile) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Archive("Fattura.pdf").string()));
    PrintOptionsDialog dialog(&printer, nullptr);
    dialog.show();   // Qt fills in the printers and the file as it shows the dialog
    QCoreApplication::processEvents();
    auto* outputFile = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    ASSERT_NE(outputFile, nullptr);
    EXPECT_EQ(outputFile->text(), QStringLiteral("C:\\archivi\\Fattura.pdf"));
    outputFile->setText(QStringLiteral("C:\\archivi\\Copia.pdf"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(printer.outputFileName().toStdString(), Archive("Copia.pdf").string());
}

// Print pressed from a working folder the user cannot write: the file is
// checked and written as the host knows it, nothing is made in the working
// folder (not even through a link named like the drive path), and the
// question on an existing file names it as the operator reads it.
TEST_F(PrintJob, ThePrintOptionsCheckTheHostFileWhateverTheWorkingFolder) {
    testing_support::TempDir working;
    const fs::path planted = working.path() / "C:\\archivi\\Fattura.pdf";
    fs::create_symlink(working.path() / "made-through-the-link", planted);
    fs::permissions(working.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path saved = fs::current_path();
    fs::current_path(working.path());
    // A message box of Qt's own would wait for a click: closed if one shows.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
    });
    closer.start(100);
    auto pressPrint = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(Archive("Fattura.pdf").string()));
        PrintOptionsDialog dialog(&printer, nullptr);
        dialog.show();
        QCoreApplication::processEvents();
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        return dialog.result();
    };
    QPrinter printer;
    const int answer = pressPrint(printer);
    fs::current_path(saved);
    EXPECT_EQ(answer, QDialog::Accepted);
    EXPECT_TRUE(boxes.Requests().empty());
    QPainter painter;
    ASSERT_TRUE(painter.begin(&printer));
    painter.drawText(100, 100, QStringLiteral("FATTURA"));
    ASSERT_TRUE(painter.end());
    EXPECT_TRUE(fs::is_regular_file(Archive("Fattura.pdf")));
    EXPECT_EQ(std::distance(fs::directory_iterator(working.path()), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_symlink(planted));
    EXPECT_FALSE(fs::exists(working.path() / "made-through-the-link"));

    QPrinter again;
    EXPECT_EQ(pressPrint(again), QDialog::Rejected) << "No to the question keeps the dialog";
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_NE(boxes.Requests()[0].text.find("C:\\archivi\\Fattura.pdf"), std::string::npos);
}

} // namespace
} // namespace report_testing
