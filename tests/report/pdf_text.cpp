#include "pdf_text.h"

#include <algorithm>
#include <cstdio>

#include <gtest/gtest.h>

namespace report_testing {

std::string PdfText(const std::filesystem::path& pdf) {
    const std::string command = "pdftotext -layout '" + pdf.string() + "' - 2>&1";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
        const int status = pclose(pipe);
        EXPECT_EQ(status, 0) << "pdftotext on " << pdf << " (missing? run scripts/setup.sh): " << text;
    } else {
        ADD_FAILURE() << "cannot run pdftotext";
    }
    return text;
}

int PdfPages(const std::filesystem::path& pdf) {
    const std::string text = PdfText(pdf);
    return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

} // namespace report_testing
