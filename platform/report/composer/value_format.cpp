#include "report/composer/value_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include <QDate>
#include <QStringList>
#include <QTime>

#include "dbengine/values/date_serials.h"
#include "report/model/report_codes.h"

namespace report {

namespace {

using Kind = FieldValue::Kind;

// Money shows cents, and the ten-thousandths a Currency value may hold.
constexpr int kAmountMinPlaces = 2;
constexpr int kAmountMaxPlaces = 4;
// A number shows every decimal it holds: no double has more than this.
constexpr int kNumberMaxPlaces = 400;
constexpr std::int64_t kSecondsPerDay = 86400;
// A time of whole seconds stored as a day fraction comes back a little off;
// this much is noise of the stored number, anything more a true fraction.
constexpr double kNoiseSeconds = 10e-6;
// The serials of 1 January 100 and 31 December 9999, a day either side.
constexpr double kFirstSerial = -657435;
constexpr double kLastSerial = 2958466;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// A date given as its text form ("dd/mm/yyyy", with "hh:mm:ss" when it has
// a time) or as its serial number. Day and time are read apart: a local
// date-time may not exist (the hour skipped when clocks go forward), a date
// in the database always does.
std::optional<double> SerialOfText(const std::string& contents) {
    if (std::optional<double> n = ParseNumber(contents)) return n;
    const QStringList parts = Utf8(contents).split(QLatin1Char(' '));
    const QDate day = QDate::fromString(parts.value(0), QStringLiteral("dd/MM/yyyy"));
    const QTime time = parts.size() == 2 ? QTime::fromString(parts[1], QStringLiteral("HH:mm:ss")) : QTime(0, 0);
    if (!day.isValid() || !time.isValid() || parts.size() > 2) return std::nullopt;
    return dao::DateToSerial(day.year(), day.month(), day.day(), time.hour(), time.minute(), time.second());
}

// The whole seconds of the time of day a serial holds: the stored number's
// binary noise undone (within a few microseconds, or two units of its last
// digit for far dates), a true fraction of a second cut, never carried.
std::int64_t SecondsOfDay(double serial, double whole) {
    const double seconds = std::fabs(serial - whole) * kSecondsPerDay;
    const double nearest = std::round(seconds);
    const double magnitude = std::fabs(serial);
    const double digit = (std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude) *
                         kSecondsPerDay;
    const double noise = std::max(kNoiseSeconds, 2 * digit);
    return static_cast<std::int64_t>(std::fabs(seconds - nearest) <= noise ? nearest : std::floor(seconds));
}

FieldValue FromText(const Definition& d) {
    FieldValue v;
    const std::string& text = d.contents;
    if (text.empty()) {
        v.kind = Kind::Null;
        return v;
    }
    v.kind = Kind::Text;
    v.text = text;
    const bool date = d.column == ColumnType::Date || (d.column == ColumnType::Unknown && d.type == kFieldTypeDate);
    if (date) {
        if (std::optional<double> serial = SerialOfText(text)) {
            v.kind = Kind::Date;
            v.number = *serial;
        }
    } else if (d.column == ColumnType::Integer) {
        // Other numbers stay text: DecimalOf reads their exact digits.
        const char* end = text.data() + text.size();
        if (std::from_chars(text.data(), end, v.integer).ptr == end) v.kind = Kind::Integer;
    } else if (d.column == ColumnType::Boolean || (d.column == ColumnType::Unknown && d.type == kFieldTypeBoolean)) {
        if (text == "True" || text == "Vero" || text == "False" || text == "Falso") {
            v.kind = Kind::Boolean;
            v.integer = text == "True" || text == "Vero" ? 1 : 0;
        }
    }
    return v;
}

QString YesNo(bool yes) { return yes ? QString::fromUtf8("Sì") : QStringLiteral("No"); }

QString YesNoText(const FieldValue& v) {
    if (v.kind == Kind::Boolean) return YesNo(v.integer != 0);
    if (v.kind == Kind::Text && (v.text == "True" || v.text == "Vero")) return YesNo(true);
    if (v.kind == Kind::Text && (v.text == "False" || v.text == "Falso")) return YesNo(false);
    if (const std::optional<Decimal> n = DecimalOf(v)) return YesNo(n->digits.find_first_not_of('0') != std::string::npos);
    return Utf8(v.text);
}

QString DateOf(const FieldValue& v) {
    if (v.kind == Kind::Date || v.kind == Kind::Number) return DateText(v.number);
    if (v.kind == Kind::Text)
        if (const std::optional<double> serial = SerialOfText(v.text)) return DateText(*serial);
    return Utf8(v.text);
}

// The one number formatter: thousands points and a decimal comma; a whole
// number of an integer column (a document number, a count) ungrouped.
QString NumberOf(const FieldValue& v, bool amount) {
    const std::optional<Decimal> n = DecimalOf(v);
    if (!n) return v.kind == Kind::Date ? DateText(v.number) : Utf8(v.text);
    if (amount) return Utf8(ItalianText(*n, kAmountMinPlaces, kAmountMaxPlaces));
    if (v.kind == Kind::Integer) return Utf8(PlainText(*n));
    return Utf8(ItalianText(*n, 0, kNumberMaxPlaces));
}

// Text asked of a typed value (or of one under a text column): as its own type prints.
QString AsText(const Definition& d, const FieldValue& v) {
    switch (d.value.kind == Kind::Unset ? Kind::Text : v.kind) {
    case Kind::Currency: return NumberOf(v, true);
    case Kind::Integer:
    case Kind::Number: return NumberOf(v, false);
    case Kind::Date: return DateOf(v);
    case Kind::Boolean: return YesNoText(v);
    case Kind::Unset:
    case Kind::Null:
    case Kind::Text: break;
    }
    return Utf8(d.contents);
}

} // namespace

FieldValue TypedValue(const Definition& value) {
    if (value.value.kind != Kind::Unset) return value.value;
    return FromText(value);
}

std::optional<Decimal> DecimalOf(const FieldValue& v) {
    switch (v.kind) {
    case Kind::Integer: return ParseDecimal(std::to_string(v.integer));
    case Kind::Currency: return FromTenThousandths(v.integer);
    case Kind::Boolean: return ParseDecimal(v.integer != 0 ? "-1" : "0");
    case Kind::Number: {
        if (!std::isfinite(v.number)) return std::nullopt;
        char text[64];
        const auto written =
            std::to_chars(text, text + sizeof text, v.number, std::chars_format::general, v.digits);
        return ParseDecimal(std::string(text, written.ptr));
    }
    case Kind::Text: return ParseDecimal(v.text);
    case Kind::Unset:
    case Kind::Null:
    case Kind::Date: break;
    }
    return std::nullopt;
}

ValueFormat ResolvedFormat(const Definition& value) {
    switch (value.column) {
    case ColumnType::Currency: return ValueFormat::Amount;
    case ColumnType::Integer:
    case ColumnType::Number: return ValueFormat::Number;
    case ColumnType::Date: return ValueFormat::Date;
    case ColumnType::Boolean: return ValueFormat::YesNo;
    case ColumnType::Text: return ValueFormat::Text;
    case ColumnType::Unknown: break;
    }
    switch (value.value.kind) {
    case Kind::Currency: return ValueFormat::Amount;
    case Kind::Integer:
    case Kind::Number: return ValueFormat::Number;
    case Kind::Date: return ValueFormat::Date;
    case Kind::Boolean: return ValueFormat::YesNo;
    case Kind::Text: return ValueFormat::Text;
    case Kind::Unset:
    case Kind::Null: break;
    }
    if (value.type == kFieldTypeDate) return ValueFormat::Date;
    if (value.type == kFieldTypeBoolean) return ValueFormat::YesNo;
    if (value.type == kFieldTypeNumeric) return ValueFormat::Number;
    return ValueFormat::Text;
}

ValueFormat ShownFormat(const Definition* value, ValueFormat format) {
    if (format != ValueFormat::Auto) return format;
    return value ? ResolvedFormat(*value) : ValueFormat::Text;
}

Align AlignFor(ValueFormat resolved) {
    return resolved == ValueFormat::Amount || resolved == ValueFormat::Number ? Align::Right : Align::Left;
}

std::optional<double> ParseNumber(const std::string& text) {
    QString t = Utf8(text).trimmed();
    if (t.isEmpty() || t.count(QLatin1Char(',')) + t.count(QLatin1Char('.')) > 1) return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString DateText(double serial) {
    if (!(serial > kFirstSerial && serial < kLastSerial)) return QString::number(serial, 'g', 15);
    double whole = std::trunc(serial);
    std::int64_t seconds = SecondsOfDay(serial, whole);
    if (seconds == kSecondsPerDay) {   // midnight stored a noise short of it
        seconds = 0;
        whole += serial < 0 ? -1 : 1;
    }
    // Seconds are not printed, and not rounded into the next minute either.
    const QString time = QString::asprintf("%02d:%02d", static_cast<int>(seconds / 3600),
                                           static_cast<int>(seconds / 60 % 60));
    // Day 0 is no day: the value is a time of day alone.
    if (whole == 0 && seconds != 0) return time;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    dao::SerialToDate(whole, year, month, day, hour, minute, second);
    QString text = QString::asprintf("%02d/%02d/%04d", day, month, year);
    if (seconds != 0) text += QLatin1Char(' ') + time;
    return text;
}

QString FormatValue(const Definition* value, ValueFormat format) {
    if (!value) return {};
    const FieldValue v = TypedValue(*value);
    if (v.kind == Kind::Null || (v.kind == Kind::Text && v.text.empty())) return {};
    switch (format == ValueFormat::Auto ? ResolvedFormat(*value) : format) {
    case ValueFormat::Amount: return NumberOf(v, true);
    case ValueFormat::Number: return NumberOf(v, false);
    case ValueFormat::Date: return DateOf(v);
    case ValueFormat::YesNo: return YesNoText(v);
    case ValueFormat::Text:
    case ValueFormat::Auto: break;
    }
    return AsText(*value, v);
}

} // namespace report
