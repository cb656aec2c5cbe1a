// Proforma and sales invoices with their lines: each converter run on real
// files, checked field by field against its source, with its three log lines.
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "support/converter_harness.h"
#include "dbengine/data_control.h"
#include "tools/schema_loader.h"

namespace {

using namespace converter_testing;
using conversione::TableConverter;
using dao::Variant;
using dao::VarType;

struct SalesCase {
    std::string name;
    std::size_t runPlace;   // 1-based
    std::string source;
    std::string target;
    std::size_t fieldCount;
    std::string emptyLine;
    std::string countPrefix;
    std::string errorPrefix;
    Row targetDefaults;     // target fields outside the list, with a new row's values
    std::string partner;    // the converter of the same documents' other table
};

void PrintTo(const SalesCase& c, std::ostream* os) { *os << c.name; }

const std::vector<SalesCase>& Cases() {
    static const std::vector<SalesCase> cases{
        {"ConvertProformaInvoices", 29, "fatturaPF", "fatturaPF", 97,
         "TABELLA FATTURA PROFORMA nessuna voce presente", "TABELLA FATTURA PROFORMA convertite ",
         "TABELLA FATTURA PROFORMA Errore nr. ",
         {{"trasformata", Variant(false)}, {"giornivalidita", Variant::Integer(30)}}, "ConvertProformaInvoiceLines"},
        {"ConvertProformaInvoiceLines", 30, "fatturaPF_voci", "fatturaPF_voci", 11,
         "TABELLA Voci FATTURA PROFORMA nessuna voce presente", "TABELLA Voci FATTURA PROFORMA convertite ",
         "TABELLA Voci FATTURA PROFORMA Errore nr. ",
         {{"ordinamento", Variant::Long(0)}, {"natura", Variant("")}}, "ConvertProformaInvoices"},
        {"ConvertSalesInvoices", 31, "fatturaV", "fatturaV", 117,
         "TABELLA FATTURA  nessuna voce presente", "TABELLA FATTURA  convertite ",
         "TABELLA FATTURA  Errore nr. ",
         {{"esigibilitaiva", Variant("I")}, {"inviatasdi", Variant(false)}}, "ConvertSalesInvoiceLines"},
        {"ConvertSalesInvoiceLines", 32, "fatturaV_voci", "fatturaV_voci", 11,
         "TABELLA Voci FATTURA  nessuna voce presente", "TABELLA Voci FATTURA  convertite ",
         "TABELLA Voci FATTURA  Errore nr. ",
         {{"ordinamento", Variant::Long(0)}, {"lotto", Variant("")}}, "ConvertSalesInvoices"},
    };
    return cases;
}

// A value of the field's own type, different for every field and row, short
// enough for the narrowest text field.
Variant SampleValue(VarType type, int field, int row) {
    const int n = 10000 + row * 1000 + field;
    switch (type) {
    case VarType::Boolean: return Variant((field + row) % 2 == 0);
    case VarType::Byte: return Variant::Byte(static_cast<std::uint8_t>(field + row));
    case VarType::Integer: return Variant::Integer(static_cast<std::int16_t>(n));
    case VarType::Long: return Variant::Long(n);
    case VarType::Single: return Variant::Single(static_cast<float>(n) + 0.5f);
    case VarType::Double: return Variant::Double(n + 0.25);
    case VarType::Currency: return Variant::CurrencyScaled(n * 10000LL + 1234);
    case VarType::Date: return Variant::Date(2004, 1 + field % 12, 1 + row * 10 + field / 12);
    default: {
        const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        return Variant(std::string{letters[static_cast<std::size_t>(field) % 26],
                                   letters[static_cast<std::size_t>(field / 26 + row * 5) % 26]});
    }
    }
}

class SalesConverterTest : public ::testing::TestWithParam<SalesCase> {
protected:
    const SalesCase& Case() const { return GetParam(); }
    const TableConverter& Converter() const { return FindConverter(Case().name); }

    // Every field of the source table, whether the converter reads it or not.
    Row SourceRow(int row) {
        dao::DataControl control(h.Engine());
        control.SetDatabaseName(h.SourceFile());
        control.SetRecordSource(Case().source);
        control.Refresh();
        dao::Fields& fields = control.GetRecordset().Fields();
        Row values;
        for (int i = 0; i < fields.Count(); ++i)
            values[fields[i].Name()] = SampleValue(fields[i].Type(), i, row);
        return values;
    }

    // The keys a row cannot be without stay; every listed field else is Null.
    Row NullRow(int row) {
        Row values = SourceRow(row);
        for (const auto& a : Converter().fields)
            if (a.source != "id fattura" && a.source != "id voce") values[a.source] = Variant::Null();
        return values;
    }

    ConverterHarness h;
};

TEST_P(SalesConverterTest, BindsItsTablesAndStandsAtItsPlaceInTheRun) {
    const TableConverter& converter = Converter();
    EXPECT_EQ(converter.sourceTable, Case().source);
    EXPECT_EQ(converter.targetTable, Case().target);
    EXPECT_EQ(converter.fields.size(), Case().fieldCount);
    EXPECT_EQ(converter.shape, conversione::ConverterShape::CopyRows);
    const auto& order = conversione::RunOrder();
    ASSERT_GE(order.size(), Case().runPlace);
    EXPECT_EQ(order[Case().runPlace - 1], Case().name);
}

TEST_P(SalesConverterTest, EmptySourceLogsItsEmptyLineAndLeavesTheTarget) {
    h.InsertTarget(Case().target, {{"id fattura", Variant(7)}});
    EXPECT_TRUE(h.EmptyLineIs(Converter(), Case().emptyLine));
    EXPECT_EQ(h.ReadTarget(Case().target).size(), 1u);
}

TEST_P(SalesConverterTest, CopiesEveryListedFieldUnchangedRowByRow) {
    h.InsertSource(Case().source, SourceRow(0));
    h.InsertSource(Case().source, NullRow(1));
    h.InsertSource(Case().source, SourceRow(2));
    EXPECT_TRUE(h.CountLineIs(Converter(), Case().countPrefix));

    const Rows source = h.ReadSource(Case().source);
    const Rows target = h.ReadTarget(Case().target);
    ASSERT_EQ(target.size(), 3u);
    std::set<std::string, converter_testing::NameLess> listed;
    for (const auto& a : Converter().fields) listed.insert(a.target);
    for (std::size_t r = 0; r < target.size(); ++r) {
        SCOPED_TRACE("row " + std::to_string(r + 1));
        for (const auto& a : Converter().fields) {
            EXPECT_EQ(target[r].at(a.target), source[r].at(a.source)) << a.target;
            if (r != 1) {
                EXPECT_FALSE(target[r].at(a.target).IsNull()) << a.target;
            }
        }
        for (const auto& [field, value] : Case().targetDefaults) EXPECT_EQ(target[r].at(field), value) << field;
        // Nothing outside the list is written, even where the source has a field of that name.
        for (const auto& [field, value] : target[r]) {
            if (listed.count(field) || Case().targetDefaults.count(field)) continue;
            EXPECT_EQ(field, "id voce") << "unexpected target field";
            ASSERT_TRUE(source[r].count(field));
            EXPECT_NE(value, source[r].at(field)) << field << " was copied";
            EXPECT_FALSE(value.IsNull()) << "the table numbers its lines";
        }
    }
    for (const auto& a : Converter().fields) {
        if (a.source != "id fattura" && a.source != "id voce") {
            EXPECT_TRUE(target[1].at(a.target).IsNull()) << a.target;
        }
    }
}

TEST_P(SalesConverterTest, ARefusedRowEndsOnlyItsTable) {
    h.InsertSource(Case().source, SourceRow(0));
    Row refused = SourceRow(1);
    if (Case().target.ends_with("_voci")) {
        refused["id fattura"] = Variant::Null();   // a line must name its document
    } else {
        h.InsertTarget(Case().target, {{"id fattura", refused.at("id fattura")}});
    }
    h.InsertSource(Case().source, refused);
    h.InsertSource(Case().source, SourceRow(2));

    const int error = Case().target.ends_with("_voci") ? 3314 : 3022;
    EXPECT_TRUE(h.ErrorLineIs(Converter(), Case().errorPrefix, error));

    // The row before stays, the refused one and those after are not written.
    const Rows written = h.ReadTarget(Case().target);
    std::set<std::int32_t> keys;
    for (const Row& row : written) keys.insert(row.at("id fattura").ToLong());
    EXPECT_EQ(written.size(), Case().target.ends_with("_voci") ? 1u : 2u);
    EXPECT_TRUE(keys.count(SourceRow(0).at("id fattura").ToLong()));
    EXPECT_FALSE(keys.count(SourceRow(2).at("id fattura").ToLong()));

    // The next table is converted as usual.
    EXPECT_EQ(h.Run(FindConverter(Case().partner)), (Lines{FindConverter(Case().partner).emptyLine}));
}

INSTANTIATE_TEST_SUITE_P(Sales, SalesConverterTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

// The demo archive: every invoice and line converts, and each converted line
// finds its invoice through "id fattura".
TEST(SalesDemo, InvoicesConvertWithTheirLinesPaired) {
    ConverterHarness h;
    const std::string demo = h.Folder().file("DEMO_VANTORIMA6.MDB");
    schema::BuildVersion6(demo, true);
    h.View().source = demo;

    const std::vector<std::pair<std::string, std::string>> pairs{{"fatturaPF", "fatturaPF_voci"},
                                                                 {"fatturaV", "fatturaV_voci"}};
    for (const std::string name : {"ConvertProformaInvoices", "ConvertProformaInvoiceLines", "ConvertSalesInvoices",
                                   "ConvertSalesInvoiceLines"}) {
        const TableConverter& c = FindConverter(name);
        const Lines lines = h.Run(c);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].rfind(c.countPrefix, 0), 0u) << lines[0];
    }
    for (const auto& [headers, lines] : pairs) {
        SCOPED_TRACE(headers);
        std::set<std::int32_t> invoices;
        for (const Row& row : h.ReadTarget(headers)) invoices.insert(row.at("id fattura").ToLong());
        const Rows converted = h.ReadTarget(lines);
        EXPECT_GE(invoices.size(), 4u);
        EXPECT_GE(converted.size(), invoices.size());
        std::set<std::int32_t> withLines;
        for (const Row& line : converted) {
            EXPECT_TRUE(invoices.count(line.at("id fattura").ToLong())) << line.at("id fattura").ToLong();
            withLines.insert(line.at("id fattura").ToLong());
        }
        EXPECT_EQ(withLines, invoices) << "an invoice without lines";
    }
}

} // namespace
