#include "report/composer/value_format.h"

#include <cmath>

#include <QDate>
#include <QStringList>
#include <QTime>

#include "report/composer/decimal_text.h"
#include "report/model/report_codes.h"

namespace report {

namespace {

// Money shows cents, and the ten-thousandths a Currency value may hold.
constexpr int kAmountMinPlaces = 2;
constexpr int kAmountMaxPlaces = 4;
constexpr int kSecondsPerDay = 86400;

QString YesNoText(const std::string& contents) {
    if (contents == "True" || contents == "Vero") return QString::fromUtf8("Sì");
    if (contents == "False" || contents == "Falso") return QStringLiteral("No");
    if (std::optional<double> n = ParseNumber(contents)) return *n != 0 ? QString::fromUtf8("Sì") : QStringLiteral("No");
    return QString::fromStdString(contents);
}

QString AmountOf(const std::string& contents) {
    const std::optional<Decimal> n = ParseDecimal(contents);
    return QString::fromStdString(n ? ItalianText(*n, kAmountMinPlaces, kAmountMaxPlaces) : contents);
}

QString NumberText(const std::string& contents) {
    return QString::fromStdString(contents).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString SerialDateText(const std::string& contents) {
    if (std::optional<double> n = ParseNumber(contents)) return DateText(*n);
    // A line's date comes as its text form, with seconds when it has a time.
    // Day and time are read apart: a local date-time may not exist (the hour
    // skipped when clocks go forward), a date in the database always does.
    const QString text = QString::fromStdString(contents);
    const QStringList parts = text.split(QLatin1Char(' '));
    const QDate day = QDate::fromString(parts.value(0), QStringLiteral("dd/MM/yyyy"));
    const QTime time = parts.size() == 2 ? QTime::fromString(parts[1], QStringLiteral("HH:mm:ss")) : QTime(0, 0);
    if (!day.isValid() || !time.isValid() || parts.size() > 2) return text;
    const auto days = static_cast<double>(QDate(1899, 12, 30).daysTo(day));
    const double fraction = time.msecsSinceStartOfDay() / 1000.0 / kSecondsPerDay;
    // Before day 0 the time of day still counts away from zero.
    return DateText(days < 0 ? days - fraction : days + fraction);
}

} // namespace

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
    if (value.type == kFieldTypeDate) return ValueFormat::Date;
    if (value.type == kFieldTypeBoolean) return ValueFormat::YesNo;
    if (value.type == kFieldTypeNumeric) return ValueFormat::Number;
    return ValueFormat::Text;
}

Align AlignFor(ValueFormat resolved) {
    return resolved == ValueFormat::Amount || resolved == ValueFormat::Number ? Align::Right : Align::Left;
}

std::optional<double> ParseNumber(const std::string& text) {
    QString t = QString::fromStdString(text).trimmed();
    if (t.isEmpty() || t.count(QLatin1Char(',')) + t.count(QLatin1Char('.')) > 1) return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString DateText(double serial) {
    double whole = std::trunc(serial);
    long seconds = std::lround(std::fabs(serial - whole) * kSecondsPerDay);
    if (seconds == kSecondsPerDay) {
        seconds = 0;
        whole += serial < 0 ? -1 : 1;
    }
    // Seconds are not printed, and not rounded into the next minute either.
    const QString time = QTime(0, 0).addSecs(static_cast<int>(seconds)).toString(QStringLiteral("HH:mm"));
    // Day 0 is no day: the value is a time of day alone.
    if (whole == 0 && seconds != 0) return time;
    QString text = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole)).toString(QStringLiteral("dd/MM/yyyy"));
    if (seconds != 0) text += QLatin1Char(' ') + time;
    return text;
}

QString FormatValue(const Definition* value, ValueFormat format) {
    if (!value) return {};
    const std::string& contents = value->contents;
    // An empty value (a Null column) prints as nothing in every format.
    if (contents.empty()) return {};
    switch (format == ValueFormat::Auto ? ResolvedFormat(*value) : format) {
    case ValueFormat::Amount: return AmountOf(contents);
    case ValueFormat::Date: return SerialDateText(contents);
    case ValueFormat::Number: return NumberText(contents);
    case ValueFormat::YesNo: return YesNoText(contents);
    case ValueFormat::Text:
    case ValueFormat::Auto: break;
    }
    return QString::fromStdString(contents);
}

} // namespace report
