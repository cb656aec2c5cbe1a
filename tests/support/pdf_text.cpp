#include "support/pdf_text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include <gtest/gtest.h>

namespace report_testing {

namespace {

std::string PdfToText(const std::filesystem::path& pdf, const char* option) {
    const std::string command = std::string("pdftotext ") + option + " '" + pdf.string() + "' - 2>&1";
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

double Attribute(const std::string& tag, const char* name) {
    const std::size_t at = tag.find(std::string(name) + "=\"");
    return at == std::string::npos ? -1 : std::stod(tag.substr(at + std::strlen(name) + 2));
}

} // namespace

std::string PdfText(const std::filesystem::path& pdf) {
    return PdfToText(pdf, "-layout");
}

PdfLayout PdfWords(const std::filesystem::path& pdf) {
    std::istringstream html(PdfToText(pdf, "-bbox"));
    PdfLayout layout;
    for (std::string line; std::getline(html, line);) {
        if (line.find("<page ") != std::string::npos) {
            layout.pages.emplace_back(Attribute(line, "width"), Attribute(line, "height"));
        } else if (const std::size_t open = line.find("<word "); open != std::string::npos) {
            const std::size_t start = line.find('>', open) + 1;
            layout.words.push_back({static_cast<int>(layout.pages.size()) - 1, Attribute(line, "xMin"),
                                    Attribute(line, "yMin"), Attribute(line, "xMax"), Attribute(line, "yMax"),
                                    line.substr(start, line.find("</word>") - start)});
        }
    }
    return layout;
}

int PdfPages(const std::filesystem::path& pdf) {
    const std::string text = PdfText(pdf);
    return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

} // namespace report_testing
