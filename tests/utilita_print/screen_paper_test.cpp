// What the designer shows is what prints: the six default layouts' sample
// pages drawn at screen resolutions (as the designer draws them at its
// zooms) put every word where the printer's resolution puts it.
#include <QPrinter>

#include "support/pdf_text.h"
#include "print_fixture.h"
#include "report/designer/design_sample.h"
#include "report/print/print_output.h"

namespace print_testing {
namespace {

using report_testing::PdfLayout;
using report_testing::PdfWord;
using ScreenAndPaper = PrintWindowTest;

constexpr double kMmPerPoint = 25.4 / 72;
// Screen scales of the designer: a fitted page up to 150 % on a 96 dpi screen.
constexpr int kScreenDpi[] = {60, 72, 96, 120, 144};

// The page drawn at dpi (0: the printer's own) into a PDF file, read back.
PdfLayout Drawn(const fs::path& pdf, const report::Layout& layout, const report::Page& page, int dpi) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    report::PreparePrinter(printer, layout);
    if (dpi > 0) printer.setResolution(dpi);
    EXPECT_TRUE(report::PrintPages(printer, {page}));
    return report_testing::PdfWords(pdf);
}

// The largest distance, in millimetres, between a word's edges on screen and
// the same word's nearest copy on paper; every word must have one.
double LargestDifference(const PdfLayout& screen, const PdfLayout& paper) {
    double largest = 0;
    for (const PdfWord& s : screen.words) {
        const PdfWord* match = nullptr;
        double distance = 0;
        for (const PdfWord& p : paper.words) {
            const double d = std::hypot(p.xMin - s.xMin, p.yMin - s.yMin);
            if (p.text == s.text && (!match || d < distance)) match = &p, distance = d;
        }
        EXPECT_NE(match, nullptr) << s.text << " is on screen only";
        if (!match) continue;
        for (double edge : {match->xMin - s.xMin, match->xMax - s.xMax, match->yMin - s.yMin, match->yMax - s.yMax})
            largest = std::max(largest, std::fabs(edge) * kMmPerPoint);
    }
    return largest;
}

TEST_F(ScreenAndPaper, EveryWordOfTheSixDefaultLayoutsLiesOnScreenWhereItPrints) {
    DemoPrintDatabase();
    double largest = 0;
    for (const char* button : {"Command3", "Command4", "Command5", "Command6", "Command7", "Command8"}) {
        DesignDefaultLayout(button);
        ASSERT_FALSE(screens.designs.empty());
        const report::DesignRequest& design = screens.designs.back();
        const report::Page page = report::SamplePage(design.layout, design.variables, design.fields);
        const PdfLayout paper = Drawn(drives.path() / "paper.pdf", design.layout, page, 0);
        ASSERT_GT(paper.words.size(), 20u) << button;
        for (int dpi : kScreenDpi) {
            const PdfLayout screen = Drawn(drives.path() / "screen.pdf", design.layout, page, dpi);
            EXPECT_EQ(screen.words.size(), paper.words.size()) << button << " at " << dpi << " dpi";
            const double difference = LargestDifference(screen, paper);
            EXPECT_LT(difference, 0.05) << button << " at " << dpi << " dpi";
            largest = std::max(largest, difference);
        }
    }
    RecordProperty("largest_difference_mm", std::to_string(largest));
    std::cout << "largest screen to paper difference: " << largest << " mm\n";
}

} // namespace
} // namespace print_testing
