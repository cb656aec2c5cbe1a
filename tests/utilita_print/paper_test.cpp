// What a print puts on paper, read back from the PDF with the words' boxes:
// every value whole inside its cell and the page, money as money, dates with
// their time, the totals once after the last line.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>

#include "support/pdf_text.h"
#include "print_fixture.h"
#include "report/model/layout_file.h"

namespace print_testing {
namespace {

using report_testing::PdfLayout;
using report_testing::PdfWord;
using report_testing::PdfWords;
using report_testing::kPointsPerMm;
using PrintedPaper = PrintWindowTest;

std::vector<PdfWord> Found(const PdfLayout& paper, const std::string& text) {
    std::vector<PdfWord> found;
    for (const PdfWord& w : paper.words)
        if (w.text == text) found.push_back(w);
    return found;
}

// Each word whole on paper, inside the column of the saved layout.
void ExpectInColumn(const PdfLayout& paper, const fs::path& layoutFile, const std::string& field,
                    std::initializer_list<const char*> words) {
    report::Layout layout;
    ASSERT_EQ(report::LoadLayout(layoutFile, layout), report::LayoutLoad::Loaded);
    double left = layout.table.left;
    auto column = layout.table.columns.begin();
    for (; column != layout.table.columns.end() && column->field != field; ++column) left += column->width;
    ASSERT_NE(column, layout.table.columns.end()) << field;
    for (const char* word : words) {
        const std::vector<PdfWord> found = Found(paper, word);
        ASSERT_FALSE(found.empty()) << word << " is not on paper whole";
        EXPECT_GE(found[0].xMin, left * kPointsPerMm - 0.5) << word;
        EXPECT_LE(found[0].xMax, (left + column->width) * kPointsPerMm + 0.5) << word;
    }
}

void ExpectAllOnTheirPage(const PdfLayout& paper) {
    for (const PdfWord& w : paper.words) {
        const auto [width, height] = paper.pages[static_cast<std::size_t>(w.page)];
        EXPECT_TRUE(w.xMin >= 0 && w.yMin >= 0 && w.xMax <= width && w.yMax <= height) << w.text;
    }
}

// The PDF's words, after checking that it has one page of this paper and
// every word lies on it.
PdfLayout OnePage(const fs::path& pdf, double widthMm, double heightMm) {
    const PdfLayout paper = PdfWords(pdf);
    EXPECT_EQ(paper.pages.size(), 1u) << pdf;
    if (paper.pages.empty()) return paper;
    EXPECT_NEAR(paper.pages[0].first, widthMm * kPointsPerMm, 1);
    EXPECT_NEAR(paper.pages[0].second, heightMm * kPointsPerMm, 1);
    ExpectAllOnTheirPage(paper);
    return paper;
}

TEST_F(PrintedPaper, LongValuesPrintWholeInTheirCellsOnA4WithTheFooterTotalOnce) {
    DemoPrintDatabase();
    Fill(Archive("vantorima7LL.mdb"),
         "UPDATE [FATTURAV_VOCI] SET [importo] = 123456.78, [articolo] = 'Smalto ferromicaceo grigio antracite "
         "0,75 l' WHERE [id voce] = 1; UPDATE [FATTURAV_VOCI] SET [qtà] = 1000000, [articolo] = 'Viti "
         "autofilettanti 4x40 zincate a testa svasata piana (conf. 200 pezzi)' WHERE [id voce] = 2; "
         "UPDATE [FATTURAV] SET [data_fattura] = 45366 + 9.5 / 24 WHERE [id fattura] = 1;");
    DesignDefaultLayout("Command3");
    Click("Command2");

    const PdfLayout paper = OnePage(Archive("Fattura.pdf"), 210, 297);
    ExpectInColumn(paper, Archive("Fattura.LST"), "importo", {"123.456,78"});
    ExpectInColumn(paper, Archive("Fattura.LST"), "qtà", {"1.000.000"});
    ExpectInColumn(paper, Archive("Fattura.LST"), "articolo", {"Smalto", "antracite", "0,75", "svasata", "pezzi)"});
    // Money as money in every line, whatever digits its value happens to have.
    for (const char* amount : {"233,82", "23,60", "129,90", "8,35"}) EXPECT_EQ(Found(paper, amount).size(), 1u) << amount;
    EXPECT_EQ(Found(paper, "09:30").size(), 1u);
    // The sum of the document's lines, once, under the last line.
    const std::vector<PdfWord> total = Found(paper, "123.714,20");
    ASSERT_EQ(total.size(), 1u);
    for (const PdfWord& w : Found(paper, "23,60")) EXPECT_GT(total[0].yMin, w.yMax);
    ASSERT_EQ(Messages().size(), 1u) << "nothing to warn about: " << Messages().back().text;
}

// Words of one printed line, in the order they stand.
std::string LineAt(const PdfLayout& paper, const PdfWord& word) {
    std::vector<PdfWord> words;
    for (const PdfWord& w : paper.words)
        if (w.page == word.page && std::abs(w.yMin - word.yMin) < 1) words.push_back(w);
    std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
    std::string line;
    for (const PdfWord& w : words) line += (line.empty() ? "" : " ") + w.text;
    return line;
}

TEST_F(PrintedPaper, DatesPricesAndTotalsPrintAsTheDatabaseHoldsThem) {
    DemoPrintDatabase();
    Fill(Archive("vantorima7LL.mdb"),
         "UPDATE [FATTURAV] SET [data_fattura] = 45351 + 86399.0 / 86400 WHERE [id fattura] = 1;"
         "UPDATE [FATTURAV_VOCI] SET [prezzo] = 9.8765, [importo] = 9876543.21, [articolo] = 'Prima' || "
         "char(9) || 'riga' || char(13, 10) || 'Seconda riga' WHERE [id voce] = 1;"
         "UPDATE [FATTURAV_VOCI] SET [prezzo] = 0.0001, [importo] = -1234.5 WHERE [id voce] = 2;"
         "UPDATE [FATTURAV_VOCI] SET [prezzo] = 9999999.9999, [importo] = 0 WHERE [id voce] = 4;"
         "INSERT INTO [FATTURAV_VOCI] ([id voce], [id fattura], [articolo], [importo]) VALUES (6, 1, 'Mezzo', 0.005);"
         "INSERT INTO [FATTURAV_VOCI] ([id voce], [id fattura], [articolo], [importo]) VALUES (7, 1, 'Nullo', NULL);");
    DesignDefaultLayout("Command3");
    Click("Command2");

    const PdfLayout paper = OnePage(Archive("Fattura.pdf"), 210, 297);
    ASSERT_EQ(Found(paper, "23:59").size(), 1u);
    EXPECT_EQ(LineAt(paper, Found(paper, "23:59")[0]), "del 29/02/2024 23:59");
    for (const char* price : {"9,8765", "0,0001", "9.999.999,9999", "9.876.543,21", "-1.234,50", "0,005"})
        EXPECT_EQ(Found(paper, price).size(), 1u) << price;
    // The exact sum of the printed lines, half cent included.
    ASSERT_EQ(Found(paper, "9.875.308,715").size(), 1u);
    EXPECT_EQ(LineAt(paper, Found(paper, "9.875.308,715")[0]), "Righe: 5 Totale importo: 9.875.308,715");
    // The description's second line under its first, inside the same row.
    ASSERT_EQ(Found(paper, "Seconda").size(), 1u);
    EXPECT_EQ(LineAt(paper, Found(paper, "Prima")[0]).rfind("FE-1020 Prima riga", 0), 0u);
    EXPECT_GT(Found(paper, "Seconda")[0].yMin, Found(paper, "Prima")[0].yMax);
    EXPECT_LT(Found(paper, "Seconda")[0].yMax, Found(paper, "UT-0341")[0].yMin);

    // The demo transport note's start, untouched.
    DesignDefaultLayout("Command5");
    Click("Command2");
    const PdfLayout note = OnePage(Archive("DDT.pdf"), 210, 297);
    ASSERT_EQ(Found(note, "09:30").size(), 1u);
    EXPECT_EQ(LineAt(note, Found(note, "09:30")[0]), "Inizio trasporto: 14/03/2024 09:30");
}

TEST_F(PrintedPaper, AnInvoiceOverTwoPagesCarriesItsTotalsOnlyAfterItsLastLine) {
    DemoPrintDatabase();
    std::string lines;
    for (int i = 0; i < 80; ++i)
        lines += "INSERT INTO [FATTURAV_VOCI] ([id voce], [id fattura], [codice], [articolo], [qtà], [importo]) "
                 "VALUES (" + std::to_string(100 + i) + ", 1, 'R" + std::to_string(i) + "', 'Riga', 1, 10);";
    Fill(Archive("vantorima7LL.mdb"), lines);
    DesignDefaultLayout("Command3");
    Click("Command2");

    const PdfLayout paper = PdfWords(Archive("Fattura.pdf"));
    ASSERT_EQ(paper.pages.size(), 2u);
    ExpectAllOnTheirPage(paper);
    const std::vector<PdfWord> total = Found(paper, "1.157,62");   // 357,62 and 80 lines of 10,00
    ASSERT_EQ(total.size(), 1u);
    EXPECT_EQ(total[0].page, 1);
    for (const PdfWord& w : Found(paper, "tfattura:")) EXPECT_EQ(w.page, 1) << "the total is not a page item";
    EXPECT_EQ(Found(paper, "83").size(), 1u) << "the line count";
}

TEST_F(PrintedPaper, EveryKindsNewLayoutPrintsItsDemoDocumentAndALandscapeOneItsOwnPaper) {
    DemoPrintDatabase();
    for (const char* button : {"Command3", "Command4", "Command5", "Command6", "Command7", "Command8"}) {
        DesignDefaultLayout(button);
        Click("Command2");
        OnePage(Archive(fs::path(Box(1).toStdString().substr(11)).replace_extension(".pdf")), 210, 297);
    }
    screens.designer = [](report::DesignRequest& request) {
        report::SetPaper(request.layout, 297, 210, report::Orientation::Landscape);
        std::string error;
        ASSERT_TRUE(report::SaveLayout(request.file, request.layout, error)) << error;
    };
    Click("Command1");
    Click("Command2");
    OnePage(Archive("ORDICLI.pdf"), 297, 210);
    ASSERT_EQ(Messages().size(), 7u);
    for (const ui::MessageRequest& m : Messages()) EXPECT_EQ(m.icon, ui::Icon::Information) << m.text;
}

TEST_F(PrintedPaper, WhatDidNotPrintAsLaidOutIsWarnedOfNamingTheDocument) {
    DemoPrintDatabase();
    Click("Command3");
    // Paper of no size is refused with the reason; nothing is printed.
    std::ofstream(Archive("Fattura.LST")) << R"({"format": "vantorima-layout", "version": 1,
        "page": {"width": 0, "height": 0}})";
    Click("Command2");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text.rfind(Lines({"Modulo di stampa non valido :", "C:\\archivi\\Fattura.LST", "foglio"}), 0),
              0u) << Messages()[0].text;
    EXPECT_FALSE(fs::exists(Archive("Fattura.pdf")));

    // Names the data does not have: printed as told, then warned of.
    std::ofstream(Archive("Fattura.LST")) << R"({"format": "vantorima-layout", "version": 1,
        "header": [{"kind": "variable", "source": "numero_fattura"}],
        "table": {"columns": [{"field": "articolo"}, {"field": "prezzo_netto"}]}})";
    Click("Command2");
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_TRUE(fs::exists(Archive("Fattura.pdf")));
    EXPECT_EQ(Messages()[2].text, Lines({"Stampato con avvisi: Fattura/Nota di Credito id fattura 1",
                                         "nomi che i dati del documento non hanno: numero_fattura, prezzo_netto"}));
    EXPECT_EQ(Messages()[2].icon, ui::Icon::Exclamation);
}

// A layout made once on the demo's invoices, then a later invoice with
// larger amounts, a date in its last second and a note of three lines.
TEST_F(PrintedPaper, ADefaultLayoutMadeOnTheDemoPrintsALaterInvoiceWhole) {
    DemoPrintDatabase();
    DesignDefaultLayout("Command3");
    Fill(Archive("vantorima7LL.mdb"),
         "UPDATE [FATTURAV] SET [data_fattura] = 45458 + 86399.6 / 86400, [camponote] = 'Consegna al piano terra'"
         " || char(10) || 'Pagamento anticipato concordato' || char(13, 10) || 'Grazie della preferenza accordataci'"
         " WHERE [id fattura] = 1;"
         "UPDATE [FATTURAV_VOCI] SET [importo] = 12345678.90, [prezzo] = 1234.5678, [qtà] = 1234567.5 WHERE "
         "[id voce] = 1; UPDATE [FATTURAV_VOCI] SET [importo] = 9876543.21, [prezzo] = 99999.9999, [sconto] = "
         "0.00001 WHERE [id voce] = 2;");
    Click("Command2");

    const PdfLayout paper = OnePage(Archive("Fattura.pdf"), 210, 297);
    ExpectInColumn(paper, Archive("Fattura.LST"), "importo", {"12.345.678,90", "9.876.543,21"});
    ExpectInColumn(paper, Archive("Fattura.LST"), "prezzo", {"1.234,5678", "99.999,9999"});
    ExpectInColumn(paper, Archive("Fattura.LST"), "qtà", {"1.234.567,5"});
    ExpectInColumn(paper, Archive("Fattura.LST"), "sconto", {"0,00001"});
    ASSERT_EQ(Found(paper, "15/06/2024").size(), 1u);
    EXPECT_EQ(LineAt(paper, Found(paper, "15/06/2024")[0]), "del 15/06/2024 23:59");
    // The note whole, one line under the other, once, under the totals.
    const std::vector<PdfWord> first = Found(paper, "piano"), second = Found(paper, "anticipato"),
                               last = Found(paper, "accordataci");
    ASSERT_TRUE(first.size() == 1 && second.size() == 1 && last.size() == 1);
    EXPECT_LT(first[0].yMax, second[0].yMin);
    EXPECT_LT(second[0].yMax, last[0].yMin);
    EXPECT_GT(first[0].yMin, Found(paper, "documento:")[0].yMax);
    for (const PdfWord& w : paper.words) EXPECT_TRUE(w.text != "###" && w.text.find("…") == std::string::npos);
    ASSERT_EQ(Messages().size(), 1u) << "nothing to warn about: " << Messages().back().text;
    EXPECT_EQ(screens.optionWarnings, std::vector<std::string>{""});

    // The operator narrows the amounts: told in the print options, before anything prints, with the
    // document's own value.
    report::Layout layout;
    ASSERT_EQ(report::LoadLayout(Archive("Fattura.LST"), layout), report::LayoutLoad::Loaded);
    for (report::TableColumn& c : layout.table.columns)
        if (c.field == "importo") c.width = 12;
    std::string error;
    ASSERT_TRUE(report::SaveLayout(Archive("Fattura.LST"), layout, error)) << error;
    screens.CancelPrintOptions();
    Click("Command2");
    EXPECT_EQ(screens.optionWarnings.back(),
              "importo: la casella è troppo stretta per valori come 12.345.678,90 (stamperebbe ###)");
}

TEST_F(PrintedPaper, ACellLongerThanThePageContinuesOnTheNextBelowTheTitles) {
    DemoPrintDatabase();
    std::string text;
    for (int i = 0; text.size() < 3000; ++i) text += "parola" + std::to_string(1000 + i) + " ";
    Fill(Archive("vantorima7LL.mdb"), "UPDATE [FATTURAV_VOCI] SET [articolo] = '" + text + "' WHERE [id voce] = 2;");
    DesignDefaultLayout("Command3");
    Click("Command2");

    const PdfLayout paper = PdfWords(Archive("Fattura.pdf"));
    ASSERT_EQ(paper.pages.size(), 4u);
    ExpectAllOnTheirPage(paper);
    std::size_t words = 0;
    std::map<int, double> titles;
    for (const PdfWord& t : Found(paper, "Codice")) titles[t.page] = t.yMax;
    const double firstPrinted = Found(paper, "Stampato")[0].yMin;
    for (const PdfWord& w : paper.words) {
        if (w.text.rfind("parola", 0) != 0) continue;
        ++words;
        EXPECT_LT(w.yMax, firstPrinted) << w.text << " over the page's foot";
        ASSERT_TRUE(titles.count(w.page)) << "no titles on page " << w.page + 1;
        EXPECT_GT(w.yMin, titles[w.page]) << w.text << " above the titles";
    }
    EXPECT_EQ(words, static_cast<std::size_t>(std::count(text.begin(), text.end(), ' '))) << "every word once";
    EXPECT_EQ(Found(paper, "233,82").size(), 1u);
}

// As stored by the program that fills the print database: a date in the last
// fraction of its day, a Yes/No written as its Italian text.
TEST_F(PrintedPaper, ADateKeepsItsDayAndAYesNoStoredAsTextPrintsAsBasicReadsIt) {
    DemoPrintDatabase();
    DesignDefaultLayout("Command3");
    Fill(Archive("vantorima7LL.mdb"), "UPDATE [FATTURAV] SET [data_fattura] = 45458 + 86399.9996 / 86400, "
                                      "[esenteiva] = 'Vero' WHERE [id fattura] = 1;");
    Click("Command2");
    const PdfLayout paper = OnePage(Archive("Fattura.pdf"), 210, 297);
    ASSERT_EQ(Found(paper, "15/06/2024").size(), 1u);
    EXPECT_EQ(LineAt(paper, Found(paper, "15/06/2024")[0]), "del 15/06/2024 23:59");
    ASSERT_EQ(Found(paper, "Esente").size(), 1u);
    EXPECT_EQ(LineAt(paper, Found(paper, "Esente")[0]), "Esente IVA: S\xc3\xac");
}

// Values of a later line and of the page part, numbers and texts, each
// looked at before the print options; every box named once, before and after.
TEST_F(PrintedPaper, EveryValueOfTheDocumentIsLookedAtBeforeTheOptionsAndEachBoxToldOnce) {
    DemoPrintDatabase();
    DesignDefaultLayout("Command6");
    Fill(Archive("vantorima7LL.mdb"), "UPDATE [PREVENTIVO_VOCI] SET [qtà] = 1e15 WHERE [id voce] = 4;");
    Click("Command2");
    ASSERT_EQ(screens.optionWarnings.size(), 1u);
    EXPECT_EQ(screens.optionWarnings[0],
              "qtà: la casella è troppo stretta per valori come 1.000.000.000.000.000 (stamperebbe ###)");

    report::Layout layout;
    ASSERT_EQ(report::LoadLayout(Archive("PREVENTIVO.LST"), layout), report::LayoutLoad::Loaded);
    for (report::TableColumn& c : layout.table.columns) {
        if (c.field == "articolo") c.width = 3;
        if (c.field == "codice") c.width = 6;
    }
    for (report::HeaderItem& item : layout.header)
        if (item.source == "data_preventivo") item.width = 12;
    std::string error;
    ASSERT_TRUE(report::SaveLayout(Archive("PREVENTIVO.LST"), layout, error)) << error;
    Click("Command2");
    EXPECT_EQ(screens.optionWarnings.back(),
              Lines({"data_preventivo: la casella è troppo stretta per valori come 20/02/2024 (stamperebbe ### "
                     "anche al posto di \"del\")",
                     "qtà: la casella è troppo stretta per valori come 1.000.000.000.000.000 (stamperebbe ###)",
                     "codice: la casella è troppo stretta per parole come UT-0341 (le stamperebbe spezzate)",
                     "articolo: la casella è troppo stretta anche per una sola lettera"}));
    // The date overflows on every page; the box printed after is named once all the same.
    EXPECT_GT(report_testing::PdfPages(Archive("PREVENTIVO.pdf")), 1);
    EXPECT_EQ(Messages().back().text,
              Lines({"Stampato con avvisi: Preventivo id preventivo 1",
                     "data_preventivo: il valore \"del 20/02/2024\" non entra nella sua casella",
                     "qtà: il valore \"1.000.000.000.000.000\" non entra nella sua casella"}));
}

} // namespace
} // namespace print_testing
