// The common routine on both shapes: its three log lines, what it copies and
// what it leaves, and which failures it keeps to itself.
#include <gtest/gtest.h>

#include "support/converter_harness.h"
#include "run/copy_table_rows.h"
#include "winfs/runtime_error.h"

namespace {

using conversione::TableConverter;
using converter_testing::ConverterHarness;
using converter_testing::Lines;

TableConverter UnitsLike() {
    return {"ConvertUnitsTest", "taunita", "taunita", {conversione::Copy("descrizione"), conversione::Copy("commento")},
            "UNITA nessuna voce presente", "UNITA convertite ", "UNITA Errore nr. ",
            conversione::ConverterShape::CopyRows};
}

void AddUnit(ConverterHarness& h, const std::string& descrizione, const std::string& commento) {
    h.ExecuteSource("INSERT INTO [taunita] ([descrizione], [commento]) VALUES (" + descrizione + ", " + commento + ")");
}

TEST(CopyTableRows, EmptySourceWritesOnlyTheEmptyLineAndLeavesTheTargetAlone) {
    ConverterHarness h;
    h.ExecuteTarget("INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('XX', 'gia'' presente')");
    h.Session().counts.rowCount = 99;
    EXPECT_TRUE(h.EmptyLineIs(UnitsLike(), "UNITA nessuna voce presente"));
    EXPECT_EQ(h.Session().counts.rowCount, 0);
    EXPECT_EQ(h.ReadTarget("taunita").size(), 1u);
}

TEST(CopyTableRows, CopiesEveryRowInSourceOrderWithNullsAndEmptyTexts) {
    ConverterHarness h;
    AddUnit(h, "'PZ'", "'Pezzi'");
    AddUnit(h, "'KG'", "NULL");
    AddUnit(h, "'MT'", "''");
    AddUnit(h, "NULL", "'senza descrizione'");
    EXPECT_TRUE(h.CountLineIs(UnitsLike(), "UNITA convertite "));
    EXPECT_EQ(h.View().log[0], "UNITA convertite 4 voci");
    EXPECT_EQ(h.Session().counts.rowCount, 4);
    EXPECT_EQ(h.Session().counts.rowIndex, 5);

    auto rows = h.ReadTarget("taunita");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0]["descrizione"], dao::Variant("PZ"));
    EXPECT_EQ(rows[0]["commento"], dao::Variant("Pezzi"));
    EXPECT_TRUE(rows[1]["commento"].IsNull());
    EXPECT_EQ(rows[2]["commento"], dao::Variant(""));
    EXPECT_TRUE(rows[3]["descrizione"].IsNull());
}

TEST(CopyTableRows, ARefusedSaveKeepsEarlierRowsAndEndsTheTableWithItsErrorLine) {
    ConverterHarness h;
    AddUnit(h, "'PZ'", "'uno'");
    AddUnit(h, "'KG'", "'due'");
    AddUnit(h, "'PZ'", "'doppione'");   // the version-7 description is unique
    AddUnit(h, "'LT'", "'mai copiato'");
    EXPECT_TRUE(h.ErrorLineIs(UnitsLike(), "UNITA Errore nr. ", 3022));
    EXPECT_EQ(h.Session().counts.tableErrorLines, 1);
    auto rows = h.ReadTarget("taunita");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1]["commento"], dao::Variant("due"));

    // The refused row does not slip in when the next converter binds.
    h.ExecuteSource("INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('NO', 'Nord')");
    h.Run(converter_testing::FindConverter("ConvertZones"));
    EXPECT_EQ(h.ReadTarget("taunita").size(), 2u);
}

TEST(CopyTableRows, ANullInARequiredFieldIsARefusedSave) {
    ConverterHarness h;
    h.ExecuteSource("INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('NO', 'Nord')");
    h.ExecuteSource("INSERT INTO [tazone] ([codice], [descrizione]) VALUES (NULL, 'Senza codice')");
    EXPECT_TRUE(h.ErrorLineIs(converter_testing::FindConverter("ConvertZones"), "TABELLA ZONE Errore nr. ", 3314));
    EXPECT_EQ(h.ReadTarget("tazone").size(), 1u);
}

TEST(CopyTableRows, FailuresOutsideTheSaveRiseToTheCaller) {
    ConverterHarness h;
    AddUnit(h, "'PZ'", "'Pezzi'");

    TableConverter missingField = UnitsLike();
    missingField.fields.push_back(conversione::Copy("nonesiste"));
    try {
        h.Run(missingField);
        FAIL() << "a missing field must rise";
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 3265);
    }

    // Both fields missing: the target is named, as when each row looked its fields up.
    TableConverter missingBoth = UnitsLike();
    missingBoth.fields.insert(missingBoth.fields.begin() + 1, conversione::Copy("destnonesiste", "orignonesiste"));
    try {
        h.Run(missingBoth);
        FAIL() << "a missing field must rise";
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 3265);
        EXPECT_EQ(e.Detail(), "destnonesiste");
    }

    TableConverter missingTable = UnitsLike();
    missingTable.targetTable = "tanonesiste";
    try {
        h.Run(missingTable);
        FAIL() << "a missing table must rise";
    } catch (const vb::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 3078);
        EXPECT_EQ(h.Session().bindings.Side(), conversione::BindingSide::Target);
    }

    // A text that a Long field cannot take is refused when it is set, not at the save.
    TableConverter refused = {"Refused", "taunita", "tabewww", {conversione::Copy("id", "descrizione")},
                              "", "WWW convertite ", "WWW Errore nr. ", conversione::ConverterShape::CopyRows};
    EXPECT_THROW(h.Run(refused), vb::RuntimeError);
    EXPECT_EQ(h.Session().counts.tableErrorLines, 0);
}

TEST(CopyTableRows, ConstantsRowCodesAndMonthsAreWrittenInListOrder) {
    ConverterHarness h;
    h.ExecuteSource("CREATE TABLE [eventi] ([quando] DATETIME, [nota] TEXT(20))");
    h.ExecuteTarget("CREATE TABLE [eventi7] ([codice] TEXT(10), [mese] TEXT(2), [nota] TEXT(20), [fisso] TEXT(5), "
                    "[attivo] YESNO)");
    h.ExecuteSource("INSERT INTO [eventi] ([quando], [nota]) VALUES (#2004-03-15#, 'marzo')");
    h.ExecuteSource("INSERT INTO [eventi] ([quando], [nota]) VALUES (NULL, 'senza data')");
    h.ExecuteSource("INSERT INTO [eventi] ([quando], [nota]) VALUES (#2004-12-01 10:30:00#, 'dicembre')");
    TableConverter events = {"Events", "eventi", "eventi7",
                             conversione::Concat({{conversione::RowCode("codice", "EV")},
                                                  {conversione::MonthOf("mese", "quando"), conversione::Copy("nota")},
                                                  {conversione::Constant("fisso", dao::Variant("DEP")),
                                                   conversione::Constant("attivo", dao::Variant(false))}}),
                             "EVENTI nessuna voce presente", "EVENTI convertite ", "EVENTI Errore nr. ",
                             conversione::ConverterShape::CopyRows};
    EXPECT_EQ(h.Run(events), (Lines{"EVENTI convertite 3 voci"}));
    auto rows = h.ReadTarget("eventi7");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]["codice"], dao::Variant("EV1"));
    EXPECT_EQ(rows[2]["codice"], dao::Variant("EV3"));
    EXPECT_EQ(rows[0]["mese"], dao::Variant("03"));
    EXPECT_TRUE(rows[1]["mese"].IsNull());
    EXPECT_EQ(rows[2]["mese"], dao::Variant("12"));
    EXPECT_EQ(rows[1]["fisso"], dao::Variant("DEP"));
    EXPECT_EQ(rows[1]["attivo"], dao::Variant(false));
}

TEST(CopyTableRows, TwoConvertersInARowEachBindAfresh) {
    ConverterHarness h;
    AddUnit(h, "'PZ'", "'Pezzi'");
    AddUnit(h, "'KG'", "'Chili'");
    h.ExecuteSource("INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('NO', 'Nord')");
    EXPECT_EQ(h.Run(converter_testing::FindConverter("ConvertUnits")), (Lines{"TABELLA UNITA' convertite 2 voci"}));
    EXPECT_EQ(h.Run(converter_testing::FindConverter("ConvertZones")), (Lines{"TABELLA ZONE convertite 1 voci"}));
    EXPECT_EQ(h.Session().bindings.Source().RecordSource(), "tazone");
    EXPECT_EQ(h.Session().bindings.Target().RecordSource(), "tazone");
    // An empty source leaves the target binding on the previous table.
    h.Run(converter_testing::FindConverter("ConvertBanks"));
    EXPECT_EQ(h.Session().bindings.Target().RecordSource(), "tazone");
}

} // namespace
