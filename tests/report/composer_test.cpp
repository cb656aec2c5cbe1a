// Pages fill with lines until the table's room ends; the caller then opens
// the next page and gives the same line again.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "report/composer/composer.h"
#include "report/composer/text_fit.h"
#include "report/model/report_codes.h"
#include "support/qt_application.h"

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
    variables.Set("numero", "120", kFieldTypeNumeric);
    DefinitionList fields;
    fields.Set("codice", "FE-1020", kFieldTypeText);
    fields.Set("qtà", "12.5", kFieldTypeNumeric);
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
        fields.Set("codice", "L" + std::to_string(i), kFieldTypeText);
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
    fields.Set("codice", "X", kFieldTypeText);
    composer.OutputPageObjects({});
    EXPECT_TRUE(composer.OutputLine(fields));
    EXPECT_FALSE(composer.OutputLine(fields));
    composer.OutputPageObjects({});
    EXPECT_TRUE(composer.OutputLine(fields));
}

TEST_F(Pagination, TextWrapsAndTheRowGrowsNumbersShrinkOrOverflowWithAWarning) {
    Composer composer(Table(40, 250));
    DefinitionList data;
    data.Set("numero", "1", kFieldTypeNumeric);
    composer.OutputPageObjects(data);
    const std::string description = "Viti autofilettanti zincate a testa svasata piana (conf. 200 pezzi)";
    for (const auto& [text, quantity] : {std::pair{description, "12345678.5"}, {"X", "123456789012345678901234"}}) {
        data.Set("codice", text, kFieldTypeText);
        data.Set("qtà", quantity, kFieldTypeNumeric);
        ASSERT_TRUE(composer.OutputLine(data));
    }
    QStringList wrapped;
    std::vector<const PageText*> quantities;
    for (const PageText& t : composer.Pages()[0].texts) {
        if (t.rect.y() < 45) continue;   // page part and titles
        if (t.rect.x() < 40) wrapped << t.text;
        else quantities.push_back(&t);
    }
    ASSERT_GT(wrapped.size(), 2) << "the row grows";
    EXPECT_EQ(wrapped.mid(0, wrapped.size() - 1).join(QLatin1Char(' ')).toStdString(), description);
    ASSERT_EQ(quantities.size(), 2u);
    EXPECT_EQ(quantities[0]->text, QStringLiteral("12.345.678,5"));
    EXPECT_TRUE(quantities[0]->fontSize < 10 && quantities[0]->fontSize >= kMinFontSize);
    EXPECT_LE(TextWidth(quantities[0]->text, quantities[0]->fontSize, false), quantities[0]->rect.width());
    EXPECT_EQ(quantities[1]->text, QString::fromLatin1(kOverflowMark));
    EXPECT_EQ(composer.Warnings(), std::vector<std::string>{
                                       "qtà: il valore \"123.456.789.012.345.678.901.234\" non entra nella sua casella"});
}

TEST_F(Pagination, TheFooterFollowsTheLastLineOnceOrTakesANewPageWhenThereIsNoRoom) {
    DefinitionList data;
    data.Set("numero", "120", kFieldTypeNumeric);
    for (const double bottom : {250.0, 40 + LineHeight(10) + 0.8 + 3 * LineHeight(10) + 1}) {
        Layout layout = Table(40, bottom);
        layout.table.footer = {{ItemKind::Count, "", "Righe: ", 10, 1, 40, 10},
                               {ItemKind::Sum, "qtà", "Totale ", 100, 1, 50, 10},
                               {ItemKind::Variable, "numero", "Documento ", 100, 8, 50, 10}};
        Composer composer(layout);
        composer.OutputPageObjects(data);
        for (const char* quantity : {"1", "2.5", "4"}) {
            data.Set("qtà", quantity, kFieldTypeNumeric);
            ASSERT_TRUE(composer.OutputLine(data));
        }
        const bool roomy = bottom > 200;
        EXPECT_EQ(composer.FinishLines(data), roomy);
        EXPECT_TRUE(composer.FinishLines(data)) << "placed by the repeated call, or already placed";
        ASSERT_EQ(composer.Pages().size(), roomy ? 1u : 2u);
        const std::vector<QString> last = Texts(composer.Pages().back());
        // Under the page part (and the titles) of the last page: count, sum, variable.
        const std::vector<QString> footer(last.end() - 3, last.end());
        EXPECT_EQ(footer, (std::vector<QString>{"Righe: 3", "Totale 7,5", "Documento 120"}));
        if (!roomy) {
            EXPECT_EQ(Texts(composer.Pages()[0]).size(), 4u + 3 * 2) << "no footer on the first page";
        }
    }
}

TEST_F(Pagination, ALongNoteWrapsWholeAndPushesDownWhatStandsBelowIt) {
    Layout layout = Table(40, 250);
    layout.header = {{ItemKind::Variable, "note", "Note: ", 10, 20, 60, 10},
                     {ItemKind::Variable, "banca", "", 10, 26, 60, 10},
                     {ItemKind::Variable, "numero", "", 120, 26, 60, 10},
                     {ItemKind::PageNumber, "", "Pagina ", 10, 260, 60, 10}};
    DefinitionList variables;
    variables.Set("note", "Prima riga\nSeconda riga\nTerza riga, fine", kFieldTypeText);
    variables.Set("banca", "Banca", kFieldTypeText);
    variables.Set("numero", "120", kFieldTypeText);
    Composer composer(layout);
    composer.OutputPageObjects(variables);
    std::map<QString, double> top;
    for (const PageText& t : composer.Pages()[0].texts) top[t.text] = t.rect.top();
    ASSERT_TRUE(top.count("Terza riga, fine") && top.count("Banca") && top.count("Codice"));
    const double grown = 2 * LineHeight(10);
    EXPECT_NEAR(top["Banca"], 26 + grown, 0.01);
    EXPECT_NEAR(top["Codice"], 40 + grown, 0.01);
    EXPECT_NEAR(top["120"], 26, 0.01) << "beside the note, not below it";
    const std::vector<PageText>& texts = composer.Pages()[0].texts;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const PageText& t) { return t.rect.top() == 260; }))
        << "the page's foot stays";
}

// Every line and every row of the note once; nothing below the table's bottom but the page's foot.
TEST_F(Pagination, ANoteOfThePagePartLongerThanAPagePrintsOnceAndTheLinesAfterIt) {
    Layout layout = Table(40, 250);
    layout.header = {{ItemKind::Variable, "note", "", 10, 20, 60, 10},
                     {ItemKind::Variable, "banca", "", 10, 26, 60, 10},
                     {ItemKind::PageNumber, "", "", 10, 260, 60, 10}};
    layout.table.footer = {{ItemKind::Count, "", "Righe: ", 10, 1, 40, 10}};
    layout.table.left = 75;   // beside the note: not pushed down by it, yet after it
    std::string note;
    for (int i = 0; i < 80; ++i) note += "riga" + std::to_string(100 + i) + "\n";
    DefinitionList data;
    data.Set("note", note, kFieldTypeText);
    data.Set("banca", "Banca", kFieldTypeText);
    Composer composer(layout);
    composer.OutputPageObjects(data);
    for (int i = 0; i < 30; ++i) {
        data.Set("codice", "C" + std::to_string(100 + i), kFieldTypeText);
        int tries = 0;
        while (!composer.OutputLine(data) && ++tries < 5) composer.OutputPageObjects(data);
        ASSERT_LT(tries, 5);
    }
    int finishing = 0;
    while (!composer.FinishLines(data) && ++finishing < 5) {}
    ASSERT_LT(finishing, 5);
    std::map<QString, int> counts;
    for (const Page& page : composer.Pages())
        for (const PageText& t : page.texts) {
            ++counts[t.text];
            if (!t.text.startsWith(QStringLiteral("Pagina"))) {
                EXPECT_LE(t.rect.bottom(), 250.01) << t.text.toStdString();
            }
        }
    for (int i = 0; i < 80; ++i) EXPECT_EQ(counts["riga" + QString::number(100 + i)], 1) << i;
    for (int i = 0; i < 30; ++i) EXPECT_EQ(counts["C" + QString::number(100 + i)], 1) << i;
    EXPECT_EQ(counts["Righe: 30"], 1);
    EXPECT_GE(counts["Banca"], 1) << "pushed off the first page, printed on a later one";
    EXPECT_EQ(composer.Pages().size(), 2u);
    EXPECT_EQ(composer.Failure(), "");

    // A note above the table that leaves room for one row: a line of two rows goes whole to the next page.
    const double row = LineHeight(10);
    const int rows = static_cast<int>(209.2 / row) - 1;
    layout = Table(40, 250);
    layout.header = {{ItemKind::Variable, "note", "", 10, 20, 60, 10}};
    data.Set("note", QString("riga\n").repeated(rows).toStdString(), kFieldTypeText);
    data.Set("codice", "prima\nseconda", kFieldTypeText);
    Composer pushed(layout);
    pushed.OutputPageObjects(data);
    ASSERT_FALSE(pushed.OutputLine(data));
    pushed.OutputPageObjects(data);
    ASSERT_TRUE(pushed.OutputLine(data));
    EXPECT_EQ(Texts(pushed.Pages()[1]), (std::vector<QString>{"Codice", QString::fromUtf8("Q.tà"), "prima", "seconda", ""}));

    // A table without room for a line prints what it can, and says the document is not whole.
    Composer cramped(Table(100, 101));
    cramped.OutputPageObjects({});
    EXPECT_EQ(cramped.Failure(), "il documento non entra intero nelle pagine del modulo: la tabella del modulo non "
                                 "ha spazio per una riga sopra il suo fondo");
}

TEST_F(Pagination, ACodeOrANumberWithItsUnitShrinksRatherThanBreakInside) {
    Layout layout = Table(40, 250);
    layout.table.columns = {{"codice", "Codice", 16, Align::Left, ValueFormat::Auto},
                            {"articolo", "Articolo", 22, Align::Left, ValueFormat::Auto}};
    DefinitionList fields;
    fields.Set("codice", "FE-1020-XY", kFieldTypeText);
    fields.Set("articolo", "Cemento sacco 25 kg", kFieldTypeText);
    Composer composer(layout);
    composer.OutputPageObjects({});
    ASSERT_TRUE(composer.OutputLine(fields));
    fields.Set("codice", std::string(60, 'X'), kFieldTypeText);
    ASSERT_TRUE(composer.OutputLine(fields));
    std::vector<const PageText*> code, description, long_;
    for (const PageText& t : composer.Pages()[0].texts) {
        if (t.rect.top() < 45) continue;
        if (t.text.startsWith('X')) long_.push_back(&t);
        else (t.rect.x() < 25 ? code : description).push_back(&t);
    }
    ASSERT_EQ(code.size(), 1u);
    EXPECT_EQ(code[0]->text, QStringLiteral("FE-1020-XY"));
    EXPECT_TRUE(code[0]->fontSize < 10 && code[0]->fontSize >= kMinFontSize);
    EXPECT_EQ(description.back()->text, QStringLiteral("25 kg"));
    // A word too wide even at the smallest size still prints whole, letter by letter.
    ASSERT_GT(long_.size(), 1u);
    QString joined;
    for (const PageText* t : long_) joined += t->text;
    EXPECT_EQ(joined, QString(60, QLatin1Char('X')));
    EXPECT_EQ(long_[0]->fontSize, kMinFontSize);
}

TEST_F(Pagination, AnEmptyDocumentsSumsPrintInTheirColumnsFormats) {
    Layout layout = Table(40, 250);
    layout.table.footer = {{ItemKind::Sum, "importo", "Totale importo: ", 10, 1, 90, 10},
                           {ItemKind::Sum, "qtà", "Totale qtà: ", 10, 8, 90, 10}};
    DefinitionList fields;   // declared from the first line, which belongs to another document
    fields.Set("importo", "12.5", kFieldTypeText, ColumnType::Currency);
    fields.Set("qtà", "3", kFieldTypeNumeric, ColumnType::Number);
    Composer composer(layout);
    composer.OutputPageObjects({});
    ASSERT_TRUE(composer.FinishLines({}, fields));
    const std::vector<QString> texts = Texts(composer.Pages()[0]);
    EXPECT_EQ(std::vector<QString>(texts.end() - 2, texts.end()),
              (std::vector<QString>{"Totale importo: 0,00", "Totale qtà: 0"}));
}

TEST_F(Pagination, AnEmptyLayoutAndNamesTheDataDoesNotHaveAreWarnedOf) {
    Composer empty{Layout{}};
    empty.OutputPageObjects({});
    empty.FinishLines({});
    EXPECT_EQ(empty.Warnings(), std::vector<std::string>{"il modulo non contiene elementi da stampare"});
    Composer composer(Table(40, 250));
    composer.OutputPageObjects({});
    composer.OutputLine({});
    EXPECT_EQ(composer.Warnings(), std::vector<std::string>{"nomi che i dati del documento non hanno: numero, codice, qtà"});
}

} // namespace
