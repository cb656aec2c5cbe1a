// What a declared value looks like on paper.
#include <gtest/gtest.h>

#include "report/composer/cell_fit.h"
#include "report/composer/column_sum.h"
#include "report/composer/text_fit.h"
#include "report/composer/value_format.h"
#include "report/model/report_codes.h"
#include "support/qt_application.h"

namespace {

using namespace report;

QString Shown(const char* contents, std::int32_t type, ValueFormat format = ValueFormat::Auto,
              ColumnType column = ColumnType::Unknown) {
    const Definition d{"x", contents, type, column};
    return FormatValue(&d, format);
}

TEST(ValueFormat, AutoFollowsTheDeclaredType) {
    EXPECT_EQ(Shown("45366", kFieldTypeDate), QStringLiteral("15/03/2024"));
    EXPECT_EQ(Shown("45365.395", kFieldTypeDate), QStringLiteral("14/03/2024 09:28"));
    EXPECT_EQ(Shown("True", kFieldTypeBoolean), QString::fromUtf8("Sì"));
    EXPECT_EQ(Shown("False", kFieldTypeBoolean), QStringLiteral("No"));
    EXPECT_EQ(Shown("48.5", kFieldTypeNumeric), QStringLiteral("48,5"));
    EXPECT_EQ(Shown("Via Giuseppe Verdi, 14", kFieldTypeText), QStringLiteral("Via Giuseppe Verdi, 14"));
    EXPECT_EQ(FormatValue(nullptr, ValueFormat::Auto), QString());
}

TEST(ValueFormat, TheColumnTypeWinsOverTheTextAValueHappensToHave) {
    // Money comes as text, with or without decimals; each prints as money.
    EXPECT_EQ(Shown("129", kFieldTypeText, ValueFormat::Auto, ColumnType::Currency), QStringLiteral("129,00"));
    EXPECT_EQ(Shown("123456.78", kFieldTypeText, ValueFormat::Auto, ColumnType::Currency),
              QStringLiteral("123.456,78"));
    EXPECT_EQ(Shown("True", kFieldTypeText, ValueFormat::Auto, ColumnType::Boolean), QString::fromUtf8("Sì"));
    EXPECT_EQ(Shown("25/03/2024 09:30:00", kFieldTypeText, ValueFormat::Auto, ColumnType::Date),
              QStringLiteral("25/03/2024 09:30"));
    EXPECT_EQ(Shown("0", kFieldTypeText, ValueFormat::YesNo), QStringLiteral("No"));
    EXPECT_EQ(Shown("", kFieldTypeText, ValueFormat::Auto, ColumnType::Currency), QString());
    EXPECT_EQ(AlignFor(ResolvedFormat({"x", "7", kFieldTypeText, ColumnType::Currency})), Align::Right);
    EXPECT_EQ(AlignFor(ResolvedFormat({"x", "7", kFieldTypeText, ColumnType::Text})), Align::Left);
}

TEST(ValueFormat, ChosenFormatsAndTextsThatDoNotFitThem) {
    EXPECT_EQ(Shown("1234.5", kFieldTypeText, ValueFormat::Amount), QStringLiteral("1.234,50"));
    EXPECT_EQ(Shown("-0.5", kFieldTypeText, ValueFormat::Amount), QStringLiteral("-0,50"));
    EXPECT_EQ(Shown("n.d.", kFieldTypeText, ValueFormat::Amount), QStringLiteral("n.d."));
    EXPECT_EQ(Shown("45366", kFieldTypeNumeric, ValueFormat::Date), QStringLiteral("15/03/2024"));
    EXPECT_EQ(Shown("15/03/2024", kFieldTypeText, ValueFormat::Date), QStringLiteral("15/03/2024"));
    EXPECT_EQ(Shown("45366", kFieldTypeDate, ValueFormat::Text), QStringLiteral("45366"));
    EXPECT_FALSE(ParseNumber("1.234,5"));
    EXPECT_FALSE(ParseNumber(""));
}

TEST(ValueFormat, ValuesPrintAsTheDatabaseHoldsThem) {
    struct Row {
        const char* contents;
        std::int32_t type;
        ColumnType column;
        const char* printed;
    };
    const Row rows[] = {
        // Money: cents, or the ten-thousandths a Currency keeps; never rounded to cents.
        {"9.8765", kFieldTypeText, ColumnType::Currency, "9,8765"},
        {"0.0001", kFieldTypeText, ColumnType::Currency, "0,0001"},
        {"0.005", kFieldTypeText, ColumnType::Currency, "0,005"},
        {"-1234.5", kFieldTypeText, ColumnType::Currency, "-1.234,50"},
        {"9999999.9999", kFieldTypeText, ColumnType::Currency, "9.999.999,9999"},
        // A Double shown as money: a half away from zero at the fourth decimal.
        {"0.99995", kFieldTypeNumeric, ColumnType::Unknown, "1,00"},
        {"-0.00005", kFieldTypeNumeric, ColumnType::Unknown, "-0,0001"},
        {"1.5E-10", kFieldTypeNumeric, ColumnType::Unknown, "0,00"},
        // Dates with the minutes they hold, seconds dropped, never the next minute or day.
        {"45351.99998842592", kFieldTypeDate, ColumnType::Unknown, "29/02/2024 23:59"},
        {"29/02/2024 23:59:59", kFieldTypeText, ColumnType::Date, "29/02/2024 23:59"},
        {"45365.395833333336", kFieldTypeDate, ColumnType::Unknown, "14/03/2024 09:30"},
        {"31/03/2024 02:30:00", kFieldTypeText, ColumnType::Date, "31/03/2024 02:30"},
        {"45366.020833333336", kFieldTypeDate, ColumnType::Unknown, "15/03/2024 00:30"},
        // A time alone.
        {"0.020833333333333332", kFieldTypeDate, ColumnType::Unknown, "00:30"},
        {"30/12/1899 00:30:00", kFieldTypeText, ColumnType::Date, "00:30"},
        {"29/12/1899 12:00:00", kFieldTypeText, ColumnType::Date, "29/12/1899 12:00"},
        {"-1", kFieldTypeText, ColumnType::Boolean, "S\xc3\xac"},
        {"0", kFieldTypeBoolean, ColumnType::Unknown, "No"},
    };
    for (const Row& row : rows) {
        const bool amount = row.type == kFieldTypeNumeric;
        EXPECT_EQ(Shown(row.contents, row.type, amount ? ValueFormat::Amount : ValueFormat::Auto, row.column),
                  QString::fromUtf8(row.printed))
            << row.contents;
    }
}

FieldValue Typed(FieldValue::Kind kind, double number, std::int64_t integer = 0, int digits = 15) {
    FieldValue v;
    v.kind = kind;
    v.number = number;
    v.integer = integer;
    v.digits = digits;
    return v;
}

TEST(ValueFormat, TypedValuesPrintPlainWithTheDigitsTheyHoldAndDatesNeverMoveForward) {
    using K = FieldValue::Kind;
    const double lastSecond = 45458 + (86399.6 / 86400);   // 15/06/2024 23:59:59.6
    const struct {
        FieldValue value;
        ColumnType column;
        const char* printed;
    } rows[] = {
        {Typed(K::Number, 1e-5), ColumnType::Number, "0,00001"},
        {Typed(K::Number, 1e20), ColumnType::Number, "100.000.000.000.000.000.000"},
        {Typed(K::Number, 0.1 + 0.2), ColumnType::Number, "0,3"},
        {Typed(K::Number, 1234567.5), ColumnType::Number, "1.234.567,5"},
        {Typed(K::Number, 0.1f, 0, 7), ColumnType::Number, "0,1"},
        {Typed(K::Integer, 0, 2147483647), ColumnType::Integer, "2147483647"},
        {Typed(K::Currency, 0, INT64_MAX), ColumnType::Currency, "922.337.203.685.477,5807"},
        {Typed(K::Currency, 0, INT64_MIN + 1), ColumnType::Currency, "-922.337.203.685.477,5807"},
        {Typed(K::Currency, 0, 1234567890123456700), ColumnType::Currency, "123.456.789.012.345,67"},
        {Typed(K::Date, lastSecond), ColumnType::Date, "15/06/2024 23:59"},
        {Typed(K::Date, 45458 + (10 * 3600 + 30 * 60 + 59.6) / 86400), ColumnType::Date, "15/06/2024 10:30"},
        {Typed(K::Date, -1 - (86399.6 / 86400)), ColumnType::Date, "29/12/1899 23:59"},
        {Typed(K::Boolean, 0, 1), ColumnType::Boolean, "S\xc3\xac"},
    };
    for (const auto& row : rows) {
        Definition d{"x", "ignored", kFieldTypeText, row.column};
        d.value = row.value;
        EXPECT_EQ(FormatValue(&d, ValueFormat::Auto), QString::fromUtf8(row.printed)) << row.printed;
        d.column = ColumnType::Unknown;   // the value's own type decides alike
        EXPECT_EQ(FormatValue(&d, ValueFormat::Auto), QString::fromUtf8(row.printed)) << row.printed;
    }
    EXPECT_EQ(DateText(lastSecond), QStringLiteral("15/06/2024 23:59"));
    EXPECT_EQ(DateText(45459 - 1e-10), QStringLiteral("16/06/2024"));   // midnight, a rounding short of it
    Definition underText{"x", "1e-05", kFieldTypeText, ColumnType::Text};
    underText.value = Typed(K::Number, 1e-5);
    EXPECT_EQ(FormatValue(&underText, ValueFormat::Auto), QStringLiteral("0,00001"));
}

TEST(ValueFormat, DatesPrintTheDayAndMinuteTheyHoldWhateverFractionOfASecondFollows) {
    const auto at = [](double day, double seconds) { return day + seconds / 86400; };
    const struct {
        double serial;
        const char* printed;
    } rows[] = {
        {at(45458, 86399.9996), "15/06/2024 23:59"},   // no carry into the next day
        {at(45657, 86399.9999), "31/12/2024 23:59"},
        {at(45473, 52200), "30/06/2024 14:30"},        // stored a noise short of the minute
        {at(45473, 86340), "30/06/2024 23:59"},
        {at(2958465, 52200), "31/12/9999 14:30"},
        {at(0, 52200), "14:30"},
        {-1 - 52200.0 / 86400, "29/12/1899 14:30"},
        {3e9, "3000000000"},                           // no day: the number as stored
    };
    for (const auto& row : rows) EXPECT_EQ(DateText(row.serial), QString::fromUtf8(row.printed)) << row.printed;
}

TEST(ValueFormat, LineBreaksStartNewLinesAndTabsAreBlanks) {
    testing_support::EnsureQtApplication();
    EXPECT_EQ(WrapLines(QStringLiteral("Prima\triga\r\nSeconda riga\n\nQuarta\r\n"), 200, 10, false),
              (QStringList{QStringLiteral("Prima riga"), QStringLiteral("Seconda riga"), QString(),
                           QStringLiteral("Quarta")}));
    EXPECT_EQ(WithBlanks(QStringLiteral("Prima\triga\r\nSeconda")), QStringLiteral("Prima riga Seconda"));
}

TEST(ValueFormat, AWrappedCellStopsAtItsBoxAndSaysItOverflows) {
    testing_support::EnsureQtApplication();
    const CellStyle style;
    const FittedCell cell = WrapIntoBox(QStringLiteral("uno\ndue\ntre"), QPointF(0, 0), 200, 2 * LineHeight(style.fontSize), style);
    EXPECT_EQ(cell.texts.size(), 2u);
    EXPECT_TRUE(cell.overflow);
}

TEST(ColumnSumTest, TotalsAreExactSumsOfTheValues) {
    const auto total = [](std::initializer_list<const char*> values) {
        ColumnSum sum;
        for (const char* v : values) sum.Add(v);
        return sum.Text();
    };
    // Money in whole ten-thousandths: the half cent is kept, Null and texts add nothing.
    EXPECT_EQ(total({"9876543.21", "-1234.5", "0", "0.005", "", "n.d."}), "9875308.715");
    EXPECT_EQ(total({"0.1", "0.2", "0.3"}), "0.6");
    // Beyond four decimals or 64 bits: a compensated sum loses nothing a double can hold.
    EXPECT_EQ(total({"0.00001", "0.00001", "0.00001"}), "0.00003");
    EXPECT_EQ(total({"1E+16", "1", "-1E+16"}), "1");
    EXPECT_EQ(total({}), "0");
    // A large amount keeps its ten-thousandths; one past 64 bits of them is a double.
    EXPECT_EQ(total({"123456789012.3456", "0"}), "123456789012.3456");
    EXPECT_EQ(total({"1E+15", "0"}), "1000000000000000");
}

} // namespace
