// Layout files keep everything the designer places, and tell a missing file
// from one that is not a layout.
#include <fstream>

#include <gtest/gtest.h>

#include "report/model/layout_file.h"
#include "support/temp_dir.h"

namespace {

using namespace report;

Layout SampleLayout() {
    Layout layout;
    layout.header.push_back({ItemKind::Text, "FATTURA", "", 80, 8, 50, 16, true, ValueFormat::Auto});
    layout.header.push_back({ItemKind::Variable, "nominativo", "Spett.le ", 110, 30, 90, 11, false, ValueFormat::Text});
    layout.header.push_back({ItemKind::Variable, "data_fattura", "Data: ", 10, 30, 60, 10, false, ValueFormat::Date});
    layout.header.push_back({ItemKind::Variable, "qtà totale", "", 10, 40, 40, 9.5, false, ValueFormat::Amount});
    layout.table.left = 12;
    layout.table.top = 95.5;
    layout.table.bottom = 200;
    layout.table.fontSize = 8.5;
    layout.table.columns.push_back({"codice", "Codice", 25, Align::Left, ValueFormat::Auto});
    layout.table.columns.push_back({"articolo", "Descrizione", 90, Align::Center, ValueFormat::Text});
    layout.table.columns.push_back({"importo", "Importo €", 30, Align::Right, ValueFormat::Amount});
    layout.table.footer.push_back({ItemKind::Sum, "importo", "Totale ", 120, 2, 60, 10, true, ValueFormat::Amount,
                                   Align::Right, 0});
    layout.table.footer.push_back({ItemKind::Count, "", "Righe: ", 12, 2, 40, 9, false, ValueFormat::Auto});
    layout.header[1].height = 12;
    SetPaper(layout, 210, 297, Orientation::Landscape);
    return layout;
}

TEST(LayoutFile, SavedLayoutReadsBackTheSame) {
    testing_support::TempDir dir;
    const Layout saved = SampleLayout();
    std::string error;
    ASSERT_TRUE(SaveLayout(dir.path() / "Fattura.LST", saved, error)) << error;

    Layout read;
    ASSERT_EQ(LoadLayout(dir.path() / "Fattura.LST", read), LayoutLoad::Loaded);
    EXPECT_EQ(read, saved);

    // Saving again over it replaces it whole.
    Layout smaller;
    ASSERT_TRUE(SaveLayout(dir.path() / "Fattura.LST", smaller, error)) << error;
    ASSERT_EQ(LoadLayout(dir.path() / "Fattura.LST", read), LayoutLoad::Loaded);
    EXPECT_EQ(read, smaller);
}

TEST(LayoutFile, MissingAndForeignFilesAreToldApartAndLeaveTheLayoutAlone) {
    testing_support::TempDir dir;
    const Layout before = SampleLayout();
    Layout layout = before;
    EXPECT_EQ(LoadLayout(dir.path() / "NOTAC.LST", layout), LayoutLoad::Missing);

    std::ofstream(dir.path() / "binary.LST", std::ios::binary) << std::string("\x01\x02LL\x00\x7f", 6);
    EXPECT_EQ(LoadLayout(dir.path() / "binary.LST", layout), LayoutLoad::Unreadable);
    std::ofstream(dir.path() / "other.LST") << R"({"format": "something-else", "version": 1})";
    EXPECT_EQ(LoadLayout(dir.path() / "other.LST", layout), LayoutLoad::Unreadable);
    std::ofstream(dir.path() / "newer.LST") << R"({"format": "vantorima-layout", "version": 99})";
    EXPECT_EQ(LoadLayout(dir.path() / "newer.LST", layout), LayoutLoad::Newer);
    EXPECT_EQ(layout, before);
}

TEST(LayoutFile, ValuesOffThePaperAreBroughtBackOnIt) {
    testing_support::TempDir dir;
    std::ofstream(dir.path() / "odd.LST") << R"({"format": "vantorima-layout", "version": 1,
        "header": [{"kind": "variable", "source": "numero", "x": -20, "y": 5000, "size": 500}],
        "table": {"top": -1, "columns": [{"field": "codice", "width": "wide", "align": "sideways"}]}})";
    Layout layout;
    ASSERT_EQ(LoadLayout(dir.path() / "odd.LST", layout), LayoutLoad::Loaded);
    ASSERT_EQ(layout.header.size(), 1u);
    EXPECT_EQ(layout.header[0].x, 0);
    EXPECT_EQ(layout.header[0].y, layout.pageHeight);
    EXPECT_EQ(layout.header[0].fontSize, 72);
    EXPECT_EQ(layout.table.top, 0);
    ASSERT_EQ(layout.table.columns.size(), 1u);
    EXPECT_EQ(layout.table.columns[0].width, TableColumn{}.width);
    EXPECT_EQ(layout.table.columns[0].align, Align::Left);
}

TEST(LayoutFile, APaperSideOutsideFiftyToAThousandMillimetresIsRefusedWithTheReason) {
    testing_support::TempDir dir;
    for (const char* page : {R"({"width": 0, "height": 0})", R"({"width": 1e308, "height": 297})",
                             R"({"width": 49, "height": 297})", R"({"width": "A4"})"}) {
        std::ofstream(dir.path() / "bad.LST")
            << R"({"format": "vantorima-layout", "version": 1, "page": )" << page << "}";
        Layout layout;
        std::string reason;
        EXPECT_EQ(LoadLayout(dir.path() / "bad.LST", layout, &reason), LayoutLoad::Unreadable) << page;
        EXPECT_NE(reason.find("mm"), std::string::npos) << reason;
    }
    // The orientation turns the paper whichever way round its sides are written.
    std::ofstream(dir.path() / "land.LST")
        << R"({"format": "vantorima-layout", "version": 1, "page": {"width": 210, "height": 297, "orientation": "landscape"}})";
    Layout layout;
    ASSERT_EQ(LoadLayout(dir.path() / "land.LST", layout), LayoutLoad::Loaded);
    EXPECT_EQ(layout.pageWidth, 297);
    EXPECT_EQ(layout.pageHeight, 210);
}

TEST(LayoutFile, SavingWhereNoFileCanBeMadeFailsWithAReason) {
    testing_support::TempDir dir;
    std::string error;
    EXPECT_FALSE(SaveLayout(dir.path() / "no such folder" / "DDT.LST", SampleLayout(), error));
    EXPECT_FALSE(error.empty());
}

} // namespace
