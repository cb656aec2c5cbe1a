#pragma once
// What a PDF file says, read back with poppler's pdftotext (scripts/setup.sh
// installs it).
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace report_testing {

// The text of every page, pages separated by form feeds; fails the test
// when the file cannot be read as a PDF.
std::string PdfText(const std::filesystem::path& pdf);

// The number of pages (form feeds that pdftotext writes after each page).
int PdfPages(const std::filesystem::path& pdf);

// A word of a PDF page with its box, in points from the page's top left.
// A PDF's coordinates are points.
constexpr double kPointsPerMm = 72 / 25.4;

struct PdfWord {
    int page = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;
};

struct PdfLayout {
    std::vector<std::pair<double, double>> pages;   // width, height in points
    std::vector<PdfWord> words;
};

// Every word with its box (pdftotext -bbox).
PdfLayout PdfWords(const std::filesystem::path& pdf);

} // namespace report_testing
