// What a declared value looks like on paper.
#include <gtest/gtest.h>

#include "report/report_codes.h"
#include "report/value_format.h"

namespace {

using namespace report;

QString Shown(const char* contents, std::int32_t type, ValueFormat format = ValueFormat::Auto,
              ColumnType column = ColumnType::Unknown) {
    const Definition d{"x", contents, type, column};
    return FormatValue(&d, format);
}

TEST(ValueFormat, AutoFollowsTheDeclaredType) {
    EXPECT_EQ(Shown("45366", FieldTypeDate), QStringLiteral("15/03/2024"));
    EXPECT_EQ(Shown("45365.395", FieldTypeDate), QStringLiteral("14/03/2024 09:28"));
    EXPECT_EQ(Shown("True", FieldTypeBoolean), QString::fromUtf8("Sì"));
    EXPECT_EQ(Shown("False", FieldTypeBoolean), QStringLiteral("No"));
    EXPECT_EQ(Shown("48.5", FieldTypeNumeric), QStringLiteral("48,5"));
    EXPECT_EQ(Shown("Via Giuseppe Verdi, 14", FieldTypeText), QStringLiteral("Via Giuseppe Verdi, 14"));
    EXPECT_EQ(FormatValue(nullptr, ValueFormat::Auto), QString());
}

TEST(ValueFormat, TheColumnTypeWinsOverTheTextAValueHappensToHave) {
    // Money comes as text, with or without decimals; each prints as money.
    EXPECT_EQ(Shown("129", FieldTypeText, ValueFormat::Auto, ColumnType::Currency), QStringLiteral("129,00"));
    EXPECT_EQ(Shown("123456.78", FieldTypeText, ValueFormat::Auto, ColumnType::Currency),
              QStringLiteral("123.456,78"));
    EXPECT_EQ(Shown("True", FieldTypeText, ValueFormat::Auto, ColumnType::Boolean), QString::fromUtf8("Sì"));
    EXPECT_EQ(Shown("25/03/2024 09:30:00", FieldTypeText, ValueFormat::Auto, ColumnType::Date),
              QStringLiteral("25/03/2024 09:30"));
    EXPECT_EQ(Shown("0", FieldTypeText, ValueFormat::YesNo), QStringLiteral("No"));
    EXPECT_EQ(Shown("", FieldTypeText, ValueFormat::Auto, ColumnType::Currency), QString());
    EXPECT_EQ(AlignFor(ResolvedFormat({"x", "7", FieldTypeText, ColumnType::Currency})), Align::Right);
    EXPECT_EQ(AlignFor(ResolvedFormat({"x", "7", FieldTypeText, ColumnType::Text})), Align::Left);
}

TEST(ValueFormat, ChosenFormatsAndTextsThatDoNotFitThem) {
    EXPECT_EQ(Shown("1234.5", FieldTypeText, ValueFormat::Amount), QStringLiteral("1.234,50"));
    EXPECT_EQ(Shown("-0.5", FieldTypeText, ValueFormat::Amount), QStringLiteral("-0,50"));
    EXPECT_EQ(Shown("n.d.", FieldTypeText, ValueFormat::Amount), QStringLiteral("n.d."));
    EXPECT_EQ(Shown("45366", FieldTypeNumeric, ValueFormat::Date), QStringLiteral("15/03/2024"));
    EXPECT_EQ(Shown("15/03/2024", FieldTypeText, ValueFormat::Date), QStringLiteral("15/03/2024"));
    EXPECT_EQ(Shown("45366", FieldTypeDate, ValueFormat::Text), QStringLiteral("45366"));
    EXPECT_FALSE(ParseNumber("1.234,5"));
    EXPECT_FALSE(ParseNumber(""));
}

} // namespace
