// What the engine is told for each column value, and which lines belong to a
// document.
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "print_layouts/definitions.h"
#include "report/composer/value_format.h"
#include "report/model/report_codes.h"

namespace {

using dao::Variant;
using utilita::print::BelongsToDocument;
using utilita::print::HeaderVariableFor;
using utilita::print::LineFieldFor;

void ExpectDeclared(const utilita::print::Declared& declared, const std::string& contents, std::int32_t type) {
    EXPECT_EQ(declared.contents, contents);
    EXPECT_EQ(declared.type, type) << "contents " << contents;
}

TEST(ColumnDefinitions, HeaderVariablesTakeTheirTypeFromTheValue) {
    ExpectDeclared(HeaderVariableFor(Variant::Integer(6)), "6", report::kFieldTypeNumeric);
    ExpectDeclared(HeaderVariableFor(Variant::Long(120)), "120", report::kFieldTypeNumeric);
    ExpectDeclared(HeaderVariableFor(Variant::Single(1.5f)), "1.5", report::kFieldTypeNumeric);
    ExpectDeclared(HeaderVariableFor(Variant::Double(48.5)), "48.5", report::kFieldTypeNumeric);
    // A date without time: the whole number of days, no fraction.
    ExpectDeclared(HeaderVariableFor(Variant::Date(2024, 3, 15)), "45366", report::kFieldTypeDate);
    // With a time of day: the whole stored value, which prints the minute it holds.
    for (const auto& [stored, printed] : {std::pair{Variant::Date(2024, 2, 29, 23, 59, 59), "29/02/2024 23:59"},
                                          std::pair{Variant::Date(2024, 3, 14, 9, 30), "14/03/2024 09:30"},
                                          std::pair{Variant::Date(2024, 3, 14, 0, 30), "14/03/2024 00:30"}}) {
        const auto declared = HeaderVariableFor(stored);
        EXPECT_EQ(declared.type, report::kFieldTypeDate);
        EXPECT_EQ(std::stod(declared.contents), stored.ToDate());
        const report::Definition date{"data", declared.contents, declared.type};
        EXPECT_EQ(report::FormatValue(&date, report::ValueFormat::Auto), QString::fromLatin1(printed));
    }
    ExpectDeclared(HeaderVariableFor(Variant(true)), Variant(true).ToString(), report::kFieldTypeBoolean);
    // Currency, bytes, texts and Null are texts; Null is the empty text.
    ExpectDeclared(HeaderVariableFor(Variant::Currency(436.3)), "436.3", report::kFieldTypeText);
    ExpectDeclared(HeaderVariableFor(Variant::Byte(7)), "7", report::kFieldTypeText);
    ExpectDeclared(HeaderVariableFor(Variant("Bologna")), "Bologna", report::kFieldTypeText);
    ExpectDeclared(HeaderVariableFor(Variant::Null()), "", report::kFieldTypeText);
}

TEST(ColumnDefinitions, LineFieldsDeclareDatesAndBooleansAsText) {
    ExpectDeclared(LineFieldFor(Variant::Double(12)), "12", report::kFieldTypeNumeric);
    ExpectDeclared(LineFieldFor(Variant::Date(2024, 3, 25)), Variant::Date(2024, 3, 25).ToString(),
                   report::kFieldTypeText);
    ExpectDeclared(LineFieldFor(Variant(false)), Variant(false).ToString(), report::kFieldTypeText);
    ExpectDeclared(LineFieldFor(Variant::Currency(8.35)), "8.35", report::kFieldTypeText);
    ExpectDeclared(LineFieldFor(Variant::Null()), "", report::kFieldTypeText);
}

TEST(ColumnDefinitions, ALineBelongsWhenItsOwnerEqualsTheDocumentAsAValue) {
    EXPECT_TRUE(BelongsToDocument(Variant::Long(1), Variant::Long(1)));
    EXPECT_TRUE(BelongsToDocument(Variant::Integer(7), Variant::Double(7.0)));
    EXPECT_FALSE(BelongsToDocument(Variant::Long(2), Variant::Long(1)));
    EXPECT_TRUE(BelongsToDocument(Variant("A-12"), Variant("A-12")));
    EXPECT_FALSE(BelongsToDocument(Variant("a-12"), Variant("A-12")));
    EXPECT_FALSE(BelongsToDocument(Variant("A-12 "), Variant("A-12")));
    EXPECT_FALSE(BelongsToDocument(Variant::Null(), Variant::Long(1)));
    EXPECT_FALSE(BelongsToDocument(Variant::Long(1), Variant::Null()));
    EXPECT_FALSE(BelongsToDocument(Variant::Null(), Variant::Null()));
    EXPECT_FALSE(BelongsToDocument(Variant("uno"), Variant::Long(1)));
}

} // namespace
