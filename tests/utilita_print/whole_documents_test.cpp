// Documents printed whole on the new layouts, read back from the PDF with
// the words' boxes: a long note and many lines (every note line and every
// line once, the totals once, no word over another, nothing over the page's
// foot or past the margins), the demo's codes each on one line.
#include <sqlite3.h>

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
using LongDocuments = PrintWindowTest;

constexpr double kPointsPerMm = 72 / 25.4;

void Fill(const fs::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

std::map<std::string, int> Counts(const PdfLayout& paper) {
    std::map<std::string, int> counts;
    for (const PdfWord& w : paper.words) ++counts[w.text];
    return counts;
}

// Inside the layout's margins, above the page's foot, and apart from each other.
void ExpectTidyPages(const PdfLayout& paper, const fs::path& layoutFile) {
    report::Layout layout;
    ASSERT_EQ(report::LoadLayout(layoutFile, layout), report::LayoutLoad::Loaded);
    const double k = kPointsPerMm;
    for (std::size_t i = 0; i < paper.words.size(); ++i) {
        const PdfWord& a = paper.words[i];
        EXPECT_TRUE(a.xMin >= layout.margins.left * k - 0.5 &&
                    a.xMax <= (layout.pageWidth - layout.margins.right) * k + 0.5 &&
                    a.yMax <= (layout.pageHeight - layout.margins.bottom) * k + 0.5)
            << a.text << " past the margin on page " << a.page + 1;
        const bool foot = a.text == "Stampato" || a.text == "Pagina" || a.yMin >= 280 * k;
        if (!foot) EXPECT_LE(a.yMax, layout.table.bottom * k + 0.5) << a.text << " over the page's foot";
        for (std::size_t j = i + 1; j < paper.words.size(); ++j) {
            const PdfWord& b = paper.words[j];
            const bool apart = a.page != b.page || a.xMax <= b.xMin + 0.2 || b.xMax <= a.xMin + 0.2 ||
                               a.yMax <= b.yMin + 0.2 || b.yMax <= a.yMin + 0.2;
            EXPECT_TRUE(apart) << a.text << " over " << b.text << " on page " << a.page + 1;
        }
    }
}

// 40 lines of about 80 characters, each opening with its own mark (n01 ...).
std::string LongNote() {
    std::string note;
    for (int i = 1; i <= 40; ++i) {
        if (i > 1) note += "' || char(13, 10) || '";
        note += (i < 10 ? "n0" : "n") + std::to_string(i) +
                " consegna al magazzino centrale entro le dodici, salvo accordi diversi presi";
    }
    return "'" + note + "'";
}

TEST_F(LongDocuments, AFortyLineNotePrintsWholeOnceWithEveryLineAndTheTotalsOnce) {
    DemoPrintDatabase();
    struct Kind {
        const char* button;
        const char* header;
        const char* lines;
        const char* key;
        const char* pdf;
        const char* layout;
    };
    for (const Kind& kind : {Kind{"Command3", "FATTURAV", "FATTURAV_VOCI", "id fattura", "Fattura.pdf", "Fattura.LST"},
                             Kind{"Command8", "ORDICLI", "ORDICLI_VOCI", "id ordine", "ORDICLI.pdf", "ORDICLI.LST"}}) {
        DesignDefaultLayout(kind.button);
        std::string sql = std::string("UPDATE [") + kind.header + "] SET [camponote] = " + LongNote() + ";" +
                          "DELETE FROM [" + kind.lines + "];";
        for (int i = 1; i <= 25; ++i)
            sql += std::string("INSERT INTO [") + kind.lines + "] ([id voce], [" + kind.key +
                   "], [codice], [articolo], [unità], [qtà], [prezzo], [importo]) VALUES (" + std::to_string(i) +
                   ", 1, 'AR-" + std::to_string(1000 + i) + "', 'Articolo di prova', 'PZ', 2, 5, 10);";
        Fill(Archive("vantorima7LL.mdb"), sql);
        Click("Command2");

        const PdfLayout paper = PdfWords(Archive(kind.pdf));
        const std::map<std::string, int> counts = Counts(paper);
        for (int i = 1; i <= 40; ++i) {
            const std::string mark = (i < 10 ? "n0" : "n") + std::to_string(i);
            EXPECT_EQ(counts.count(mark) ? counts.at(mark) : 0, 1) << kind.button << " note line " << mark;
        }
        EXPECT_EQ(counts.count("presi") ? counts.at("presi") : 0, 40) << kind.button << ": every note line whole";
        for (int i = 1; i <= 25; ++i) {
            const std::string code = "AR-" + std::to_string(1000 + i);
            EXPECT_EQ(counts.count(code) ? counts.at(code) : 0, 1) << kind.button << " line " << code;
        }
        EXPECT_EQ(counts.count("250,00") ? counts.at("250,00") : 0, 1) << kind.button << ": the lines' sum once";
        EXPECT_EQ(counts.count("documento:") ? counts.at("documento:") : 0, 1) << kind.button << ": the total once";
        ExpectTidyPages(paper, Archive(kind.layout));
        // The totals under the last line, the note going on after them.
        const auto pageOf = [&](const std::string& text) {
            for (const PdfWord& w : paper.words)
                if (w.text == text) return w.page;
            return -1;
        };
        EXPECT_EQ(pageOf("documento:"), pageOf("AR-1025")) << kind.button;
        std::printf("%s: %zu pages\n", kind.pdf, paper.pages.size());
        EXPECT_LE(paper.pages.size(), 3u) << kind.button;
        ASSERT_FALSE(Messages().empty());
        EXPECT_EQ(Messages().back().icon, ui::Icon::Information) << Messages().back().text;
    }
}

TEST_F(LongDocuments, EveryDemoCodeAndColumnTitlePrintsWholeOnEveryNewLayout) {
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
        const std::string pdf = fs::path(Box(1).toStdString().substr(11)).replace_extension(".pdf").string();
        const PdfLayout paper = PdfWords(Archive(pdf));
        const std::map<std::string, int> counts = Counts(paper);
        for (const char* word : words) EXPECT_TRUE(counts.count(word)) << button << ": " << word << " not whole";
        if (std::string(button) == "Command7") {
            // At the size of the description beside it, not shrunk.
            const auto height = [&](const std::string& text) {
                for (const PdfWord& w : paper.words)
                    if (w.text == text) return w.yMax - w.yMin;
                return 0.0;
            };
            EXPECT_NEAR(height("FE-2210-NY"), height("Tassello"), 0.05);
        }
        report::Layout layout;
        ASSERT_EQ(report::LoadLayout(Archive(fs::path(pdf).replace_extension(".LST").string()), layout),
                  report::LayoutLoad::Loaded);
        std::printf("%s:", pdf.c_str());
        for (const report::TableColumn& c : layout.table.columns) std::printf(" %s %.1f", c.field.c_str(), c.width);
        std::printf("\n");
    }
}

// The new invoice layout carried onto A5: its columns shrink in proportion.
TEST_F(LongDocuments, OnA5TheDemoInvoicesCodesTitlesAndRatesPrintWhole) {
    DemoPrintDatabase();
    screens.designer = [](report::DesignRequest& request) {
        report::ChangePaper(request.layout, 148, 210);
        std::string error;
        ASSERT_TRUE(report::SaveLayout(request.file, request.layout, error)) << error;
    };
    Click("Command3");
    Click("Command1");
    Click("Command2");
    const std::map<std::string, int> counts = Counts(PdfWords(Archive("Fattura.pdf")));
    for (const char* word : {"FE-1020", "UT-0341", "FE-2210", "Codice", "U.M.", "IVA", "Sconto", "Importo"})
        EXPECT_TRUE(counts.count(word)) << word << " not whole";
    EXPECT_EQ(counts.count("22") ? counts.at("22") : 0, 3) << "the rate of each line whole";
}

} // namespace
} // namespace print_testing
