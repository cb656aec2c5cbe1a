// "&Stampa": the first document of the kind, with its own lines, printed
// through the engine into a real PDF file (there is no printer in tests).
#include "support/pdf_text.h"
#include "print_fixture.h"
#include "report/model/layout_file.h"

namespace print_testing {
namespace {

using report_testing::PdfPages;
using report_testing::PdfText;
using PrintCommand = PrintWindowTest;

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Header A-1 with its lines among others', A-9 with none.
std::vector<std::string> TextKeyedOrders(int extraLines) {
    std::vector<std::string> statements{
        "CREATE TABLE [ORDICLI] ([codice ordine] TEXT(10), [cliente] TEXT(40))",
        "INSERT INTO [ORDICLI] ([codice ordine], [cliente]) VALUES ('A-1', 'Cliente Rossi')",
        "INSERT INTO [ORDICLI] ([codice ordine], [cliente]) VALUES ('A-9', 'Cliente Verdi')",
        "CREATE TABLE [ORDICLI_VOCI] ([riga] LONG, [ordine] TEXT(10), [articolo] TEXT(40))",
        "INSERT INTO [ORDICLI_VOCI] ([riga], [ordine], [articolo]) VALUES (1, 'a-1', 'Riga minuscola')",
        "INSERT INTO [ORDICLI_VOCI] ([riga], [ordine], [articolo]) VALUES (2, NULL, 'Riga senza ordine')",
        "INSERT INTO [ORDICLI_VOCI] ([riga], [ordine], [articolo]) VALUES (3, 'A-1', 'Riga giusta')",
        "INSERT INTO [ORDICLI_VOCI] ([riga], [ordine], [articolo]) VALUES (4, 'A-2', 'Riga altrui')",
    };
    for (int i = 1; i <= extraLines; ++i)
        statements.push_back("INSERT INTO [ORDICLI_VOCI] ([riga], [ordine], [articolo]) VALUES (" +
                             std::to_string(10 + i) + ", 'A-1', 'Articolo nr " + std::to_string(i) + "')");
    return statements;
}

TEST_F(PrintCommand, FatturaVenditaPrintsTheFirstInvoiceWithItsOwnLines) {
    DemoPrintDatabase();
    DesignDefaultLayout("Command3");
    Click("Command2");

    EXPECT_EQ(screens.offeredFiles.back(), Archive("Fattura.LST"));
    EXPECT_EQ(screens.progressTitles, std::vector<std::string>{"Printing invoice"});
    EXPECT_EQ(screens.optionTexts, std::vector<std::string>{"Configurazione parametri di stampa"});
    // Every line of the table moves the progress box, its own or not.
    const std::vector<std::pair<std::string, int>> steps{
        {"Stampa", 0}, {"Stampa", 25}, {"Stampa", 50}, {"Stampa", 75}, {"Stampa", 100}};
    EXPECT_EQ(screens.progressSteps, steps);
    EXPECT_EQ(screens.progressBusy.size(), 3u) << "a busy bar while the invoice's own lines are looked at";
    EXPECT_EQ(screens.progressPages, (std::vector<std::pair<int, int>>{{1, 1}})) << "and while its page prints";
    EXPECT_EQ(screens.progressBoxesOpen, 0);

    const std::string text = PdfText(Archive("Fattura.pdf"));
    for (const char* own : {"Ferramenta Bianchi S.r.l.", "Via Giuseppe Verdi, 14", "15/03/2024", "436,30",
                            "Viti autofilettanti", "Trapano avvitatore", "Tassello in nylon", "233,82"})
        EXPECT_TRUE(Holds(text, own)) << own << " missing from:\n" << text;
    for (const char* other : {"Edilnord", "Cemento Portland", "Rete elettrosaldata"})
        EXPECT_FALSE(Holds(text, other)) << other << " belongs to the second invoice";
    EXPECT_EQ(PdfPages(Archive("Fattura.pdf")), 1);

    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, Lines({"Documento stampato nel file :", "C:\\archivi\\Fattura.pdf"}));
    EXPECT_EQ(Messages()[0].icon, ui::Icon::Information);
    EXPECT_EQ(Messages()[0].title, "Linea Vantorima 7  - Utilità");
}

TEST_F(PrintCommand, OrdineAcquistoPrintsTheFirstSupplierOrder) {
    DemoPrintDatabase();
    DesignDefaultLayout("Command7");
    Click("Command2");
    EXPECT_EQ(screens.offeredFiles.back(), Archive("ORDIFOR.LST"));
    const std::string text = PdfText(Archive("ORDIFOR.pdf"));
    EXPECT_TRUE(Holds(text, "Viteria Lombarda S.p.A.")) << text;
    EXPECT_TRUE(Holds(text, "VL-440-Z"));
    EXPECT_TRUE(Holds(text, "VL-T8N"));
    EXPECT_FALSE(Holds(text, "CA-FM-075G"));
    EXPECT_FALSE(Holds(text, "Colorificio"));
}

TEST_F(PrintCommand, OnlyLinesWhoseOwnerEqualsTheDocumentExactlyArePrinted) {
    PrintDatabase(TextKeyedOrders(0));
    DesignDefaultLayout("Command8");
    Click("Command2");
    const std::string text = PdfText(Archive("ORDICLI.pdf"));
    EXPECT_TRUE(Holds(text, "Cliente Rossi"));
    EXPECT_TRUE(Holds(text, "Riga giusta"));
    for (const char* foreign : {"Riga minuscola", "Riga senza ordine", "Riga altrui", "Cliente Verdi"})
        EXPECT_FALSE(Holds(text, foreign)) << foreign;
    EXPECT_EQ(screens.progressSteps.size(), 4u);
}

TEST_F(PrintCommand, ADocumentWithoutLinesPrintsItsPagePartAlone) {
    std::vector<std::string> statements = TextKeyedOrders(0);
    statements.erase(statements.begin() + 1);   // A-9 becomes the first document
    PrintDatabase(statements);
    DesignDefaultLayout("Command8");
    Click("Command2");
    const std::string text = PdfText(Archive("ORDICLI.pdf"));
    EXPECT_TRUE(Holds(text, "Cliente Verdi"));
    EXPECT_FALSE(Holds(text, "Riga"));
    EXPECT_EQ(PdfPages(Archive("ORDICLI.pdf")), 1);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].icon, ui::Icon::Information);
}

TEST_F(PrintCommand, LinesBeyondOnePageGoOnTheNextUnderTheSamePagePart) {
    PrintDatabase(TextKeyedOrders(150));
    DesignDefaultLayout("Command8");
    Click("Command2");
    const std::string text = PdfText(Archive("ORDICLI.pdf"));
    EXPECT_GE(PdfPages(Archive("ORDICLI.pdf")), 2);
    for (int i = 1; i <= 150; ++i) {
        const std::string line = "Articolo nr " + std::to_string(i) + "\n";
        const std::string spaced = "Articolo nr " + std::to_string(i) + " ";
        const std::size_t found = text.find(line) != std::string::npos ? text.find(line) : text.find(spaced);
        EXPECT_NE(found, std::string::npos) << "line " << i << " lost";
    }
}

TEST_F(PrintCommand, NothingIsPrintedBeforeAKindOrAfterACancel) {
    DemoPrintDatabase();
    Click("Command2");
    EXPECT_TRUE(screens.offeredFiles.empty());

    DesignDefaultLayout("Command3");
    const std::size_t offered = screens.offeredFiles.size();
    screens.CancelFileChoice();
    Click("Command2");
    EXPECT_EQ(screens.offeredFiles.size(), offered + 1);
    EXPECT_TRUE(screens.progressTitles.empty()) << "no job after a cancelled selection";

    screens.CancelPrintOptions();
    Click("Command2");
    EXPECT_EQ(screens.progressTitles.size(), 1u);
    EXPECT_EQ(screens.progressBoxesOpen, 0) << "the job was ended";
    EXPECT_TRUE(screens.progressSteps.empty());

    screens.CancelProgressAt(2);
    Click("Command2");
    EXPECT_EQ(screens.progressTitles.size(), 2u);
    EXPECT_EQ(screens.progressSteps.size(), 5u) << "the rest of the table is still walked";
    EXPECT_FALSE(fs::exists(Archive("Fattura.pdf")));
    EXPECT_TRUE(Messages().empty());

    // A new Stampa starts a job of its own.
    screens.CancelProgressAt(0);
    Click("Command2");
    EXPECT_EQ(screens.progressTitles.size(), 3u);
    EXPECT_TRUE(fs::exists(Archive("Fattura.pdf")));
}

TEST_F(PrintCommand, TheFileChosenInTheSelectionIsTheOnePrinted) {
    DemoPrintDatabase();
    DesignDefaultLayout("Command5");
    fs::copy_file(Archive("DDT.LST"), Archive("DDT copia.LST"));
    screens.ChooseFile(Archive("DDT copia.LST"));
    Click("Command2");
    EXPECT_TRUE(fs::exists(Archive("DDT copia.pdf")));
    EXPECT_FALSE(fs::exists(Archive("DDT.pdf")));
    EXPECT_EQ(Box(1), QStringLiteral("C:\\archivi\\DDT.LST"));
}

TEST_F(PrintCommand, WhatCannotBePrintedIsToldAndNothingIsPrinted) {
    // No print database.
    Click("Command3");
    Click("Command2");
    // No document in the header table.
    PrintDatabase({"CREATE TABLE [FATTURAV] ([id fattura] LONG)",
                   "CREATE TABLE [FATTURAV_VOCI] ([id voce] LONG, [id fattura] LONG)"});
    Click("Command2");
    // A missing line table.
    fs::remove(Archive("vantorima7LL.mdb"));
    PrintDatabase({"CREATE TABLE [DDT] ([id ddt] LONG)", "INSERT INTO [DDT] ([id ddt]) VALUES (1)"});
    Click("Command5");
    Click("Command2");
    // No layout file yet.
    fs::remove(Archive("vantorima7LL.mdb"));
    DemoPrintDatabase();
    Click("Command6");
    Click("Command2");
    // A PDF that cannot be written: a folder stands in its place.
    DesignDefaultLayout("Command6");
    fs::create_directories(Archive("PREVENTIVO.pdf"));
    Click("Command2");
    // A table with no room for one line under its titles: the lines could not print.
    fs::remove(Archive("PREVENTIVO.pdf"));
    report::Layout layout;
    ASSERT_EQ(report::LoadLayout(Archive("PREVENTIVO.LST"), layout), report::LayoutLoad::Loaded);
    layout.table.bottom = layout.table.top + 1;
    std::string error;
    ASSERT_TRUE(report::SaveLayout(Archive("PREVENTIVO.LST"), layout, error)) << error;
    Click("Command2");

    ASSERT_EQ(Messages().size(), 6u);
    EXPECT_EQ(Messages()[0].text, Lines({"Archivio di stampa non trovato :", "C:\\archivi\\vantorima7LL.mdb"}));
    EXPECT_EQ(Messages()[1].text, "Nessun documento da stampare !");
    EXPECT_EQ(Messages()[2].text, Lines({"Tabella mancante nell'archivio di stampa :", "DDT_VOCI"}));
    EXPECT_EQ(Messages()[3].text,
              Lines({"Modulo di stampa non trovato :", "C:\\archivi\\PREVENTIVO.LST", "Crearlo prima con Design."}));
    EXPECT_EQ(Messages()[4].text,
              Lines({"Impossibile completare la stampa su :", "C:\\archivi\\PREVENTIVO.pdf"}));
    EXPECT_EQ(Messages()[5].text.rfind("Documento non stampato: il modulo non lo contiene intero.\r\n"
                                       "il documento non entra intero nelle pagine del modulo: ", 0), 0u)
        << Messages()[5].text;
    EXPECT_TRUE(screens.optionTexts.size() == 1u) << "no options offered for a document that cannot print whole";
    EXPECT_FALSE(fs::exists(Archive("PREVENTIVO.pdf")));
    for (const ui::MessageRequest& m : Messages()) {
        EXPECT_EQ(m.title, "Linea Vantorima 7  - Utilità");
        EXPECT_EQ(m.icon, ui::Icon::Exclamation);
    }
    EXPECT_EQ(screens.progressBoxesOpen, 0);
    EXPECT_FALSE(form->ReportEngine().JobOpen());
}

} // namespace
} // namespace print_testing
