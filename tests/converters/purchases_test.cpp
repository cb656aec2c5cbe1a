// Converters of delivery notes, purchase invoices, payments, stock movements
// and returns, run on real version-6 and version-7 files.
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "support/converter_harness.h"
#include "dbengine/data_control.h"
#include "dbengine/engine.h"
#include "dbengine/recordset.h"
#include "tools/schema_loader.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace {

using namespace converter_testing;
using conversione::AssignmentKind;
using conversione::TableConverter;

// One expected assignment: a copy (target from source), a constant, or the
// month of a source date.
struct Expected {
    AssignmentKind kind;
    std::string target;
    std::string source;
    dao::Variant constant;
};

std::vector<Expected> Same(std::initializer_list<const char*> names) {
    std::vector<Expected> list;
    for (const char* name : names) list.push_back({AssignmentKind::Copy, name, name, {}});
    return list;
}
Expected Renamed(const char* target, const char* source) { return {AssignmentKind::Copy, target, source, {}}; }
Expected Fixed(const char* target, dao::Variant value) { return {AssignmentKind::Constant, target, "", value}; }
Expected Month(const char* target, const char* source) { return {AssignmentKind::MonthOf, target, source, {}}; }

std::vector<Expected> Join(std::initializer_list<std::vector<Expected>> parts) {
    std::vector<Expected> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<Expected> Schedule() {
    std::vector<Expected> list;
    for (const char* word : {"scade", "cifra", "incas"})
        for (int n = 1; n <= 12; ++n) {
            std::string name = word + std::to_string(n);
            list.push_back({AssignmentKind::Copy, name, name, {}});
        }
    return list;
}

std::vector<Expected> Instalments() {
    std::vector<Expected> list;
    for (int n = 1; n <= 12; ++n)
        for (const char* end : {"c", "d"}) {
            std::string name = "rata" + std::to_string(n) + end;
            list.push_back({AssignmentKind::Copy, name, name, {}});
        }
    return list;
}

struct Case {
    std::string name;
    std::string source;
    std::string target;
    std::string emptyLine;
    std::string countPrefix;
    std::string errorPrefix;
    std::vector<Expected> fields;
    Row untouched;      // target fields outside the list, with a new row's value
    std::string key;    // a copied field a clashing target row repeats
};

std::vector<Case> Cases() {
    const dao::Variant yes(true), no(false);
    return {
        {"ConvertDeliveryNotes", "ddt", "ddt", "TABELLA DDT nessuna voce presente", "TABELLA DDT convertite ",
         "TABELLA DDT Errore nr. ",
         Join({Same({"id fattura", "fattura_n", "anno_fattura"}), {Month("mese_fattura", "data_fattura")},
               Same({"id_paziente", "nominativo", "data_fattura", "seconda_riga", "indirizzo", "citta", "pr", "cap",
                     "nazione", "destina2", "seconda2", "indirizzo2", "citta2", "pr2", "cap2", "nazione2", "piva",
                     "codfis", "listino"}),
               {Fixed("%listino", dao::Variant("0")), Fixed("Desclistino", dao::Variant("A"))},
               Same({"esenteiva", "tipobolla", "colli", "peso", "aspetto", "cautra", "trame", "porto", "data", "ora",
                     "vettore", "vetindi", "vetcit", "stampata", "camponote"}),
               {Fixed("scaricato", no)}}),
         {{"pivacee", dao::Variant("")}, {"fatturato", no}}, "id fattura"},
        {"ConvertDeliveryNoteLines", "ddt_voci", "ddt_voci", "TABELLA Voci DDT nessuna voce presente",
         "TABELLA Voci DDT convertite ", "TABELLA Voci DDT Errore nr. ",
         Join({Same({"id voce", "id fattura", "codice", "articolo", "unità", "qtà", "prezzo", "iva", "sconto",
                     "importo", "rifarticolo"}),
               {Fixed("codicedeposito", dao::Variant("DEP"))}}),
         {{"lotto", dao::Variant("")}}, "id voce"},
        {"ConvertPurchaseInvoices", "fatturaA", "fatturaA", "TABELLA FATTURA ACQUISTO nessuna voce presente",
         "TABELLA FATTURA ACQUISTO convertite ", "TABELLA FATTURA ACQUISTO Errore nr. ",
         Join({Same({"id fattura", "fattura_n", "n_fornitore", "anno_fattura", "id_paziente", "nominativo",
                     "data_fattura", "data_fornitore", "seconda_riga", "esenteiva", "tipobolla", "scontosino",
                     "sconto1", "sconto2", "camponote", "tipopag", "modpag", "valuta", "conversionrate", "tlordo",
                     "timponibile", "timposta", "tfattura", "stampata"}),
               Instalments(), Same({"bolli", "interessi", "cauzione", "reso"})}),
         {{"scaricato", no}, {"protocollo", dao::Variant::Long(0)}}, "id fattura"},
        {"ConvertPurchaseInvoiceLines", "fatturaA_voci", "fatturaa_voci",
         "TABELLA Voci FATTURA ACQUISTO nessuna voce presente", "TABELLA Voci FATTURA ACQUISTO convertite ",
         "TABELLA Voci FATTURA ACQUISTO Errore nr. ",
         Same({"id voce", "id fattura", "codice", "articolo", "qtà", "prezzo", "sconto", "importo", "rifarticolo",
               "codicefornitore", "codicedep"}),
         {{"unità", dao::Variant("NR")}, {"iva", dao::Variant("20")}}, "id voce"},
        {"ConvertCustomerPayments", "pagamenticlienti", "pagamenticlienti",
         "TABELLA PAGAMENTI CLIENTI nessuna voce presente", "TABELLA PAGAMENTI CLIENTI convertite ",
         "TABELLA PAGAMENTI CLIENTI Errore nr. ",
         Join({Same({"id_paziente", "id fattura", "nominativo", "tipo_documento", "n_documento", "data_documento",
                     "anno", "valuta", "importo", "da riscuotere"}),
               Schedule(), Same({"imposta1", "imposta2", "imposta3", "imposta4", "imposta5"})}),
         {{"saldato", no}}, "id fattura"},
        {"ConvertSupplierPayments", "pagamentifornitori", "pagamentifornitori",
         "TABELLA PAGAMENTI FORNITORI nessuna voce presente", "TABELLA PAGAMENTI FORNITORI convertite ",
         "TABELLA PAGAMENTI FORNITORI Errore nr. ",
         Join({Same({"id fornitore", "fornitore", "doc_num", "data", "tipo_doc", "totale", "valuta", "da pagare",
                     "pagato con ", "note"}),
               Schedule(), Same({"iva1", "imposta1", "imponibile1", "anno"})}),
         {{"saldato", no}}, "doc_num"},
        {"ConvertStockMovements", "movimentimagazzino", "movimentimagazzino",
         "TABELLA MOVIMENTI MAGAZZINO  nessuna voce presente", "TABELLA MOVIMENTI MAGAZZINO convertite ",
         "TABELLA MOVIMENTI MAGAZZINO Errore nr. ",
         {Renamed("id movimento", "id movimento"), Renamed("Numero", "numero"), Renamed("Data", "Data"),
          Renamed("Anno", "Anno"), Renamed("Carico", "Carico"), Renamed("Scarico", "Scarico"),
          Renamed("ID articolo", "Id Articolo"), Renamed("Codice", "codice"), Renamed("Descrizione", "descrizione"),
          Renamed("CodiceDeposito", "CodiceDeposito"), Renamed("CostoEU", "CostoEU"),
          Renamed("avvalorocosto", "Avvalorocosto"), Renamed("tipo12", "tipo12"), Renamed("Causale", "causale"),
          Renamed("mese", "mese")},
         {{"rifdocumento", dao::Variant("")}}, "id movimento"},
        {"ConvertReturns", "resi", "resi", "TABELLA  RESI  nessuna voce presente", "TABELLA  RESI  convertite ",
         "TABELLA  RESI Errore nr. ",
         Same({"id fattura", "fattura_n", "anno_fattura", "id_paziente", "nominativo", "data_fattura", "seconda_riga",
               "indirizzo", "citta", "pr", "cap", "nazione", "stampata"}),
         {{"destina2", dao::Variant("")}, {"codfis", dao::Variant("")}}, "id fattura"},
        {"ConvertReturnLines", "resi_voci", "resi_voci", "TABELLA Voci RESI  nessuna voce presente",
         "TABELLA Voci RESI  convertite ", "TABELLA Voci RESI Errore nr. ",
         Same({"id voce", "id fattura", "codice", "articolo", "qtà", "rifarticolo", "codicedeposito"}),
         {{"unità", dao::Variant("NR")}, {"prezzo", dao::Variant::CurrencyScaled(0)}}, "id voce"},
    };
}

std::string NameOf(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }
void PrintTo(const Case& tableCase, std::ostream* out) { *out << tableCase.name; }

// A value with its type, for failure messages.
std::string Show(const dao::Variant& value) {
    if (value.IsNull()) return "Null";
    if (value.IsEmpty()) return "Empty";
    return "type " + std::to_string(static_cast<int>(value.Type())) + " \"" + value.ToString() + "\"";
}

// A text for field number index of row seed, as long as the field takes.
void SetText(dao::Field& field, int seed, int index) {
    const std::string candidates[] = {
        "r" + std::to_string(seed) + " " + field.Name() + " è",
        "r" + std::to_string(seed) + "f" + std::to_string(index),
        std::string(1, static_cast<char>('a' + seed)) + std::to_string(index % 10),
    };
    for (const std::string& text : candidates) {
        try {
            field.SetValue(dao::Variant(text));
            return;
        } catch (const vb::RuntimeError& error) {
            if (error.Number() != 3163) throw;
        }
    }
}

// A value of the field's type that no other field of this row or of another
// seed holds (Booleans aside).
void SetDistinct(dao::Field& field, int seed, int index) {
    const int n = seed * 100 + index;
    switch (field.Type()) {
    case dao::VarType::String: SetText(field, seed, index); break;
    case dao::VarType::Boolean: field.SetValue(dao::Variant((seed + index) % 2 == 0)); break;
    case dao::VarType::Byte: field.SetValue(dao::Variant::Byte(static_cast<std::uint8_t>(n % 250))); break;
    case dao::VarType::Integer: field.SetValue(dao::Variant::Integer(static_cast<std::int16_t>(n))); break;
    case dao::VarType::Long: field.SetValue(dao::Variant::Long(n)); break;
    case dao::VarType::Single: field.SetValue(dao::Variant::Single(static_cast<float>(n) + 0.5f)); break;
    case dao::VarType::Double: field.SetValue(dao::Variant::Double(n + 0.125)); break;
    case dao::VarType::Currency: field.SetValue(dao::Variant::CurrencyScaled(n * 10000LL + 2500)); break;
    case dao::VarType::Date: field.SetValue(dao::Variant::Date(36000.0 + n * 7)); break;
    default: break;
    }
}

// Adds a source row with a distinct value in every field, or with Null in
// every field but the key.
void AddSourceRow(ConverterHarness& h, const Case& tableCase, int seed, bool nullsButKey = false) {
    dao::DataControl control(h.Engine());
    control.SetDatabaseName(h.SourceFile());
    control.SetRecordSource(tableCase.source);
    control.Refresh();
    dao::Recordset& rows = control.GetRecordset();
    rows.AddNew();
    for (int i = 0; i < rows.Fields().Count(); ++i) {
        dao::Field& field = rows.Fields(i);
        if (nullsButKey && winfs::FoldCase(field.Name()) != winfs::FoldCase(tableCase.key)) continue;
        SetDistinct(field, seed, i);
    }
    rows.Update();
}

std::string MonthText(const dao::Variant& date) {
    int year, month, day, hour, minute, second;
    dao::SerialToDate(date.ToDate(), year, month, day, hour, minute, second);
    char text[3];
    std::snprintf(text, sizeof text, "%02d", month);
    return text;
}

// Checks one target row against its source row: every listed field, then the
// fields outside the list.
void ExpectConverted(const Case& tableCase, const Row& source, const Row& target) {
    for (const Expected& e : tableCase.fields) {
        SCOPED_TRACE(e.target);
        ASSERT_EQ(target.count(e.target), 1u) << "target lacks the field";
        const dao::Variant& written = target.at(e.target);
        switch (e.kind) {
        case AssignmentKind::Copy:
            EXPECT_EQ(written, source.at(e.source)) << Show(written) << " from " << Show(source.at(e.source));
            break;
        case AssignmentKind::Constant: EXPECT_EQ(written, e.constant) << Show(written); break;
        case AssignmentKind::MonthOf: {
            const dao::Variant& date = source.at(e.source);
            const dao::Variant month = date.IsNull() ? dao::Variant::Null() : dao::Variant(MonthText(date));
            EXPECT_EQ(written, month) << Show(written);
            break;
        }
        default: ADD_FAILURE() << "unexpected kind";
        }
    }
    for (const auto& [name, value] : tableCase.untouched) {
        SCOPED_TRACE(name);
        ASSERT_EQ(target.count(name), 1u) << "target lacks the field";
        EXPECT_EQ(target.at(name), value) << Show(target.at(name));
    }
}

class PurchaseConverter : public ::testing::TestWithParam<Case> {
protected:
    const TableConverter& converter() const { return FindConverter(GetParam().name); }
    ConverterHarness h;
};

// The list as the converter states it: names in order, kinds, constants with
// their types (the text "0" is not the number 0, False is not "False").
TEST_P(PurchaseConverter, StatesItsFieldsInOrder) {
    const Case& tableCase = GetParam();
    const TableConverter& c = converter();
    EXPECT_EQ(c.sourceTable, tableCase.source);
    EXPECT_EQ(c.targetTable, tableCase.target);
    ASSERT_EQ(c.fields.size(), tableCase.fields.size());
    for (std::size_t i = 0; i < tableCase.fields.size(); ++i) {
        SCOPED_TRACE("field " + std::to_string(i + 1) + " " + tableCase.fields[i].target);
        EXPECT_EQ(c.fields[i].target, tableCase.fields[i].target);
        EXPECT_EQ(c.fields[i].kind, tableCase.fields[i].kind);
        if (tableCase.fields[i].kind == AssignmentKind::Constant) {
            EXPECT_EQ(c.fields[i].constant, tableCase.fields[i].constant) << Show(c.fields[i].constant);
        } else {
            EXPECT_EQ(c.fields[i].source, tableCase.fields[i].source);
        }
    }
}

TEST_P(PurchaseConverter, WritesItsLogLinesByteForByte) {
    const Case& tableCase = GetParam();
    EXPECT_TRUE(h.EmptyLineIs(converter(), tableCase.emptyLine));
    EXPECT_TRUE(h.ReadTarget(tableCase.target).empty());
    for (int seed = 1; seed <= 3; ++seed) AddSourceRow(h, tableCase, seed);
    EXPECT_EQ(h.Run(converter()), Lines{tableCase.countPrefix + "3 voci"});
    EXPECT_EQ(h.View().selectedLine, 0);
}

TEST_P(PurchaseConverter, CopiesNamedFieldsNullsIncludedAndLeavesTheOthers) {
    const Case& tableCase = GetParam();
    AddSourceRow(h, tableCase, 1);
    AddSourceRow(h, tableCase, 2, /*nullsButKey=*/true);
    ASSERT_EQ(h.Run(converter()), Lines{tableCase.countPrefix + "2 voci"});
    Rows source = h.ReadSource(tableCase.source);
    Rows target = h.ReadTarget(tableCase.target);
    ASSERT_EQ(target.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        ExpectConverted(tableCase, source[i], target[i]);
    }
}

// Row 2 clashes with a row already in the target: row 1 stays, rows 2 and 3
// are not written, and the next converter of the run works as usual.
TEST_P(PurchaseConverter, RefusedRowEndsOnlyItsTable) {
    const Case& tableCase = GetParam();
    const std::vector<Case> cases = Cases();
    std::size_t at = 0;
    while (cases[at].name != tableCase.name) ++at;
    const Case& next = cases[(at + 1) % cases.size()];

    for (int seed = 1; seed <= 3; ++seed) AddSourceRow(h, tableCase, seed);
    h.ExecuteTarget("CREATE UNIQUE INDEX [test_clash] ON [" + tableCase.target + "] ([" + tableCase.key + "])");
    const dao::Variant clash = h.ReadSource(tableCase.source)[1].at(tableCase.key);
    h.InsertTarget(tableCase.target, {{tableCase.key, clash}});

    EXPECT_TRUE(h.ErrorLineIs(converter(), tableCase.errorPrefix, 3022));
    EXPECT_EQ(h.Session().counts.rowIndex, 2);
    EXPECT_EQ(h.Session().counts.rowCount, 3);
    Rows target = h.ReadTarget(tableCase.target);
    ASSERT_EQ(target.size(), 2u);
    EXPECT_EQ(target[0].at(tableCase.key), clash);
    EXPECT_EQ(target[1].at(tableCase.key), h.ReadSource(tableCase.source)[0].at(tableCase.key));

    AddSourceRow(h, next, 1);
    EXPECT_EQ(h.Run(FindConverter(next.name)), Lines{next.countPrefix + "1 voci"});
}

INSTANTIATE_TEST_SUITE_P(Purchases, PurchaseConverter, ::testing::ValuesIn(Cases()), NameOf);


// A version-6 file whose document date is free text: a text that is no date
// stops the run with error 13 before the row is saved, never silently.
TEST(DeliveryNoteMonth, OfATextThatIsNoDateRisesToTheRun) {
    ConverterHarness h;
    h.ExecuteSource("DROP TABLE [ddt]");
    std::string create = "CREATE TABLE [ddt] ([data_fattura] TEXT(20)";
    const Case notes = Cases()[0];
    for (const Expected& e : notes.fields)
        if (e.kind == AssignmentKind::Copy && e.source != "data_fattura") create += ", [" + e.source + "] TEXT(50)";
    h.ExecuteSource(create + ")");
    h.InsertSource("ddt", {{"id fattura", dao::Variant("7")}, {"data_fattura", dao::Variant("da definire")}});
    try {
        h.Run(FindConverter("ConvertDeliveryNotes"));
        ADD_FAILURE() << "the month of a text that is no date was written";
    } catch (const vb::RuntimeError& error) {
        EXPECT_EQ(error.Number(), 13);
    }
    EXPECT_TRUE(h.View().log.empty());
    EXPECT_TRUE(h.ReadTarget("ddt").empty());
}

// The demo rows load and convert whole; one delivery note has no date yet.
TEST(PurchaseDemoRows, ConvertWhole) {
    ConverterHarness h;
    const std::string demo = h.Folder().file("DEMO_VANTORIMA6.MDB");
    schema::BuildDatabase(demo, {schema::SchemaRoot() / "v6"});
    {
        dao::DBEngine engine;
        auto database = engine.OpenDatabase(demo);
        schema::RunScript(*database, schema::SchemaRoot() / "demo" / "v6" / "purchases.sql");
        database->Close();
    }
    h.View().source = demo;
    for (const Case& tableCase : Cases()) {
        SCOPED_TRACE(tableCase.name);
        const Lines lines = h.Run(FindConverter(tableCase.name));
        const std::size_t rows = h.ReadTarget(tableCase.target).size();
        EXPECT_GE(rows, 10u);
        EXPECT_EQ(lines, Lines{tableCase.countPrefix + std::to_string(rows) + " voci"});
    }
    Rows notes = h.ReadTarget("ddt");
    int withoutDate = 0;
    for (const Row& note : notes) withoutDate += note.at("mese_fattura").IsNull() ? 1 : 0;
    EXPECT_EQ(withoutDate, 1);
}

} // namespace
