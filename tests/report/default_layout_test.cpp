// A new layout shows every variable in a block at the top and every field as
// a column of the line table.
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "report/default_layout.h"
#include "report/report_codes.h"

namespace {

using namespace report;

DefinitionList Variables(int count) {
    DefinitionList list;
    for (int i = 0; i < count; ++i) list.Set("campo" + std::to_string(i), "valore", FieldTypeText);
    return list;
}

TEST(DefaultLayout, EveryVariableInABlockAboveEveryFieldInTheTable) {
    DefinitionList variables;
    variables.Set("id fattura", "1", FieldTypeNumeric);
    variables.Set("nominativo", "Ferramenta Bianchi S.r.l.", FieldTypeText);
    variables.Set("data_fattura", "45366", FieldTypeDate);
    variables.Set("tfattura", "436.3", FieldTypeText, ColumnType::Currency);
    DefinitionList fields;
    fields.Set("id voce", "1", FieldTypeNumeric);
    fields.Set("articolo", "Viti autofilettanti 4x40 zincate (conf. 200 pz)", FieldTypeText);
    fields.Set("qtà", "12", FieldTypeNumeric);
    fields.Set("importo", "100", FieldTypeText, ColumnType::Currency);

    const Layout layout = DefaultLayout(variables, fields);

    ASSERT_EQ(layout.header.size(), 4u);
    std::set<std::pair<double, double>> places;
    for (std::size_t i = 0; i < layout.header.size(); ++i) {
        const HeaderItem& item = layout.header[i];
        EXPECT_EQ(item.kind, ItemKind::Variable);
        EXPECT_EQ(item.source, variables.Items()[i].name);
        EXPECT_EQ(item.caption, variables.Items()[i].name + ": ");
        EXPECT_GE(item.x, 0);
        EXPECT_LE(item.x + item.width, layout.pageWidth);
        EXPECT_LT(item.y + LineHeight(item.fontSize), layout.table.top);
        places.insert({item.x, item.y});
    }
    EXPECT_EQ(places.size(), 4u) << "two variables on the same spot";
    // Formats stay Auto: the column type decides when printing.
    for (const HeaderItem& item : layout.header) EXPECT_EQ(item.format, ValueFormat::Auto);

    ASSERT_EQ(layout.table.columns.size(), 4u);
    double width = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(layout.table.columns[i].field, fields.Items()[i].name);
        EXPECT_EQ(layout.table.columns[i].title, fields.Items()[i].name);
        width += layout.table.columns[i].width;
    }
    EXPECT_NEAR(layout.table.left + width, layout.pageWidth - layout.table.left, 0.01);
    EXPECT_GT(layout.table.columns[1].width, layout.table.columns[0].width) << "descriptions need the room";
    EXPECT_EQ(layout.table.columns[2].align, Align::Right);
    EXPECT_EQ(layout.table.columns[3].align, Align::Right) << "money without decimals is still money";
    EXPECT_GT(layout.table.bottom - layout.table.top, 100) << "room for the lines";
}

TEST(DefaultLayout, ManyVariablesStillLeaveTheTableRoom) {
    const Layout layout = DefaultLayout(Variables(120), DefinitionList{});
    ASSERT_EQ(layout.header.size(), 120u);
    for (const HeaderItem& item : layout.header) {
        EXPECT_LT(item.y, layout.table.top);
        EXPECT_LE(item.x + item.width, layout.pageWidth);
    }
    EXPECT_LT(layout.table.top, 210);
}

TEST(DefaultLayout, NothingDeclaredGivesAnEmptyPage) {
    const Layout layout = DefaultLayout(DefinitionList{}, DefinitionList{});
    EXPECT_TRUE(layout.header.empty());
    EXPECT_TRUE(layout.table.columns.empty());
    EXPECT_LT(layout.table.top, layout.table.bottom);
}

} // namespace
