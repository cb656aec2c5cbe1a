// A new layout shows every variable in a block at the top and every field as
// a column of the line table.
#include <algorithm>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "report/composer/default_layout.h"
#include "report/composer/narrow_boxes.h"
#include "report/composer/text_fit.h"
#include "report/model/report_codes.h"
#include "support/qt_application.h"

namespace {

using namespace report;

// Widths are measured with the fonts of a Qt application.
class NewLayout : public ::testing::Test {
protected:
    NewLayout() { testing_support::EnsureQtApplication(); }
};

DefinitionList Variables(int count) {
    DefinitionList list;
    for (int i = 0; i < count; ++i) list.Set("campo" + std::to_string(i), "valore", kFieldTypeText);
    return list;
}

TEST_F(NewLayout, VariablesAboveTheTableTotalsInItsFooterColumnsWideEnoughForTheWidestValue) {
    DefinitionList variables;
    variables.Set("id fattura", "1", kFieldTypeNumeric, ColumnType::Integer);
    variables.Set("nominativo", "Ferramenta Bianchi S.r.l.", kFieldTypeText, ColumnType::Text);
    variables.Set("data_fattura", "45366", kFieldTypeDate, ColumnType::Date);
    variables.Set("tfattura", "436.3", kFieldTypeText, ColumnType::Currency);
    DefinitionList fields;
    fields.Set("id voce", "1", kFieldTypeNumeric, ColumnType::Integer);
    fields.Set("articolo", "Smalto grigio", kFieldTypeText, ColumnType::Text);
    fields.Set("qtà", "1000000", kFieldTypeNumeric, ColumnType::Number);
    fields.Set("importo", "123456.78", kFieldTypeText, ColumnType::Currency);
    // The first line is declared again last, as the sample: widths still
    // follow the widest value seen.
    fields.Set("importo", "1", kFieldTypeText, ColumnType::Currency);

    const Layout layout = DefaultLayout(variables, fields);

    ASSERT_EQ(layout.header.size(), 3u) << "the total goes to the footer";
    std::set<std::pair<double, double>> places;
    for (const HeaderItem& item : layout.header) {
        EXPECT_NE(item.source, "tfattura");
        EXPECT_LE(item.x + item.width, layout.pageWidth);
        EXPECT_LT(item.y + LineHeight(item.fontSize), layout.table.top);
        EXPECT_EQ(item.format, ValueFormat::Auto);
        places.insert({item.x, item.y});
    }
    EXPECT_EQ(places.size(), 3u) << "two variables on the same spot";

    ASSERT_EQ(layout.table.columns.size(), 4u);
    double width = 0;
    for (const TableColumn& column : layout.table.columns) width += column.width;
    EXPECT_NEAR(layout.table.left + width, layout.pageWidth - layout.table.left, 0.01);
    EXPECT_EQ(layout.table.columns[2].align, Align::Right);
    EXPECT_EQ(layout.table.columns[3].align, Align::Right) << "money is right-aligned";
    const double fontSize = layout.table.fontSize;
    EXPECT_GT(layout.table.columns[3].width, TextWidth(QStringLiteral("123.456,78"), fontSize, false) + 2);
    EXPECT_GT(layout.table.columns[2].width, TextWidth(QStringLiteral("1000000"), fontSize, false) + 2);

    std::vector<std::pair<ItemKind, std::string>> footer;
    for (const HeaderItem& item : layout.table.footer) footer.push_back({item.kind, item.source});
    const std::vector<std::pair<ItemKind, std::string>> expected{
        {ItemKind::Count, ""}, {ItemKind::Sum, "importo"}, {ItemKind::Variable, "tfattura"}};
    EXPECT_EQ(footer, expected);
    EXPECT_GT(layout.table.bottom - layout.table.top, 100) << "room for the lines";
}

TEST_F(NewLayout, ManyVariablesStillLeaveTheTableRoom) {
    const Layout layout = DefaultLayout(Variables(120), DefinitionList{});
    ASSERT_EQ(layout.header.size(), 120u);
    for (const HeaderItem& item : layout.header) {
        EXPECT_LT(item.y, layout.table.top);
        EXPECT_LE(item.x + item.width, layout.pageWidth);
    }
    EXPECT_LT(layout.table.top, 210);
}

TEST_F(NewLayout, NothingDeclaredGivesAnEmptyPage) {
    const Layout layout = DefaultLayout(DefinitionList{}, DefinitionList{});
    EXPECT_TRUE(layout.header.empty());
    EXPECT_TRUE(layout.table.columns.empty());
    EXPECT_LT(layout.table.top, layout.table.bottom);
}

TEST_F(NewLayout, ColumnsHoldTheirTypesValuesANarrowedOneIsToldOfInAListThatFitsTheScreen) {
    DefinitionList fields;
    fields.Set("articolo", "Viti", kFieldTypeText, ColumnType::Text);
    for (int i = 0; i < 4; ++i)
        fields.Set("importo" + std::to_string(i), "1", kFieldTypeText, i % 2 ? ColumnType::Currency : ColumnType::Date);
    fields.Set("qtà", "1", kFieldTypeNumeric, ColumnType::Number);
    Layout layout = DefaultLayout({}, fields);
    EXPECT_EQ(NarrowBoxes(layout, {}, fields), std::vector<std::string>{}) << "a new layout prints its types whole";
    layout = DefaultLayout({}, DefinitionList{});
    layout.table.columns = {{"qtà", "Q.tà", 15, Align::Right, ValueFormat::Auto}};
    EXPECT_EQ(NarrowBoxes(layout, {}, fields), std::vector<std::string>{
        "qtà: la casella è troppo stretta per valori come 9.999.999,99999 (stamperebbe ###)"});
    for (int i = 0; i < 12; ++i) {
        fields.Set("importo" + std::to_string(i), "1", kFieldTypeText, ColumnType::Currency);
        layout.table.columns.push_back({"importo" + std::to_string(i), "", 8, Align::Right, ValueFormat::Auto});
    }
    const std::string listed = ShortList(NarrowBoxes(layout, {}, fields));
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 10);
    EXPECT_TRUE(listed.ends_with("\r\ne altri 3")) << listed;
}

} // namespace
