// Pages fill with lines until the table's room ends; the caller then opens
// the next page and gives the same line again.
#include <gtest/gtest.h>

#include "desktop/qt_application.h"
#include "report/composer.h"
#include "report/report_codes.h"
#include "report/text_fit.h"

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

TEST_F(Pagination, TextWrapsAndTheRowGrowsNumbersShrinkOrOverflowWithAWarning) {
    Composer composer(Table(40, 250));
    DefinitionList variables;
    variables.Set("numero", "1", FieldTypeNumeric);
    composer.OutputPageObjects(variables);
    const std::string description = "Viti autofilettanti zincate a testa svasata piana (conf. 200 pezzi)";
    DefinitionList fields;
    fields.Set("codice", description, FieldTypeText);
    fields.Set("qtà", "1234567891.5", FieldTypeNumeric);
    ASSERT_TRUE(composer.OutputLine(fields));
    fields.Set("codice", "X", FieldTypeText);
    fields.Set("qtà", "123456789012345678901234567890", FieldTypeNumeric);
    ASSERT_TRUE(composer.OutputLine(fields));

    std::vector<const PageText*> wrapped, quantities;
    for (const PageText& t : composer.Pages()[0].texts) {
        if (t.rect.x() < 40 && t.rect.y() > 45) wrapped.push_back(&t);
        if (t.rect.x() > 40 && t.rect.y() > 45) quantities.push_back(&t);
    }
    ASSERT_GT(wrapped.size(), 2u);
    QStringList lines;
    for (std::size_t i = 0; i + 1 < wrapped.size(); ++i) lines << wrapped[i]->text;
    EXPECT_EQ(lines.join(QLatin1Char(' ')).toStdString(), description) << "nothing lost";
    // The next line starts under the last row of the wrapped text.
    EXPECT_GE(wrapped.back()->rect.y(), wrapped[wrapped.size() - 2]->rect.bottom() - 0.01);
    ASSERT_EQ(quantities.size(), 2u);
    EXPECT_EQ(quantities[0]->text, QStringLiteral("1234567891,5"));
    EXPECT_LT(quantities[0]->fontSize, 10);
    EXPECT_GE(quantities[0]->fontSize, kMinFontSize);
    EXPECT_LE(TextWidth(quantities[0]->text, quantities[0]->fontSize, false), quantities[0]->rect.width());
    EXPECT_EQ(quantities[1]->text, QString::fromLatin1(kOverflowMark));
    const std::vector<std::string> warnings = composer.Warnings();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("qtà"), std::string::npos);
    EXPECT_NE(warnings[0].find("123456789012345678901234567890"), std::string::npos);
}

Layout WithFooter(double bottom) {
    Layout layout = Table(40, bottom);
    layout.table.footer.push_back({ItemKind::Count, "", "Righe: ", 10, 1, 40, 10});
    layout.table.footer.push_back({ItemKind::Sum, "qtà", "Totale ", 100, 1, 50, 10});
    layout.table.footer.push_back({ItemKind::Variable, "numero", "Documento ", 100, 8, 50, 10});
    return layout;
}

std::vector<QString> FooterTexts(const Composer& composer, std::size_t page) {
    std::vector<QString> texts;
    for (const QString& t : Texts(composer.Pages()[page]))
        if (t.startsWith(QLatin1String("Righe")) || t.startsWith(QLatin1String("Totale")) ||
            t.startsWith(QLatin1String("Documento")))
            texts.push_back(t);
    return texts;
}

TEST_F(Pagination, TheFooterFollowsTheLastLineOnceOrTakesANewPageWhenThereIsNoRoom) {
    DefinitionList variables;
    variables.Set("numero", "120", FieldTypeNumeric);
    const std::vector<QString> footer{"Righe: 3", "Totale 7,5", "Documento 120"};
    for (const double bottom : {250.0, 40 + LineHeight(10) + 0.8 + 3 * LineHeight(10) + 1}) {
        Composer composer(WithFooter(bottom));
        composer.OutputPageObjects(variables);
        for (const char* quantity : {"1", "2.5", "4"}) {
            DefinitionList fields;
            fields.Set("qtà", quantity, FieldTypeNumeric);
            ASSERT_TRUE(composer.OutputLine(fields));
        }
        const bool roomy = bottom > 200;
        EXPECT_EQ(composer.FinishLines(variables), roomy);
        if (!roomy) EXPECT_TRUE(composer.FinishLines(variables)) << "the second call places it";
        EXPECT_TRUE(composer.FinishLines(variables)) << "once finished, nothing more";
        ASSERT_EQ(composer.Pages().size(), roomy ? 1u : 2u);
        EXPECT_EQ(FooterTexts(composer, composer.Pages().size() - 1), footer);
        if (!roomy) {
            EXPECT_TRUE(FooterTexts(composer, 0).empty());
            EXPECT_EQ(Texts(composer.Pages()[1])[0], QStringLiteral("Numero 120")) << "under the page part";
        }
    }
}

TEST_F(Pagination, AnEmptyLayoutAndNamesTheDataDoesNotHaveAreWarnedOf) {
    Composer empty{Layout{}};
    empty.OutputPageObjects({});
    empty.FinishLines({});
    EXPECT_EQ(empty.Warnings(), std::vector<std::string>{"il modulo non contiene elementi da stampare"});

    Composer composer(Table(40, 250));
    composer.OutputPageObjects({});
    composer.OutputLine({});
    composer.FinishLines({});
    EXPECT_EQ(composer.Warnings(), std::vector<std::string>{"nomi che i dati del documento non hanno: numero, codice, qtà"});
}

} // namespace

