// The shared document field lists and the lists the sales converters derive
// from them, checked position by position.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "documents/document_fields.h"
#include "run/field_list.h"
#include "sales/invoice_converters.h"
#include "winfs/runtime_error.h"

namespace {

using conversione::AssignmentKind;
using conversione::FieldList;

std::vector<std::string> Targets(const FieldList& list) {
    std::vector<std::string> names;
    for (const auto& a : list) names.push_back(a.target);
    return names;
}

// Every entry a plain copy; where the two names differ they differ in case only.
void ExpectPlainCopies(const FieldList& list) {
    for (const auto& a : list) {
        EXPECT_EQ(a.kind, AssignmentKind::Copy) << a.target;
        EXPECT_EQ(a.target, a.source) << "renamed entry " << a.target;
    }
}

TEST(DocumentHeaderFields, FiveGroupsInOrderMakeTheCommonList) {
    namespace g = conversione::header_groups;
    EXPECT_EQ(g::Party().size(), 22u);
    EXPECT_EQ(g::Terms().size(), 26u);
    EXPECT_EQ(g::VatBrackets().size(), 20u);
    EXPECT_EQ(g::Totals().size(), 5u);
    EXPECT_EQ(g::Instalments().size(), 24u);

    std::vector<std::string> joined;
    for (const FieldList* group : {&g::Party(), &g::Terms(), &g::VatBrackets(), &g::Totals(), &g::Instalments()})
        for (const auto& name : Targets(*group)) joined.push_back(name);
    EXPECT_EQ(Targets(conversione::DocumentHeaderFields()), joined);
}

TEST(DocumentHeaderFields, NamesSitAtTheirPositions) {
    const std::vector<std::string> names = Targets(conversione::DocumentHeaderFields());
    ASSERT_EQ(names.size(), 97u);
    ExpectPlainCopies(conversione::DocumentHeaderFields());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 97u) << "a field appears twice";

    // 1-based positions, with the spelling that matters: blanks, underscores, signs, case.
    const std::vector<std::pair<int, std::string>> anchors = {
        {1, "id fattura"}, {2, "fattura_n"}, {3, "anno_fattura"}, {4, "id_paziente"}, {6, "data_fattura"},
        {7, "seconda_riga"}, {13, "destina2"}, {19, "nazione2"}, {22, "codfis"},
        {23, "listino"}, {24, "%listino"}, {38, "scontosino"}, {44, "provvagente"}, {45, "tipopag"},
        {48, "conversionrate"},
        {49, "A1"}, {53, "A5"}, {54, "IMPO1"}, {59, "Scontato1"}, {64, "IVA1"}, {68, "IVA5"},
        {69, "tlordo"}, {72, "tfattura"}, {73, "scaricato"},
        {74, "rata1c"}, {75, "rata1d"}, {96, "rata12c"}, {97, "rata12d"},
    };
    for (const auto& [position, name] : anchors) EXPECT_EQ(names[position - 1], name) << "position " << position;

    // Brackets kind by kind, instalments pair by pair.
    const char* kinds[] = {"A", "IMPO", "Scontato", "IVA"};
    for (int k = 0; k < 4; ++k)
        for (int b = 1; b <= 5; ++b)
            EXPECT_EQ(names[48 + k * 5 + b - 1], kinds[k] + std::to_string(b));
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(names[73 + (i - 1) * 2], "rata" + std::to_string(i) + "c");
        EXPECT_EQ(names[74 + (i - 1) * 2], "rata" + std::to_string(i) + "d");
    }
}

TEST(DocumentLineFields, ElevenNamesInOrder) {
    ExpectPlainCopies(conversione::DocumentLineFields());
    EXPECT_EQ(Targets(conversione::DocumentLineFields()),
              (std::vector<std::string>{"id voce", "id fattura", "codice", "articolo", "unit\u00e0", "qt\u00e0",
                                        "prezzo", "iva", "sconto", "importo", "rifarticolo"}));
}

TEST(SalesInvoiceFields, AreTheHeaderListWithFiveInsertions) {
    const FieldList& sales = conversione::SalesInvoiceFields();
    const FieldList& common = conversione::DocumentHeaderFields();
    ASSERT_EQ(sales.size(), 117u);

    // Inserted entries by 1-based position; every other position takes the
    // next entry of the common list.
    std::vector<std::pair<int, std::string>> inserted = {{4, "mese_fattura"}, {46, "Imponibileagente"},
                                                         {48, "ratenr"}, {77, "stampata"}};
    int position = 102;
    for (const char* name : {"data", "ora", "colli", "peso", "bolli", "interessi", "cauzione", "reso", "banca",
                             "abi", "cab", "swift", "riferimento", "agenteeuro", "ccnumero", "iban"})
        inserted.emplace_back(position++, name);

    std::size_t next = 0;
    std::size_t ins = 0;
    for (std::size_t i = 0; i < sales.size(); ++i) {
        SCOPED_TRACE("position " + std::to_string(i + 1));
        EXPECT_EQ(sales[i].kind, AssignmentKind::Copy);
        if (ins < inserted.size() && inserted[ins].first == static_cast<int>(i + 1)) {
            EXPECT_EQ(sales[i].target, inserted[ins].second);
            ++ins;
        } else {
            ASSERT_LT(next, common.size());
            EXPECT_EQ(sales[i].target, common[next].target);
            EXPECT_EQ(sales[i].source, common[next].source);
            ++next;
        }
    }
    EXPECT_EQ(next, common.size());

    // The neighbours the insertions follow, as the two databases name them.
    EXPECT_EQ(sales[2].target, "anno_fattura");
    EXPECT_EQ(sales[44].target, "provvagente");
    EXPECT_EQ(sales[46].target, "tipopag");
    EXPECT_EQ(sales[75].target, "scaricato");
    EXPECT_EQ(sales[100].target, "rata12d");

    // The one renamed copy: written as "Imponibileagente", read as "imponibileagente".
    EXPECT_EQ(sales[45].source, "imponibileagente");
    for (std::size_t i = 0; i < sales.size(); ++i)
        if (i != 45) {
            EXPECT_EQ(sales[i].source, sales[i].target) << "position " << i + 1;
        }
}

TEST(InvoiceLineFields, ProformaTakesTheCommonListSalesDropsIdVoceAndAddsDepot) {
    EXPECT_EQ(Targets(conversione::ProformaInvoiceLinesConverter().fields),
              Targets(conversione::DocumentLineFields()));

    const FieldList& sales = conversione::SalesInvoiceLineFields();
    ExpectPlainCopies(sales);
    std::vector<std::string> expected = Targets(conversione::DocumentLineFields());
    expected.erase(expected.begin());  // "id voce"
    expected.push_back("codicedeposito");
    EXPECT_EQ(Targets(sales), expected);
    EXPECT_EQ(sales.size(), 11u);
}

TEST(FieldListEdits, EditByNameKeepingTheRestInOrder) {
    using namespace conversione;
    const FieldList base = Copies({"a", "b", "c", "d"});
    EXPECT_EQ(Targets(InsertAfter(base, "b", Copies({"x", "y"}))),
              (std::vector<std::string>{"a", "b", "x", "y", "c", "d"}));
    EXPECT_EQ(Targets(InsertAfter(base, "d", Copies({"x"}))), (std::vector<std::string>{"a", "b", "c", "d", "x"}));
    EXPECT_EQ(Targets(InsertBefore(base, "a", Copies({"x"}))), (std::vector<std::string>{"x", "a", "b", "c", "d"}));
    EXPECT_EQ(Targets(Without(base, {"d", "b"})), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(Targets(Pick(base, {"c", "a"})), (std::vector<std::string>{"c", "a"}));
    EXPECT_EQ(Targets(Swap(base, "d", "b")), (std::vector<std::string>{"a", "d", "c", "b"}));
    EXPECT_EQ(Targets(Through(base, "b")), (std::vector<std::string>{"a", "b"}));

    const FieldList replaced = Replace(base, "c", Copy("T", "t"));
    EXPECT_EQ(Targets(replaced), (std::vector<std::string>{"a", "b", "T", "d"}));
    EXPECT_EQ(replaced[2].source, "t");
}

TEST(FieldListEdits, AMisspeltNameFailsWhenTheListIsBuilt) {
    using namespace conversione;
    const FieldList base = Copies({"id fattura", "tfattura"});
    EXPECT_THROW(InsertAfter(base, "tfatura", Copies({"x"})), vb::RuntimeError);
    EXPECT_THROW(InsertBefore(base, "idfattura", Copies({"x"})), vb::RuntimeError);
    EXPECT_THROW(Without(base, {"tfattura", "tfattura"}), vb::RuntimeError);  // gone after the first
    EXPECT_THROW(Replace(base, "TFATTURA", Copy("x")), vb::RuntimeError);    // names are spelt exactly
    EXPECT_THROW(Pick(base, {"id fattura", "scaricato"}), vb::RuntimeError);
    EXPECT_THROW(Swap(base, "id fattura", "t fattura"), vb::RuntimeError);
    EXPECT_THROW(Through(base, "id_fattura"), vb::RuntimeError);
}

} // namespace
