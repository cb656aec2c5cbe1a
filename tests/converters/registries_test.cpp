// Registry and price-list converters: each one run on the demo rows of real
// version-6 and version-7 files, its fields classified by the target schema
// (copied, constant, left to the target's default).
#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "support/converter_harness.h"
#include "dbengine/data_control.h"
#include "dbengine/recordset.h"
#include "registries/registry_fields.h"
#include "run/empty_target_tables.h"
#include "tools/schema_loader.h"
#include "winfs/paths.h"

namespace {

using namespace converter_testing;
using conversione::AssignmentKind;
using conversione::TableConverter;
using dao::Variant;
using Names = std::vector<std::string>;

const Names kSecondAddress{"ragione2", "seconda2", "magazzino", "citta2", "pr2", "cap2"};
const Names kBank{"banca", "baabi", "bacab", "baconto", "banca2", "baabi2", "bacab2", "baconto2"};
const Names kFixedCosts{"Fisso1IE", "Fisso2IE", "Fisso3IE", "Fisso4IE", "Fisso5IE",
                        "Fisso1IC", "Fisso2IC", "Fisso3IC", "Fisso4IC", "Fisso5IC"};

Row NullsFor(std::initializer_list<Names> groups, Row more) {
    for (const Names& group : groups)
        for (const std::string& field : group) more[field] = Variant::Null();
    return more;
}

Row TextZeroFor(const Names& fields) {
    Row row;
    for (const std::string& field : fields) row[field] = Variant("0");
    return row;
}

struct RegistryCase {
    std::string name;
    std::size_t runPlace;      // 1-based
    std::string source;
    std::string target;        // as the converter binds it
    std::size_t copies;        // fields copied under the same name
    Row constants;             // target field -> the value every row gets, with its type
    Row targetDefaults;        // target fields left alone -> a new row's value
    Names unread;              // source fields the converter must not read
    std::string emptyLine;
    std::string countPrefix;
    std::string errorPrefix;
};

const std::vector<RegistryCase>& Cases() {
    static const std::vector<RegistryCase> cases{
        {"ConvertAgents", 1, "agenti", "agenti", 50, {},
         {{"attivo", Variant(true)}, {"enasarco", Variant::Double(8.5)}}, {"datains"},
         "ANAGRAFICA AGENTI nessuna voce presente", "ANAGRAFICA AGENTI convertite ", "ANAGRAFICA AGENTI Errore nr. "},
        {"ConvertCompany", 2, "anagrafica azienda", "ANAGRAFICA AZIENDA", 41, {},
         {{"ragionesociale", Variant("")}, {"regimefiscale", Variant("RF01")}}, {"ragionesociale", "ultimoagg"},
         "ANAGRAFICA AZIENDA nessuna voce presente", "ANAGRAFICA AZIENDA convertite ",
         "ANAGRAFICA AZIENDA Errore nr. "},
        {"ConvertArticles", 3, "articoli", "Articoli", 15, TextZeroFor(kFixedCosts),
         {{"ubicazione", Variant("MAG01")}, {"prezzo1", Variant::CurrencyScaled(0)}}, kFixedCosts,
         "TABELLA ARTICOLI nessuna voce presente", "TABELLA ARTICOLI convertite ", "TABELLA ARTICOLI Errore nr. "},
        {"ConvertBillOfMaterials", 4, "articoli_famiglia", "articoli_famiglia", 7, {},
         {{"ordine", Variant::Integer(0)}}, {"note"},
         "DISTINTA BASE nessuna voce presente", "DISTINTA BASE convertite ", "DISTINTA BASE Errore nr. "},
        {"ConvertCustomers", 5, "clienti", "clienti", 57, TextZeroFor({"fattmese", "annomese", "idfatturamensile"}),
         {{"codicedestinatario", Variant("0000000")}, {"splitpayment", Variant(false)}},
         {"fattmese", "annomese", "idfatturamensile"},
         "ANAGRAFICA CLIENTI nessuna voce presente", "ANAGRAFICA CLIENTI convertite ",
         "ANAGRAFICA CLIENTI Errore nr. "},
        {"ConvertCarriers", 23, "vettori", "vettori", 20, {},
         NullsFor({kSecondAddress, kBank}, {{"attivo", Variant(true)}, {"albo", Variant("non iscritto")}}),
         [] {
             Names unread = kSecondAddress;
             unread.insert(unread.end(), kBank.begin(), kBank.end());
             return unread;
         }(),
         "ANAGRAFICA VETTORI nessuna voce presente", "ANAGRAFICA VETTORI convertite ",
         "ANAGRAFICA VETTORI Errore nr. "},
        {"ConvertSuppliers", 33, "fornitori", "fornitori", 50, {},
         {{"codicedestinatario", Variant("0000000")}, {"ritenuta", Variant::Double(0)}}, {"datains"},
         "ANAGRAFICA FORNITORI nessuna voce presente", "ANAGRAFICA FORNITORI convertite ",
         "ANAGRAFICA FORNITORI Errore nr. "},
        {"ConvertSupplierPriceList", 34, "listinofornitori", "listinofornitori", 7, {},
         {{"scontofornitore", Variant::Double(0)}, {"lotto", Variant::Long(1)}}, {"dataagg"},
         "TABELLA LISTINO FORNITORI  nessuna voce presente", "TABELLA LISTINO FORNITORI convertite ",
         "TABELLA LISTINO FORNITORI Errore nr. "},
    };
    return cases;
}

void PrintTo(const RegistryCase& c, std::ostream* out) { *out << c.name; }

// A value as a failure message shows it: its type and its text.
std::string Show(const Variant& value) {
    if (value.IsNull()) return "Null";
    static const char* const names[] = {"Empty", "Null", "Boolean", "Byte", "Integer", "Long",
                                        "Single", "Double", "Currency", "Date", "String"};
    return std::string(names[static_cast<int>(value.Type())]) + " \"" + value.ToString() + "\"";
}

void LoadDemoRows(ConverterHarness& h) {
    std::unique_ptr<dao::Database> source = h.Engine().OpenDatabase(h.SourceFile());
    schema::RunScript(*source, schema::SchemaRoot() / "demo" / "v6" / "registries.sql");
}

bool Has(const Names& names, const std::string& field) {
    const std::string folded = winfs::FoldCase(field);
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return winfs::FoldCase(n) == folded; });
}

std::string EngineType(dao::VarType type) {
    switch (type) {
    case dao::VarType::Boolean: return "YESNO";
    case dao::VarType::Byte: return "BYTE";
    case dao::VarType::Integer: return "INTEGER";
    case dao::VarType::Long: return "LONG";
    case dao::VarType::Single: return "SINGLE";
    case dao::VarType::Double: return "DOUBLE";
    case dao::VarType::Currency: return "CURRENCY";
    case dao::VarType::Date: return "DATETIME";
    default: return "MEMO";
    }
}

// A version-6 file holding only `table`, without the fields named, and the
// demo rows of the other fields.
std::string SourceWithout(ConverterHarness& h, const std::string& table, const Names& without) {
    const std::string file = h.Folder().file("ridotto-VANTORIMA6.MDB");
    Names kept;
    std::string columns;
    {
        dao::DataControl full(h.Engine());
        full.SetDatabaseName(h.SourceFile());
        full.SetRecordSource(table);
        full.Refresh();
        dao::Fields& fields = full.GetRecordset().Fields();
        for (int i = 0; i < fields.Count(); ++i) {
            if (Has(without, fields[i].Name())) continue;
            kept.push_back(fields[i].Name());
            columns += (columns.empty() ? "[" : ", [") + fields[i].Name() + "] " + EngineType(fields[i].Type());
        }
    }
    h.Engine().CreateDatabase(file)->Execute("CREATE TABLE [" + table + "] (" + columns + ")");

    dao::DataControl narrow(h.Engine());
    narrow.SetDatabaseName(file);
    narrow.SetRecordSource(table);
    narrow.Refresh();
    for (const Row& row : h.ReadSource(table)) {
        narrow.GetRecordset().AddNew();
        for (const std::string& field : kept) narrow.GetRecordset().Fields(field).SetValue(row.at(field));
        narrow.GetRecordset().Update();
    }
    return file;
}

class RegistryConverterTest : public ::testing::TestWithParam<RegistryCase> {
protected:
    const RegistryCase& Case() const { return GetParam(); }
    const TableConverter& Converter() const { return FindConverter(Case().name); }
    ConverterHarness h;
};

TEST_P(RegistryConverterTest, StandsAtItsPlaceWithItsTablesAndFields) {
    const auto& order = conversione::RunOrder();
    ASSERT_GE(order.size(), Case().runPlace);
    EXPECT_EQ(order[Case().runPlace - 1], Case().name);

    const TableConverter& converter = Converter();
    EXPECT_EQ(converter.sourceTable, Case().source);
    EXPECT_EQ(converter.targetTable, Case().target);
    EXPECT_EQ(converter.shape, conversione::ConverterShape::CopyRows);
    std::size_t copies = 0;
    std::size_t constants = 0;
    for (const auto& assignment : converter.fields) {
        if (assignment.kind == AssignmentKind::Copy) {
            ++copies;
            EXPECT_EQ(assignment.source, assignment.target);
        } else {
            ASSERT_EQ(assignment.kind, AssignmentKind::Constant) << assignment.target;
            ++constants;
            ASSERT_TRUE(Case().constants.count(assignment.target)) << assignment.target;
            EXPECT_EQ(assignment.constant, Case().constants.at(assignment.target)) << assignment.target;
        }
    }
    EXPECT_EQ(copies, Case().copies);
    EXPECT_EQ(constants, Case().constants.size());
}

TEST_P(RegistryConverterTest, WritesItsCountAndEmptyLinesByteForByte) {
    LoadDemoRows(h);
    const std::size_t rows = h.ReadSource(Case().source).size();
    ASSERT_GE(rows, 2u);
    EXPECT_TRUE(h.CountLineIs(Converter(), Case().countPrefix));
    EXPECT_EQ(h.Session().counts.rowCount, static_cast<std::int32_t>(rows));

    // An empty source leaves the target as it stands.
    const Rows converted = h.ReadTarget(Case().target);
    h.ExecuteSource("Delete * from [" + Case().source + "]");
    EXPECT_TRUE(h.EmptyLineIs(Converter(), Case().emptyLine));
    EXPECT_EQ(h.Session().counts.rowCount, 0);
    EXPECT_EQ(h.ReadTarget(Case().target), converted);
}

TEST_P(RegistryConverterTest, CarriesEveryRowAndFieldUnchanged) {
    LoadDemoRows(h);
    const Rows source = h.ReadSource(Case().source);
    ASSERT_EQ(h.Run(Converter()), Lines{Case().countPrefix + std::to_string(source.size()) + " voci"});
    const Rows target = h.ReadTarget(Case().target);
    ASSERT_EQ(target.size(), source.size());

    // The demo rows must exercise what a copy could spoil.
    bool sawNull = false, sawAccent = false, sawLeadingZero = false, sawOverwritten = false;
    for (std::size_t r = 0; r < target.size(); ++r) {
        std::size_t copies = 0;
        for (const auto& [field, value] : target[r]) {
            const std::string where = "row " + std::to_string(r) + " field " + field;
            if (Case().constants.count(field)) {
                EXPECT_EQ(value, Case().constants.at(field)) << where << ": " << Show(value);
                auto old = source[r].find(field);
                sawOverwritten |= old != source[r].end() && !(old->second == value);
            } else if (Case().targetDefaults.count(field)) {
                EXPECT_EQ(value, Case().targetDefaults.at(field)) << where << ": " << Show(value);
            } else {
                ++copies;
                auto from = source[r].find(field);
                ASSERT_NE(from, source[r].end()) << where << " has no source";
                EXPECT_EQ(value, from->second) << where << ": " << Show(value) << " from " << Show(from->second);
                sawNull |= value.IsNull();
                if (value.Type() == dao::VarType::String) {
                    const std::string text = value.ToString();
                    sawAccent |= std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; });
                    sawLeadingZero |= text.size() > 1 && text[0] == '0';
                }
            }
        }
        EXPECT_EQ(copies, Case().copies) << "row " << r;
    }
    EXPECT_TRUE(sawNull && sawAccent && sawLeadingZero);
    EXPECT_TRUE(Case().constants.empty() || sawOverwritten);
}

TEST_P(RegistryConverterTest, ConvertsASourceWithoutTheFieldsItDoesNotRead) {
    LoadDemoRows(h);
    const std::size_t rows = h.ReadSource(Case().source).size();
    h.View().source = SourceWithout(h, Case().source, Case().unread);

    ASSERT_EQ(h.Run(Converter()), Lines{Case().countPrefix + std::to_string(rows) + " voci"});
    const Rows target = h.ReadTarget(Case().target);
    ASSERT_EQ(target.size(), rows);
    for (const Row& row : target) {
        for (const auto& [field, value] : Case().constants) EXPECT_EQ(row.at(field), value) << field;
        for (const auto& [field, value] : Case().targetDefaults)
            EXPECT_EQ(row.at(field), value) << field << ": " << Show(row.at(field));
    }
}

TEST_P(RegistryConverterTest, RefusedRowEndsTheTableWithItsErrorLine) {
    LoadDemoRows(h);
    const std::size_t rows = h.ReadSource(Case().source).size();
    ASSERT_EQ(h.Run(Converter()), Lines{Case().countPrefix + std::to_string(rows) + " voci"});
    const Rows converted = h.ReadTarget(Case().target);

    // The target already holds the second row: the first is saved, the second refused.
    h.ExecuteTarget("Delete * from [" + Case().target + "]");
    h.InsertTarget(Case().target, converted.at(1));
    EXPECT_TRUE(h.ErrorLineIs(Converter(), Case().errorPrefix, 3022));
    EXPECT_EQ(h.ReadTarget(Case().target), (Rows{converted.at(1), converted.at(0)}));
}

INSTANTIATE_TEST_SUITE_P(Registries, RegistryConverterTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

Names Targets(const conversione::FieldList& fields, std::size_t count) {
    Names names;
    for (std::size_t i = 0; i < count && i < fields.size(); ++i) names.push_back(fields[i].target);
    return names;
}

TEST(RegistryFieldList, OpensTheRegistriesInItsOrder) {
    const Names shared{"id tabella", "nominativo", "seconda_riga", "indirizzo", "citta", "pr", "cap",
                       "ragione2", "seconda2", "magazzino", "citta2", "pr2", "cap2", "codfis", "piva",
                       "pivacee", "tel", "tel2", "fax", "fax2", "telcont", "contatto", "banca", "baabi",
                       "bacab", "baconto", "banca2", "baabi2", "bacab2", "baconto2"};
    EXPECT_EQ(Targets(conversione::RegistryFields(), 99), shared);
    EXPECT_EQ(Targets(FindConverter("ConvertCustomers").fields, 30), shared);
    EXPECT_EQ(Targets(FindConverter("ConvertSuppliers").fields, 30), shared);

    Names agents = shared;
    std::swap(agents[5], agents[6]);   // agents set "cap" before "pr"
    EXPECT_EQ(Targets(FindConverter("ConvertAgents").fields, 30), agents);

    Names carriers(shared.begin(), shared.begin() + 7);
    carriers.insert(carriers.end(), shared.begin() + 13, shared.begin() + 22);
    for (const char* own : {"nazione", "email", "www", "valuta"}) carriers.push_back(own);
    EXPECT_EQ(Targets(FindConverter("ConvertCarriers").fields, 99), carriers);

    const Names customers = Targets(FindConverter("ConvertCustomers").fields, 99);
    const auto at = [&](const char* field) { return std::find(customers.begin(), customers.end(), field); };
    EXPECT_EQ(at("listino") + 1, at("desclistino"));
    EXPECT_EQ(at("desclistino") + 1, at("%listino"));
}

// A run empties the registries but never the sales price lists, and no
// converter reads or writes them.
TEST(RegistryRun, LeavesTheSalesPriceListsAsTheyWere) {
    ConverterHarness h;
    LoadDemoRows(h);
    h.InsertTarget("Listini", {{"id articolo", Variant(1)}, {"listino", Variant("01")},
                               {"prezzo", Variant::Currency(0.08)}, {"ricarico", Variant::Double(77.5)}});
    h.InsertTarget("Listini", {{"id articolo", Variant(3)}, {"listino", Variant("02")},
                               {"prezzo", Variant::Null()}, {"ricarico", Variant::Double(40)}});
    const Rows before = h.ReadTarget("Listini");

    conversione::EmptyTargetTables(h.Session());
    for (const RegistryCase& c : Cases()) {
        const TableConverter& converter = FindConverter(c.name);
        EXPECT_EQ(h.Run(converter),
                  Lines{c.countPrefix + std::to_string(h.ReadSource(c.source).size()) + " voci"});
    }
    EXPECT_EQ(h.ReadTarget("Listini"), before);
    for (const TableConverter& converter : conversione::ConvertersInRunOrder()) {
        EXPECT_NE(winfs::FoldCase(converter.sourceTable), "listini") << converter.name;
        EXPECT_NE(winfs::FoldCase(converter.targetTable), "listini") << converter.name;
    }
}

} // namespace
