// Variants: the Basic conversions, their text forms and their errors.
#include <gtest/gtest.h>

#include <functional>

#include "dbengine/variant.h"
#include "winfs/runtime_error.h"

namespace {

using dao::Variant;
using dao::VarType;

int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const vb::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(VariantTest, ConstructorsGiveTheirTypes) {
    EXPECT_EQ(Variant().Type(), VarType::Empty);
    EXPECT_EQ(Variant::Null().Type(), VarType::Null);
    EXPECT_EQ(Variant("a").Type(), VarType::String);
    EXPECT_EQ(Variant(true).Type(), VarType::Boolean);
    EXPECT_EQ(Variant(5).Type(), VarType::Long);
    EXPECT_EQ(Variant::Currency(1.23456).Type(), VarType::Currency);
    EXPECT_TRUE(Variant::Integer(1).IsNumeric());
    EXPECT_FALSE(Variant::Date(1.0).IsNumeric());
    EXPECT_FALSE(Variant(true).IsNumeric());
}

TEST(VariantTest, NumbersToTextInTheirShortestFormWithAPoint) {
    EXPECT_EQ(Variant::Double(1.5).ToString(), "1.5");
    EXPECT_EQ(Variant::Double(0.1 + 0.2).ToString(), "0.3");
    EXPECT_EQ(Variant::Double(100).ToString(), "100");
    EXPECT_EQ(Variant::Double(-2.25).ToString(), "-2.25");
    EXPECT_EQ(Variant::Double(1e20).ToString(), "1E+20");
    EXPECT_EQ(Variant::Single(0.1f).ToString(), "0.1");
    EXPECT_EQ(Variant::Long(-42).ToString(), "-42");
    EXPECT_EQ(Variant::CurrencyScaled(123450).ToString(), "12.345");
    EXPECT_EQ(Variant::CurrencyScaled(-5).ToString(), "-0.0005");
    EXPECT_EQ(Variant::CurrencyScaled(70000).ToString(), "7");
    EXPECT_EQ(Variant(true).ToString(), "True");
    EXPECT_EQ(Variant(false).ToString(), "False");
    EXPECT_EQ(Variant().ToString(), "");
}

TEST(VariantTest, DatesAsSerialDaysWithTheirTextForm) {
    EXPECT_DOUBLE_EQ(dao::DateToSerial(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(dao::DateToSerial(1900, 1, 1), 2.0);
    EXPECT_DOUBLE_EQ(dao::DateToSerial(2000, 1, 1), 36526.0);
    EXPECT_DOUBLE_EQ(dao::DateToSerial(2000, 1, 1, 12), 36526.5);
    EXPECT_EQ(Variant::Date(2024, 2, 29).ToString(), "29/02/2024");
    EXPECT_EQ(Variant::Date(2024, 2, 29, 8, 5, 9).ToString(), "29/02/2024 08:05:09");
    int y, m, d, h, mi, s;
    dao::SerialToDate(-1.5, y, m, d, h, mi, s);
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    EXPECT_EQ(h, 12);
    EXPECT_EQ(Variant("05/03/2024").ToDate(), dao::DateToSerial(2024, 3, 5));
    EXPECT_EQ(Variant("2024-03-05 10:20").ToDate(), dao::DateToSerial(2024, 3, 5, 10, 20));
    EXPECT_EQ(Variant("5/3/24").ToDate(), dao::DateToSerial(2024, 3, 5));
    EXPECT_EQ(ErrorOf([] { Variant("31/02/2024").ToDate(); }), 13);
    EXPECT_EQ(ErrorOf([] { Variant("domani").ToDate(); }), 13);
}

TEST(VariantTest, TextToNumberAcceptsPointOrComma) {
    EXPECT_DOUBLE_EQ(Variant("1,5").ToDouble(), 1.5);
    EXPECT_DOUBLE_EQ(Variant(" 1.5 ").ToDouble(), 1.5);
    EXPECT_DOUBLE_EQ(Variant("-3").ToDouble(), -3.0);
    EXPECT_EQ(Variant("12").ToLong(), 12);
    EXPECT_EQ(ErrorOf([] { Variant("1.000,5").ToDouble(); }), 13);
    EXPECT_EQ(ErrorOf([] { Variant("abc").ToDouble(); }), 13);
    EXPECT_EQ(ErrorOf([] { Variant("05/03/2024").ToDouble(); }), 13);   // a date text is no number
    EXPECT_DOUBLE_EQ(Variant::Date(2024, 3, 5).ToDouble(), 45356.0);
    EXPECT_EQ(ErrorOf([] { Variant("").ToLong(); }), 13);
}

TEST(VariantTest, IntegerConversionsRoundToEvenAndOverflowIs6) {
    EXPECT_EQ(Variant::Double(2.5).ToInteger(), 2);
    EXPECT_EQ(Variant::Double(3.5).ToInteger(), 4);
    EXPECT_EQ(Variant::Double(-2.5).ToLong(), -2);
    EXPECT_EQ(Variant("255").ToByte(), 255);
    EXPECT_EQ(ErrorOf([] { Variant(256).ToByte(); }), 6);
    EXPECT_EQ(ErrorOf([] { Variant(-1).ToByte(); }), 6);
    EXPECT_EQ(ErrorOf([] { Variant(40000).ToInteger(); }), 6);
    EXPECT_EQ(ErrorOf([] { Variant::Double(3e9).ToLong(); }), 6);
    EXPECT_EQ(ErrorOf([] { Variant::Double(1e39).ToSingle(); }), 6);
}

TEST(VariantTest, BooleansAreMinusOneAndZero) {
    EXPECT_EQ(Variant(true).ToLong(), -1);
    EXPECT_EQ(Variant(false).ToDouble(), 0);
    EXPECT_TRUE(Variant("True").ToBool());
    EXPECT_FALSE(Variant("false").ToBool());
    EXPECT_TRUE(Variant(3).ToBool());
    EXPECT_TRUE(Variant("-1").ToBool());
    EXPECT_EQ(ErrorOf([] { Variant("forse").ToBool(); }), 13);
}

TEST(VariantTest, CurrencyKeepsFourDecimals) {
    EXPECT_EQ(Variant::Currency(1.23456).ToCurrencyScaled(), 12346);
    EXPECT_EQ(Variant("0,1").ToCurrencyScaled(), 1000);
    EXPECT_EQ(Variant(3).ToCurrencyScaled(), 30000);
    EXPECT_DOUBLE_EQ(Variant::CurrencyScaled(12345).ToDouble(), 1.2345);
}

TEST(VariantTest, NullAndEmpty) {
    EXPECT_EQ(ErrorOf([] { Variant::Null().ToString(); }), 94);
    EXPECT_EQ(ErrorOf([] { Variant::Null().ToLong(); }), 94);
    EXPECT_EQ(Variant().ToLong(), 0);
    EXPECT_TRUE(Variant::Null().ConvertTo(VarType::Long).IsNull());
    EXPECT_TRUE(Variant().ConvertTo(VarType::String).IsEmpty());
    EXPECT_EQ(Variant::Null(), Variant::Null());
    EXPECT_FALSE(Variant::Null() == Variant());
}

TEST(VariantTest, ConvertToFollowsTheBasicRules) {
    EXPECT_EQ(Variant("42").ConvertTo(VarType::Integer), Variant::Integer(42));
    EXPECT_EQ(Variant(7).ConvertTo(VarType::String), Variant("7"));
    EXPECT_EQ(Variant(true).ConvertTo(VarType::String), Variant("True"));
    EXPECT_EQ(Variant::Date(2024, 1, 2).ConvertTo(VarType::String), Variant("02/01/2024"));
    EXPECT_EQ(Variant("02/01/2024").ConvertTo(VarType::Date), Variant::Date(2024, 1, 2));
    EXPECT_EQ(Variant(1).ConvertTo(VarType::Boolean), Variant(true));
    EXPECT_EQ(Variant::Double(1.5).ConvertTo(VarType::Currency), Variant::CurrencyScaled(15000));
    EXPECT_FALSE(Variant::Long(1) == Variant::Integer(1));
    EXPECT_EQ(ErrorOf([] { Variant("x").ConvertTo(VarType::Date); }), 13);
}

TEST(VariantTest, FormatMonthGivesTwoDigits) {
    EXPECT_EQ(dao::FormatMonth(Variant::Date(2024, 3, 5)), Variant("03"));
    EXPECT_EQ(dao::FormatMonth(Variant::Date(2024, 12, 31, 23, 59, 59)), Variant("12"));
    EXPECT_EQ(dao::FormatMonth(Variant("15/11/2023")), Variant("11"));
    EXPECT_TRUE(dao::FormatMonth(Variant::Null()).IsNull());
    EXPECT_EQ(ErrorOf([] { dao::FormatMonth(Variant("niente")); }), 13);
}

} // namespace
