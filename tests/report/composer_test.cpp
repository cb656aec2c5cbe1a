// Pages fill with lines until the table's room ends; the caller then opens
// the next page and gives the same line again.
#include <gtest/gtest.h>

#include "desktop/qt_application.h"
#include "report/composer.h"
#include "report/report_codes.h"

namespace {

using namespace report;

Layout Table(double top, double bottom) {
    Layout layout;
    layout.header.push_back({ItemKind::Variable, "numero", "Numero ", 10, 10, 80, 10, false, ValueFormat::Auto});
    layout.header.push_back({ItemKind::Text, "DOCUMENTO", "", 120, 10, 60, 14, true, ValueFormat::Auto});
    layout.table.top = top;
    layout.table.bottom = bottom;
    layout.table.fontSize = 10;
    layout.table.columns.push_back({"codice", "Codice", 30, Align::Left, ValueFormat::Auto});
    layout.table.columns.push_back({"qtà", "Q.tà", 20, Align::Right, ValueFormat::Auto});
    return layout;
}

// Text is measured with the fonts of a Qt application.
class Pagination : public ::testing::Test {
protected:
    Pagination() { testing_support::EnsureQtApplication(); }
};

std::vector<QString> Texts(const Page& page) {
    std::vector<QString> texts;
    for (const PageText& t : page.texts) texts.push_back(t.text);
    return texts;
}

TEST_F(Pagination, PagePartCarriesTheVariablesAndTheColumnTitles) {
    DefinitionList variables;
    variables.Set("numero", "120", FieldTypeNumeric);
    DefinitionList fields;
    fields.Set("codice", "FE-1020", FieldTypeText);
    fields.Set("qtà", "12.5", FieldTypeNumeric);
    Composer composer(Table(40, 250));
    composer.OutputPageObjects(variables);
    ASSERT_TRUE(composer.OutputLine(fields));
    composer.FinishLines(variables);

    ASSERT_EQ(composer.Pages().size(), 1u);
    const std::vector<QString> texts = Texts(composer.Pages()[0]);
    const std::vector<QString> expected{QStringLiteral("Numero 120"), QStringLiteral("DOCUMENTO"),
                                        QStringLiteral("Codice"), QString::fromUtf8("Q.tà"),
                                        QStringLiteral("FE-1020"), QStringLiteral("12,5")};
    EXPECT_EQ(texts, expected);
    // The line lies below the titles, inside the table.
    const PageText& line = composer.Pages()[0].texts[4];
    EXPECT_GT(line.rect.top(), 40 + LineHeight(10) - 0.01);
    EXPECT_EQ(composer.Pages()[0].texts[5].align, Align::Right);
}

TEST_F(Pagination, AFullPageRefusesTheLineUntilTheNextPageIsOpened) {
    const double room = 3 * LineHeight(10);
    Composer composer(Table(40, 40 + LineHeight(10) + 0.8 + room + 0.01));
    DefinitionList variables;
    DefinitionList fields;
    EXPECT_FALSE(composer.OutputLine(fields)) << "no page open yet";
    composer.OutputPageObjects(variables);
    int placed = 0;
    for (int i = 0; i < 7; ++i) {
        fields.Set("codice", "L" + std::to_string(i), FieldTypeText);
        if (!composer.OutputLine(fields)) {
            composer.OutputPageObjects(variables);
            ASSERT_TRUE(composer.OutputLine(fields));
        }
        ++placed;
    }
    composer.FinishLines(variables);
    ASSERT_EQ(placed, 7);
    ASSERT_EQ(composer.Pages().size(), 3u);
    // Three lines on each full page, the last one on the third; each line once.
    EXPECT_EQ(composer.Pages()[0].texts.size(), 4u + 3 * 2);
    EXPECT_EQ(composer.Pages()[1].texts.size(), 4u + 3 * 2);
    EXPECT_EQ(composer.Pages()[2].texts.size(), 4u + 1 * 2);
    EXPECT_EQ(composer.Pages()[1].texts[4].text, QStringLiteral("L3"));
    EXPECT_EQ(composer.Pages()[2].texts[4].text, QStringLiteral("L6"));
}

TEST_F(Pagination, ALineTooTallForAnyPageIsPlacedRatherThanRefusedForEver) {
    Composer composer(Table(100, 101));
    DefinitionList fields;
    fields.Set("codice", "X", FieldTypeText);
    composer.OutputPageObjects({});
    EXPECT_TRUE(composer.OutputLine(fields));
    EXPECT_FALSE(composer.OutputLine(fields));
    composer.OutputPageObjects({});
    EXPECT_TRUE(composer.OutputLine(fields));
}

} // namespace
