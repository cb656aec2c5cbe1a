// Layouts and PDFs are written as new files of their own: whole or not at all,
// with the modes the data has, never through a link at their names.
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include <QPrinter>
#include <gtest/gtest.h>

#include "report/model/layout_file.h"
#include "report/print/print_output.h"
#include "support/file_size_limit.h"
#include "support/pdf_text.h"
#include "support/qt_application.h"
#include "support/temp_dir.h"

namespace {

using namespace report;
namespace fs = std::filesystem;

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

mode_t ModeOf(const fs::path& file) {
    struct stat st {};
    return ::lstat(file.c_str(), &st) == 0 ? st.st_mode : 0;
}

std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

Layout Titled(const std::string& title) {
    Layout layout;
    layout.header.push_back({ItemKind::Text, title, "", 10, 10, 80, 16, true, ValueFormat::Auto});
    return layout;
}

// Restores the umask when it goes.
struct Umask {
    explicit Umask(mode_t mask) : previous(::umask(mask)) {}
    ~Umask() { ::umask(previous); }
    mode_t previous;
};

TEST(LayoutSave, FollowsTheUmaskKeepsTheModeAndReplacesWhatIsLeftOrLinked) {
    testing_support::TempDir dir;
    const fs::path file = dir.path() / "Fattura.LST";
    std::string error;
    {
        const Umask mask(077);
        ASSERT_TRUE(SaveLayout(file, Titled("FATTURA"), error)) << error;
        EXPECT_EQ(ModeOf(file), S_IFREG | 0600);
    }
    const Umask mask(022);
    ASSERT_TRUE(SaveLayout(file, Titled("FATTURA N."), error)) << error;
    EXPECT_EQ(ModeOf(file), S_IFREG | 0600);   // the layout's own, kept

    // A killed save's temporary file, and a link where the layout was.
    std::ofstream(dir.path() / ".Fattura.LST.KILLED") << "half a layout";
    std::ofstream(dir.path() / "other") << "another file";
    fs::remove(file);
    fs::create_symlink(dir.path() / "other", file);
    ASSERT_TRUE(SaveLayout(file, Titled("FATTURA"), error)) << error;
    EXPECT_EQ(Bytes(dir.path() / "other"), "another file");
    EXPECT_EQ(ModeOf(file), S_IFREG | 0644);
    EXPECT_EQ(Listing(dir.path()), (std::vector<std::string>{"Fattura.LST", "other"}));
}

TEST(LayoutSave, OnAFullDiskFailsAndLeavesTheLayoutAsItWas) {
    testing_support::TempDir dir;
    const fs::path file = dir.path() / "Fattura.LST";
    std::string error;
    ASSERT_TRUE(SaveLayout(file, Titled("FATTURA"), error)) << error;
    const std::string before = Bytes(file);
    Layout larger = Titled("FATTURA");
    for (int i = 0; i < 200; ++i) larger.header.push_back(larger.header.front());
    {
        const testing_support::FileSizeLimit full(before.size() + 100);
        EXPECT_FALSE(SaveLayout(file, larger, error));
    }
    EXPECT_EQ(error, "Disco pieno.");
    EXPECT_TRUE(Bytes(file) == before);
    EXPECT_EQ(Listing(dir.path()), std::vector<std::string>{"Fattura.LST"});
}

TEST(PdfFile, ALinkAtItsNameIsReplacedNeverFollowedAndANewOneFollowsTheUmask) {
    testing_support::EnsureQtApplication();
    testing_support::TempDir dir;
    const fs::path pdf = dir.path() / "Fattura.pdf";
    std::ofstream(dir.path() / "other") << "another file";
    fs::create_symlink(dir.path() / "other", pdf);
    const Umask mask(027);
    Page page;
    page.texts.push_back({QRectF(10, 10, 80, 10), QStringLiteral("FATTURA")});
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    PreparePrinter(printer, Layout{});
    ASSERT_TRUE(PrintPages(printer, {page}));
    EXPECT_EQ(Bytes(dir.path() / "other"), "another file");
    EXPECT_EQ(ModeOf(pdf), S_IFREG | 0640);
    EXPECT_NE(report_testing::PdfText(pdf).find("FATTURA"), std::string::npos);
    EXPECT_EQ(Listing(dir.path()), (std::vector<std::string>{"Fattura.pdf", "other"}));
}

} // namespace
