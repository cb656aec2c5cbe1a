// Customer orders, supplier orders and quotes with their lines: each converter
// checked against its expected table data, then run on real files.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "support/converter_harness.h"
#include "tools/schema_loader.h"

namespace {

using namespace converter_testing;
using conversione::AssignmentKind;
using conversione::TableConverter;
using Names = std::vector<std::string>;

Names Join(std::initializer_list<Names> parts) {
    Names all;
    for (const Names& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Names kParty{"id fattura", "fattura_n", "anno_fattura", "id_paziente", "nominativo", "data_fattura",
                   "seconda_riga", "indirizzo", "citta", "pr", "cap", "nazione", "destina2", "seconda2",
                   "indirizzo2", "citta2", "pr2", "cap2", "nazione2", "piva", "pivacee", "codfis"};
const Names kTerms{"listino", "%listino", "desclistino", "esenteiva", "tipobolla", "aspetto", "cautra",
                   "trame", "porto", "vettore", "vetindi", "vetcit", "vettore2", "vetindi2", "vetcit2",
                   "scontosino", "sconto1", "sconto2", "camponote", "agente", "codeagente", "provvagente",
                   "tipopag", "modpag", "valuta", "conversionrate"};
const Names kBrackets{"A1", "A2", "A3", "A4", "A5"};
const Names kTaxable{"IMPO1", "IMPO2", "IMPO3", "IMPO4", "IMPO5"};
const Names kDiscounted{"Scontato1", "Scontato2", "Scontato3", "Scontato4", "Scontato5"};
const Names kVat{"IVA1", "IVA2", "IVA3", "IVA4", "IVA5"};
const Names kInstalments{"rata1c",  "rata1d",  "rata2c",  "rata2d",  "rata3c",  "rata3d",  "rata4c",  "rata4d",
                         "rata5c",  "rata5d",  "rata6c",  "rata6d",  "rata7c",  "rata7d",  "rata8c",  "rata8d",
                         "rata9c",  "rata9d",  "rata10c", "rata10d", "rata11c", "rata11d", "rata12c", "rata12d"};
const Names kLine{"id voce", "id fattura", "codice", "articolo", "unità", "qtà",
                  "prezzo",  "iva",        "sconto", "importo",  "rifarticolo"};

struct OrderCase {
    std::string name;
    std::size_t runPlace;   // 1-based
    std::string source;
    std::string target;
    Names fields;           // in copy order, same name on both sides
    std::string emptyLine;
    std::string countPrefix;
    std::string errorPrefix;
    Row sourceOnly;         // source fields the converter must leave unread, with values
    Row targetDefaults;     // target fields it must leave alone, with a new row's values
    bool isLineTable;
};

// Failures name the converter, not the bytes of its case.
void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

const std::vector<OrderCase>& Cases() {
    static const std::vector<OrderCase> cases{
        {"ConvertCustomerOrders", 36, "ordicli", "ordicli",
         Join({kParty, kTerms, kBrackets, kTaxable, kDiscounted, kVat,
               {"tlordo", "timponibile", "timposta", "tordine", "scaricato", "dataconsegna"}}),
         "TABELLA ORDINE CLIENTE nessuna voce presente", "TABELLA ORDINE CLIENTE convertite ",
         "TABELLA ORDINE CLIENTE Errore nr. ",
         {{"rata1c", dao::Variant::Date(2004, 5, 31)}, {"rata1d", dao::Variant::Currency(99.5)}},
         {{"stampata", dao::Variant(false)}, {"codicedeposito", dao::Variant("DEP")}}, false},
        {"ConvertCustomerOrderLines", 37, "ordicli_voci", "Ordicli_voci", kLine,
         "TABELLA Voci ORDINI CLIENTE  nessuna voce presente", "TABELLA Voci ORDINI CLIENTE  convertite ",
         "TABELLA Voci ORDINE CLIENTI Errore nr. ", {},
         {{"qtàevasa", dao::Variant::Double(0)}, {"codicedeposito", dao::Variant("DEP")}}, true},
        {"ConvertSupplierOrders", 38, "ordifor", "ordifor",
         Join({kParty, {"tipobolla", "tipopag", "modpag", "valuta", "conversionrate"}, kBrackets, kTaxable, kVat,
               {"timponibile", "timposta", "tordine", "dataconsegna", "vettore", "esenteiva"}, kInstalments}),
         "TABELLA ORDINI FORNITORI nessuna voce presente", "TABELLA ORDINE FORNITORI convertite ",
         "TABELLA ORDINE FORNITORI Errore nr. ",
         {{"tlordo", dao::Variant::Currency(1234.5)}, {"scaricato", dao::Variant(true)},
          {"Scontato1", dao::Variant::Currency(10)}, {"listino", dao::Variant("L2")}},
         {{"tlordo", dao::Variant::Currency(0)}, {"scaricato", dao::Variant(false)}}, false},
        {"ConvertSupplierOrderLines", 39, "ordifor_voci", "Ordifor_voci", kLine,
         "TABELLA Voci ORDINI FORNITORE  nessuna voce presente", "TABELLA Voci ORDINI FORNITORE  convertite ",
         "TABELLA Voci ORDINE FORNITORE Errore nr. ", {},
         {{"qtàevasa", dao::Variant::Double(0)}, {"codicedeposito", dao::Variant("DEP")}}, true},
        {"ConvertQuotes", 44, "preventivo", "preventivo",
         Join({kParty, kTerms, kBrackets, kTaxable, kDiscounted, kVat,
               {"tlordo", "timponibile", "timposta", "tpreventivo", "scaricato"}}),
         "TABELLA PREVENTIVO nessuna voce presente", "TABELLA PREVENTIVO convertite ",
         "TABELLA PREVENTIVO Errore nr. ",
         {{"rata1c", dao::Variant::Date(2004, 6, 30)}, {"rata12d", dao::Variant::Currency(7)}},
         {{"trasformata", dao::Variant(false)}, {"giornivalidita", dao::Variant::Integer(30)}}, false},
        {"ConvertQuoteLines", 45, "Preventivo_voci", "Preventivo_voci", kLine,
         "TABELLA Voci PREVENTIVI  nessuna voce presente", "TABELLA Voci PREVENTIVI  convertite ",
         "TABELLA Voci PREVENTIVI Errore nr. ", {},
         {{"codicedeposito", dao::Variant("DEP")}, {"ordinamento", dao::Variant::Long(0)}}, true},
    };
    return cases;
}

// A value for every listed field, distinct within a row: flags and dates by
// name, anything else as short digits that the field's type converts.
dao::Variant SampleValue(const std::string& field, int seed) {
    static const std::set<std::string> flags{"esenteiva", "scontosino", "scaricato"};
    if (flags.count(field)) return dao::Variant(seed % 2 == 0);
    const bool isDate = field.starts_with("data") || (field.starts_with("rata") && field.ends_with("c"));
    if (isDate) return dao::Variant::Date(2004, 1 + seed % 12, 1 + seed % 28);
    return dao::Variant(std::to_string(seed % 97 + 1));
}

Row SampleRow(const OrderCase& c, int row) {
    Row values = c.sourceOnly;
    for (std::size_t i = 0; i < c.fields.size(); ++i)
        values[c.fields[i]] = SampleValue(c.fields[i], row * 100 + static_cast<int>(i));
    return values;
}

const dao::Variant& Key(const OrderCase& c, const Row& row) {
    return row.at(c.isLineTable ? "id voce" : "id fattura");
}

class OrderConverterTest : public ::testing::TestWithParam<OrderCase> {
protected:
    const OrderCase& Case() const { return GetParam(); }
    const TableConverter& Converter() const { return FindConverter(Case().name); }
    ConverterHarness h;
};

TEST_P(OrderConverterTest, CopiesItsOwnFieldsInOrderBetweenItsTables) {
    const TableConverter& converter = Converter();
    EXPECT_EQ(converter.sourceTable, Case().source);
    EXPECT_EQ(converter.targetTable, Case().target);
    Names targets;
    for (const auto& assignment : converter.fields) {
        EXPECT_EQ(assignment.kind, AssignmentKind::Copy) << assignment.target;
        EXPECT_EQ(assignment.source, assignment.target);
        targets.push_back(assignment.target);
    }
    EXPECT_EQ(targets, Case().fields);
    EXPECT_EQ(converter.shape, conversione::ConverterShape::CopyRows);
}

TEST_P(OrderConverterTest, StandsAtItsPlaceInTheRun) {
    const auto& order = conversione::RunOrder();
    ASSERT_GE(order.size(), Case().runPlace);
    EXPECT_EQ(order[Case().runPlace - 1], Case().name);
}

TEST_P(OrderConverterTest, WritesItsThreeLogLinesByteForByte) {
    EXPECT_TRUE(h.EmptyLineIs(Converter(), Case().emptyLine));
    EXPECT_TRUE(h.ReadTarget(Case().target).empty());

    h.InsertSource(Case().source, SampleRow(Case(), 0));
    h.InsertSource(Case().source, SampleRow(Case(), 1));
    EXPECT_TRUE(h.CountLineIs(Converter(), Case().countPrefix));

    h.ExecuteSource("Delete * from [" + Case().source + "]");
    Row refused = SampleRow(Case(), 2);
    if (Case().isLineTable) {
        refused["id fattura"] = dao::Variant::Null();   // a line must name its document
        h.InsertSource(Case().source, refused);
        EXPECT_TRUE(h.ErrorLineIs(Converter(), Case().errorPrefix, 3314));
    } else {
        h.InsertSource(Case().source, refused);
        h.InsertTarget(Case().target, {{"id fattura", refused.at("id fattura")}});
        EXPECT_TRUE(h.ErrorLineIs(Converter(), Case().errorPrefix, 3022));
    }
}

TEST_P(OrderConverterTest, CarriesListedFieldsAndLeavesTheRestToTheTarget) {
    for (int row = 0; row < 3; ++row) h.InsertSource(Case().source, SampleRow(Case(), row));
    ASSERT_EQ(h.Run(Converter()), Lines{Case().countPrefix + "3 voci"});

    const Rows source = h.ReadSource(Case().source);
    const Rows target = h.ReadTarget(Case().target);
    ASSERT_EQ(target.size(), 3u);
    for (std::size_t r = 0; r < target.size(); ++r) {
        std::set<std::string> unnamed;
        for (const auto& [field, value] : target[r]) unnamed.insert(field);
        for (const std::string& field : Case().fields) {
            ASSERT_FALSE(source[r].at(field).IsNull()) << field;
            EXPECT_EQ(target[r].at(field), source[r].at(field)) << "row " << r << " field " << field;
            unnamed.erase(field);
        }
        // Every target field outside the list keeps a new row's value, even
        // where the source holds a field of that name.
        EXPECT_EQ(unnamed.size(), Case().targetDefaults.size());
        for (const auto& [field, value] : Case().targetDefaults)
            EXPECT_EQ(target[r].at(field), value) << "row " << r << " field " << field;
    }
}

TEST_P(OrderConverterTest, NullsArriveAsNulls) {
    Row keysOnly{{"id fattura", dao::Variant(7)}};
    if (Case().isLineTable) keysOnly["id voce"] = dao::Variant(70);
    h.InsertSource(Case().source, keysOnly);
    ASSERT_EQ(h.Run(Converter()), Lines{Case().countPrefix + "1 voci"});

    const Row source = h.ReadSource(Case().source).at(0);
    const Row target = h.ReadTarget(Case().target).at(0);
    int nulls = 0;
    for (const std::string& field : Case().fields) {
        EXPECT_EQ(target.at(field), source.at(field)) << field;
        nulls += target.at(field).IsNull();
    }
    EXPECT_GE(nulls, static_cast<int>(Case().fields.size()) - 5);
}

TEST_P(OrderConverterTest, RefusedRowEndsTheTableKeepingTheRowsBefore) {
    Rows rows{SampleRow(Case(), 0), SampleRow(Case(), 1), SampleRow(Case(), 2)};
    int expectedError = 3022;
    if (Case().isLineTable) {
        rows[1]["id fattura"] = dao::Variant::Null();
        expectedError = 3314;
    } else {
        h.InsertTarget(Case().target, {{"id fattura", rows[1].at("id fattura")}});
    }
    for (const Row& row : rows) h.InsertSource(Case().source, row);
    const std::size_t before = h.ReadTarget(Case().target).size();

    EXPECT_EQ(h.Run(Converter()), Lines{Case().errorPrefix + std::to_string(expectedError)});
    EXPECT_EQ(h.View().selectedLine, 0);
    const Rows target = h.ReadTarget(Case().target);
    ASSERT_EQ(target.size(), before + 1);
    const dao::Variant firstKey = Key(Case(), h.ReadSource(Case().source).at(0));
    EXPECT_TRUE(std::any_of(target.begin(), target.end(), [&](const Row& t) { return Key(Case(), t) == firstKey; }));
    EXPECT_EQ(h.Session().counts.rowCount, 3);
}

INSTANTIATE_TEST_SUITE_P(Orders, OrderConverterTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

// Line tables are not emptied before a run: a second run adds its lines beside
// those of the first, under the same numbers.
TEST(OrderConverters, LinesAreAddedToThoseTheTargetHolds) {
    for (const OrderCase& c : Cases()) {
        if (!c.isLineTable) continue;
        SCOPED_TRACE(c.name);
        ConverterHarness h;
        h.InsertSource(c.source, SampleRow(c, 0));
        h.InsertSource(c.source, SampleRow(c, 1));
        const TableConverter& converter = FindConverter(c.name);
        ASSERT_EQ(h.Run(converter), Lines{c.countPrefix + "2 voci"});
        ASSERT_EQ(h.Run(converter), Lines{c.countPrefix + "2 voci"});
        const Rows target = h.ReadTarget(c.target);
        ASSERT_EQ(target.size(), 4u);
        EXPECT_EQ(target[2].at("id voce"), target[0].at("id voce"));
    }
}

// The six converters in run order on the demo rows, the customer orders
// meeting an order that the target already holds.
TEST(OrderConverters, RefusedRowEndsOnlyItsTableOnTheDemoRows) {
    ConverterHarness h;
    {
        std::unique_ptr<dao::Database> source = h.Engine().OpenDatabase(h.SourceFile());
        schema::RunScript(*source, schema::SchemaRoot() / "demo" / "v6" / "orders.sql");
    }
    h.InsertTarget("ordicli", {{"id fattura", dao::Variant(5)}});

    Lines log;
    for (const TableConverter& converter : conversione::ConvertersInRunOrder()) {
        const auto& cases = Cases();
        if (std::none_of(cases.begin(), cases.end(), [&](const OrderCase& c) { return c.name == converter.name; }))
            continue;
        for (const std::string& line : h.Run(converter)) log.push_back(line);
    }
    const auto count = [&](const std::string& table) { return std::to_string(h.ReadSource(table).size()); };
    EXPECT_EQ(log, (Lines{
                       "TABELLA ORDINE CLIENTE Errore nr. 3022",
                       "TABELLA Voci ORDINI CLIENTE  convertite " + count("ordicli_voci") + " voci",
                       "TABELLA ORDINE FORNITORI convertite " + count("ordifor") + " voci",
                       "TABELLA Voci ORDINI FORNITORE  convertite " + count("ordifor_voci") + " voci",
                       "TABELLA PREVENTIVO convertite " + count("preventivo") + " voci",
                       "TABELLA Voci PREVENTIVI  convertite " + count("Preventivo_voci") + " voci",
                   }));
    EXPECT_EQ(h.ReadTarget("ordicli").size(), 5u);   // the one held, orders 1 to 4

    // Every demo line pairs with a header of its kind.
    for (const auto& [headers, lines] : {std::pair{"ordicli", "ordicli_voci"}, std::pair{"ordifor", "ordifor_voci"},
                                         std::pair{"preventivo", "Preventivo_voci"}}) {
        std::set<std::int32_t> keys;
        for (const Row& header : h.ReadSource(headers)) keys.insert(header.at("id fattura").ToLong());
        EXPECT_GE(keys.size(), 12u) << headers;
        for (const Row& line : h.ReadTarget(lines))
            EXPECT_TRUE(keys.count(line.at("id fattura").ToLong())) << lines << " " << line.at("id voce").ToLong();
    }
}

} // namespace
