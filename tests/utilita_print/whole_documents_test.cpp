// Documents printed whole on the new layouts, read back from the PDF with
// the words' boxes: a long note and many lines (every note line and every
// line once, the totals once, no word over another, nothing over the page's
// foot or past the margins), the demo's codes each on one line.
#include <map>

#include "support/pdf_text.h"
#include "print_fixture.h"
#include "report/model/layout_file.h"
#include "report/model/paper_change.h"

namespace print_testing {
namespace {

using report_testing::PdfLayout;
using report_testing::PdfWord;
using report_testing::PdfWords;
using report_testing::kPointsPerMm;
using WholeDocuments = PrintWindowTest;

std::map<std::string, int> Counts(const PdfLayout& paper) {
    std::map<std::string, int> counts;
    for (const PdfWord& w : paper.words) ++counts[w.text];
    return counts;
}

// Inside the layout's margins, above the page's foot, and apart from each other.
void ExpectTidyPages(const PdfLayout& paper, const report::Layout& layout) {
    const double k = kPointsPerMm;
    for (std::size_t i = 0; i < paper.words.size(); ++i) {
        const PdfWord& a = paper.words[i];
        EXPECT_TRUE(a.xMin >= layout.margins.left * k - 0.5 &&
                    a.xMax <= (layout.pageWidth - layout.margins.right) * k + 0.5 &&
                    a.yMax <= (layout.pageHeight - layout.margins.bottom) * k + 0.5)
            << a.text << " past the margin";
        if (a.yMin < 280 * k) {
            EXPECT_LE(a.yMax, layout.table.bottom * k + 0.5) << a.text << " over the page's foot";
        }
        for (std::size_t j = i + 1; j < paper.words.size(); ++j) {
            const PdfWord& b = paper.words[j];
            EXPECT_TRUE(a.page != b.page || a.xMax <= b.xMin + 0.2 || b.xMax <= a.xMin + 0.2 ||
                        a.yMax <= b.yMin + 0.2 || b.yMax <= a.yMin + 0.2)
                << a.text << " over " << b.text << " on page " << a.page + 1;
        }
    }
}

int PageOf(const PdfLayout& paper, const std::string& text) {
    for (const PdfWord& w : paper.words)
        if (w.text == text) return w.page;
    return -1;
}

TEST_F(WholeDocuments, AFortyLineNotePrintsWholeOnceWithEveryLineAndTheTotalsOnce) {
    DemoPrintDatabase();
    // 40 lines of about 80 characters, each opening with its own mark (n10 ...).
    std::string note = "''";
    for (int i = 10; i < 50; ++i)
        note += " || 'n" + std::to_string(i) +
                " consegna al magazzino centrale entro le dodici, salvo accordi diversi presi' || char(13, 10)";
    for (const auto& [button, table, key, file] :
         {std::tuple{"Command3", "FATTURAV", "id fattura", "Fattura"}, {"Command8", "ORDICLI", "id ordine", "ORDICLI"}}) {
        DesignDefaultLayout(button);
        std::string sql = std::string("UPDATE [") + table + "] SET [camponote] = " + note + "; DELETE FROM [" +
                          table + "_VOCI];";
        for (int i = 10; i < 35; ++i)
            sql += std::string("INSERT INTO [") + table + "_VOCI] ([id voce], [" + key +
                   "], [codice], [articolo], [unità], [qtà], [prezzo], [importo]) VALUES (" + std::to_string(i) +
                   ", 1, 'AR-" + std::to_string(i) + "', 'Articolo di prova', 'PZ', 2, 5, 10);";
        Fill(Archive("vantorima7LL.mdb"), sql);
        Click("Command2");

        const PdfLayout paper = PdfWords(Archive(std::string(file) + ".pdf"));
        std::map<std::string, int> counts = Counts(paper);
        for (int i = 10; i < 50; ++i) EXPECT_EQ(counts["n" + std::to_string(i)], 1) << button << " note line " << i;
        EXPECT_EQ(counts["presi"], 40) << button << ": every note line whole";
        for (int i = 10; i < 35; ++i) EXPECT_EQ(counts["AR-" + std::to_string(i)], 1) << button << " line " << i;
        EXPECT_EQ(counts["250,00"], 1) << button << ": the lines' sum once";
        EXPECT_EQ(counts["documento:"], 1) << button << ": the total once";
        EXPECT_EQ(PageOf(paper, "documento:"), PageOf(paper, "AR-34")) << button << ": the totals under the last line";
        EXPECT_EQ(paper.pages.size(), 2u) << button;
        report::Layout layout;
        ASSERT_EQ(report::LoadLayout(Archive(std::string(file) + ".LST"), layout), report::LayoutLoad::Loaded);
        ExpectTidyPages(paper, layout);
        EXPECT_EQ(Messages().back().icon, ui::Icon::Information) << Messages().back().text;
    }
}

TEST_F(WholeDocuments, EveryDemoCodeAndColumnTitlePrintsWholeOnEveryNewLayout) {
    DemoPrintDatabase();
    const std::vector<std::pair<const char*, std::vector<const char*>>> kinds{
        {"Command7", {"FE-1020", "VL-440-Z", "FE-2210-NY", "VL-T8N", "Cod.", "fornitore"}},
        {"Command3", {"FE-1020", "UT-0341", "FE-2210", "22", "Codice", "Sconto", "%"}},
        {"Command4", {"UT-0341", "22"}},
        {"Command5", {"FE-1020", "UT-0341", "FE-2210", "L2403A", "L2402C", "Lotto"}},
        {"Command6", {"UT-0341", "UT-0912", "VE-1150"}},
        {"Command8", {"UT-0912", "VE-1150", "Evasa"}}};
    for (const auto& [button, words] : kinds) {
        DesignDefaultLayout(button);
        // A code of ten characters, after the layout was made on the demo's shorter ones.
        Fill(Archive("vantorima7LL.mdb"), "UPDATE [ORDIFOR_VOCI] SET [codice] = 'FE-2210-NY' WHERE [id voce] = 3");
        Click("Command2");
        const PdfLayout paper = PdfWords(Archive(fs::path(Box(1).toStdString().substr(11)).replace_extension(".pdf")));
        const std::map<std::string, int> counts = Counts(paper);
        for (const char* word : words) EXPECT_TRUE(counts.count(word)) << button << ": " << word << " not whole";
    }
    // The supplier's order (printed first): the long code at the size of the description beside it.
    const PdfLayout order = PdfWords(Archive("ORDIFOR.pdf"));
    const auto height = [&](const std::string& text) {
        for (const PdfWord& w : order.words)
            if (w.text == text) return w.yMax - w.yMin;
        return 0.0;
    };
    EXPECT_NEAR(height("FE-2210-NY"), height("Tassello"), 0.05);
}

// The new invoice layout carried onto A5: its columns shrink in proportion.
TEST_F(WholeDocuments, OnA5TheDemoInvoicesCodesTitlesAndRatesPrintWhole) {
    DemoPrintDatabase();
    screens.designer = [](report::DesignRequest& request) {
        report::ChangePaper(request.layout, 148, 210);
        std::string error;
        ASSERT_TRUE(report::SaveLayout(request.file, request.layout, error)) << error;
    };
    Click("Command3");
    Click("Command1");
    Click("Command2");
    std::map<std::string, int> counts = Counts(PdfWords(Archive("Fattura.pdf")));
    for (const char* word : {"FE-1020", "UT-0341", "FE-2210", "Codice", "U.M.", "IVA", "Sconto", "Importo"})
        EXPECT_EQ(counts[word], 1) << word << " not whole";
    EXPECT_EQ(counts["22"], 3) << "the rate of each line whole";
}

} // namespace
} // namespace print_testing
