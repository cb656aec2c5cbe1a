#pragma once
// What a PDF file says, read back with poppler's pdftotext (scripts/setup.sh
// installs it).
#include <filesystem>
#include <string>

namespace report_testing {

// The text of every page, pages separated by form feeds; fails the test
// when the file cannot be read as a PDF.
std::string PdfText(const std::filesystem::path& pdf);

// The number of pages (form feeds that pdftotext writes after each page).
int PdfPages(const std::filesystem::path& pdf);

} // namespace report_testing
