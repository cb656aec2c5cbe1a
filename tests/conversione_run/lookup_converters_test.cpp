// The lookup and configuration converters: their literals, byte for byte, and
// the members that are more than a plain copy.
#include <gtest/gtest.h>

#include "support/converter_harness.h"
#include "winfs/runtime_error.h"

namespace {

using converter_testing::ConverterHarness;
using converter_testing::FindConverter;
using converter_testing::Lines;

struct LookupCase {
    const char* converter;
    const char* sourceTable;
    const char* rowInsert;      // INSERT of one source row; %d replaced by the row number
    const char* emptyLine;
    const char* countPrefix;
    const char* errorPrefix;
};

std::string Row(const char* pattern, int n) {
    std::string text(pattern);
    const std::string number = std::to_string(n);
    for (std::size_t at; (at = text.find("%d")) != std::string::npos;) text.replace(at, 2, number);
    return text;
}

const LookupCase kCases[] = {
    {"ConvertUnits", "taunita", "INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('U%d', 'unità %d')",
     "TABELLA UNITA' nessuna voce presente", "TABELLA UNITA' convertite ", "TABELLA UNITA' Errore nr. "},
    {"ConvertTransportTypes", "tatrasporto",
     "INSERT INTO [tatrasporto] ([descrizione], [commento]) VALUES ('T%d', NULL)",
     "TABELLA TRASPORTO nessuna voce presente", "TABELLA TRASPORTO convertite ", "TABELLA TRASPORTO Errore nr. "},
    {"ConvertCarriageTerms", "taporto", "INSERT INTO [taporto] ([descrizione], [commento]) VALUES ('P%d', 'c')",
     "TABELLA PORTO nessuna voce presente", "TABELLA PORTO convertite ", "TABELLA PORTO Errore nr. "},
    {"ConvertProductSectors", "tasettmerc", "INSERT INTO [tasettmerc] ([codice], [descrizione]) VALUES ('0%d', 'S')",
     "TABELLA SETTORI MERCEOLOGICI nessuna voce presente", "TABELLA SETTORI MERC. convertite ",
     "TABELLA SETTORI MERC. Errore nr. "},
    {"ConvertAgentCategories", "catagenti", "INSERT INTO [catagenti] ([codice], [descrizione]) VALUES ('A%d', 'a')",
     "TABELLA CATEGORIE AGENTI nessuna voce presente", "TABELLA CATEGORIE AGENTI convertite ",
     "TABELLA CATEGORIE AGENTI Errore nr. "},
    {"ConvertArticleCategories", "catarticoli",
     "INSERT INTO [catarticoli] ([codice], [descrizione]) VALUES ('R%d', 'r')",
     "TABELLA CATEGORIE ARTICOLI nessuna voce presente", "TABELLA CATEGORIE ARTICOLI convertite ",
     "TABELLA CATEGORIE ARTICOLI Errore nr. "},
    {"ConvertCustomerCategories", "catclienti",
     "INSERT INTO [catclienti] ([codice], [descrizione]) VALUES ('C%d', 'c')",
     "TABELLA CATEGORIE CLIENTI nessuna voce presente", "TABELLA CATEGORIE CLIENTI convertite ",
     "TABELLA CATEGORIE CLIENTI Errore nr. "},
    {"ConvertSupplierCategories", "catfornitori",
     "INSERT INTO [catfornitori] ([codice], [descrizione]) VALUES ('F%d', 'f')",
     "TABELLA CATEGORIE FORNITORI nessuna voce presente", "TABELLA CATEGORIE FORNITORI convertite ",
     "TABELLA CATEGORIE FORNITORI Errore nr. "},
    {"ConvertZones", "tazone", "INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('Z%d', 'z')",
     "TABELLA ZONE nessuna voce presente", "TABELLA ZONE convertite ", "TABELLA ZONE Errore nr. "},
    {"ConvertGoodsAppearance", "taaspetto",
     "INSERT INTO [taaspetto] ([descrizione], [commento]) VALUES ('Scatola %d', '')",
     "TABELLA ASPETTO nessuna voce presente", "TABELLA ASPETTO convertite ", "TABELLA ASPETTO Errore nr. "},
    {"ConvertVatRates", "taaliquote", "INSERT INTO [taaliquote] ([descrizione], [commento]) VALUES ('2%d', 'iva')",
     "TABELLA ALIQUOTE nessuna voce presente", "TABELLA ALIQUOTE convertite ", "TABELLA ALIQUOTE Errore nr. "},
    {"ConvertShippingMeans", "taamezzo", "INSERT INTO [taamezzo] ([descrizione], [commento]) VALUES ('M%d', 'm')",
     "TABELLA A MEZZO nessuna voce presente", "TABELLA AMEZZO convertite ", "TABELLA AMEZZO Errore nr. "},
    {"ConvertCurrencies", "tacurrencies",
     "INSERT INTO [tacurrencies] ([currency id], [standard conversion rate], [description]) VALUES ('V%d', 1.5, 'v')",
     "TABELLA VALUTE  nessuna voce presente", "TABELLA VALUTE  convertite ", "TABELLA VALUTE Errore nr. "},
    {"ConvertDepots", "tadepositi", "INSERT INTO [tadepositi] ([codice], [descrizione]) VALUES ('D%d', 'd')",
     "TABELLA DEPOSITI  nessuna voce presente", "TABELLA DEPOSITI  convertite ", "TABELLA DEPOSITI Errore nr. "},
    {"ConvertWwwTable", "tabewww", "INSERT INTO [tabewww] ([nominativo], [www]) VALUES ('W%d', 'http://w%d.it')",
     "TabeWWW nessuna voce presente", "TABELLA WWW convertite ", "TABELLA WWW Errore nr. "},
    {"ConvertPaymentTypes", "tatipopag", "INSERT INTO [tatipopag] ([codice], [descrizione], [rate]) VALUES ('T%d', 't', 1)",
     "TABELLA TIPO PAGAMENTI nessuna voce presente", "TABELLA TIPO PAGAMENTI convertite ",
     "TABELLA TIPO PAGAMENTI Errore nr. "},
    {"ConvertPaymentMethods", "tamodpag", "INSERT INTO [tamodpag] ([codice], [descrizione]) VALUES ('X', 'p%d')",
     "TABELLA PAGAMENTI nessuna voce presente", "TABELLA PAGAMENTI convertite ", "TABELLA PAGAMENTI Errore nr. "},
    {"ConvertBanks", "tabanche", "INSERT INTO [tabanche] ([descrizione], [abi], [cab]) VALUES ('B', '0600%d', '1320%d')",
     "TABELLA BANCHE nessuna voce presente", "TABELLA BANCHE convertite ", "TABELLA BANCHE Errore nr. "},
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.converter; }

class LookupLines : public ::testing::TestWithParam<LookupCase> {};

// Empty, count and error line of each member; the error comes from meeting
// the keys of a first run again.
TEST_P(LookupLines, AreWrittenByteForByte) {
    const LookupCase& c = GetParam();
    ConverterHarness h;
    const auto& converter = FindConverter(c.converter);
    EXPECT_EQ(converter.sourceTable, c.sourceTable);
    EXPECT_TRUE(h.EmptyLineIs(converter, c.emptyLine));
    EXPECT_TRUE(h.ReadTarget(converter.targetTable).empty());

    for (int n = 1; n <= 3; ++n) h.ExecuteSource(Row(c.rowInsert, n));
    EXPECT_TRUE(h.CountLineIs(converter, c.countPrefix));
    EXPECT_EQ(h.ReadTarget(converter.targetTable).size(), 3u);

    EXPECT_TRUE(h.ErrorLineIs(converter, c.errorPrefix, 3022));
    EXPECT_EQ(h.ReadTarget(converter.targetTable).size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(EachMember, LookupLines, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.converter); });

TEST(PaymentMethods, GetFreshCodesInSourceOrderWhateverTheSourceCodes) {
    ConverterHarness h;
    const char* codes[] = {"'RD'", "NULL", "'RD'", "'x'", "'B'", "NULL", "'7'", "'8'", "'9'", "'10'", "'Z'", "'Z'"};
    for (int n = 0; n < 12; ++n)
        h.ExecuteSource(std::string("INSERT INTO [tamodpag] ([codice], [descrizione]) VALUES (") + codes[n] +
                        ", 'modo " + std::to_string(n + 1) + "')");
    EXPECT_EQ(h.Run(FindConverter("ConvertPaymentMethods")), (Lines{"TABELLA PAGAMENTI convertite 12 voci"}));
    auto rows = h.ReadTarget("tamodpag");
    ASSERT_EQ(rows.size(), 12u);
    for (int n = 0; n < 12; ++n) {
        EXPECT_EQ(rows[n]["codice"], dao::Variant("A" + std::to_string(n + 1)));
        EXPECT_EQ(rows[n]["descrizione"], dao::Variant("modo " + std::to_string(n + 1)));
    }
}

TEST(PaymentTypes, CopyAllSixteenFields) {
    ConverterHarness h;
    h.ExecuteSource("INSERT INTO [tatipopag] ([codice], [descrizione], [rate], [scad1], [scad2], [scad3], [scad4], "
                    "[scad5], [scad6], [scad7], [scad8], [scad9], [scad10], [scad11], [scad12], [finemese]) VALUES "
                    "('MENS', 'Dodici rate', 12, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330, NULL, TRUE)");
    EXPECT_EQ(h.Run(FindConverter("ConvertPaymentTypes")), (Lines{"TABELLA TIPO PAGAMENTI convertite 1 voci"}));
    auto source = h.ReadSource("tatipopag");
    auto target = h.ReadTarget("tatipopag");
    ASSERT_EQ(target.size(), 1u);
    for (const auto& [field, value] : source[0]) EXPECT_EQ(target[0][field], value) << field;
    EXPECT_TRUE(target[0]["scad12"].IsNull());
}

TEST(Currencies, FindTheRateFieldSpelledInOtherCase) {
    ConverterHarness h;
    h.ExecuteSource("INSERT INTO [tacurrencies] ([currency id], [standard conversion rate], [description]) "
                    "VALUES ('ITL', 1936.27, 'Lira italiana')");
    EXPECT_EQ(h.Run(FindConverter("ConvertCurrencies")), (Lines{"TABELLA VALUTE  convertite 1 voci"}));
    auto rows = h.ReadTarget("tacurrencies");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["Standard conversion rate"], dao::Variant::Double(1936.27));
    EXPECT_EQ(rows[0]["description"], dao::Variant("Lira italiana"));
}

// The configuration: the first target row takes the first source row's values.
class Configuration : public ::testing::Test {
protected:
    Configuration() {
        h.ExecuteSource("INSERT INTO [configurazione] ([FTV], [FTPF], [FTNC], [NC], [FTND], [PR], [OV], [OA], [RC], "
                        "[DT], [MM], [anno]) VALUES (148, 12, 3, 7, NULL, 41, 86, 59, 0, 212, 1034, 2004)");
    }
    ConverterHarness h;
    const conversione::TableConverter& converter = FindConverter("ConvertConfiguration");
};

TEST_F(Configuration, EditsTheFirstTargetRowInPlaceAndLogsNothing) {
    auto before = h.ReadTarget("configurazione");
    ASSERT_EQ(before.size(), 1u);
    EXPECT_TRUE(h.Run(converter).empty());
    auto after = h.ReadTarget("configurazione");
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0]["FTPF"], dao::Variant::Long(12));
    EXPECT_EQ(after[0]["FTNC"], dao::Variant::Long(3));
    EXPECT_EQ(after[0]["NC"], dao::Variant("0"));
    EXPECT_TRUE(after[0]["FTND"].IsNull());
    EXPECT_EQ(after[0]["PR"], dao::Variant::Long(41));
    EXPECT_EQ(after[0]["OV"], dao::Variant::Long(86));
    EXPECT_EQ(after[0]["OA"], dao::Variant::Long(59));
    EXPECT_EQ(after[0]["RC"], dao::Variant::Long(0));
    EXPECT_EQ(after[0]["DT"], dao::Variant::Long(212));
    EXPECT_EQ(after[0]["MM"], dao::Variant::Long(1034));
    // Fields outside the ten keep the target's values.
    EXPECT_EQ(after[0]["FTV"], before[0]["FTV"]);
    EXPECT_EQ(after[0]["anno"], before[0]["anno"]);
    EXPECT_EQ(after[0]["ultimoaggiornamento"], before[0]["ultimoaggiornamento"]);
}

TEST_F(Configuration, ReadsOnlyTheFirstSourceRowAndChangesOnlyTheFirstTargetRow) {
    h.ExecuteSource("INSERT INTO [configurazione] ([FTPF]) VALUES (999)");
    h.ExecuteSource("Delete * from [versione]");   // unrelated tables are not needed
    h.ExecuteTarget("INSERT INTO [configurazione] ([FTPF], [NC]) VALUES (5, 'x')");
    h.Run(converter);
    auto after = h.ReadTarget("configurazione");
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0]["FTPF"], dao::Variant::Long(12));
    EXPECT_EQ(after[1]["FTPF"], dao::Variant::Long(5));
    EXPECT_EQ(after[1]["NC"], dao::Variant("x"));
}

TEST_F(Configuration, ARefusedSaveLeavesTheRowAsItWasWithOneErrorLine) {
    h.ExecuteTarget("DROP TABLE [configurazione]");
    h.ExecuteTarget("CREATE TABLE [configurazione] ([FTPF] LONG CHECK ([FTPF] < 100), [FTNC] LONG, [NC] TEXT(10), "
                    "[FTND] LONG, [PR] LONG, [OV] LONG, [OA] LONG, [RC] LONG, [DT] LONG, [MM] LONG)");
    h.ExecuteSource("Delete * from [configurazione]");
    h.ExecuteSource("INSERT INTO [configurazione] ([FTPF], [FTNC]) VALUES (148, 3)");
    h.ExecuteTarget("INSERT INTO [configurazione] ([FTPF], [FTNC], [NC]) VALUES (1, 2, '9')");
    EXPECT_TRUE(h.ErrorLineIs(converter, "TABELLA CONFIGURAZIONE Errore nr. ", 3317));
    auto after = h.ReadTarget("configurazione");
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0]["FTPF"], dao::Variant::Long(1));
    EXPECT_EQ(after[0]["FTNC"], dao::Variant::Long(2));
    EXPECT_EQ(after[0]["NC"], dao::Variant("9"));
}

TEST_F(Configuration, ATargetWithoutRowsOrASourceWithoutRowsRises) {
    h.ExecuteTarget("Delete * from [configurazione]");
    EXPECT_THROW(h.Run(converter), vb::RuntimeError);

    ConverterHarness fresh;
    auto before = fresh.ReadTarget("configurazione");
    EXPECT_THROW(fresh.Run(converter), vb::RuntimeError);
    EXPECT_EQ(fresh.ReadTarget("configurazione"), before);
    EXPECT_TRUE(fresh.View().log.empty());
}

} // namespace
