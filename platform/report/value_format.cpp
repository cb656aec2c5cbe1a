#include "report/value_format.h"

#include <cmath>

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>

#include "report/report_codes.h"

namespace report {

QString AmountText(double amount) {
    return QLocale(QLocale::Italian, QLocale::Italy).toString(amount, 'f', 2);
}

namespace {

QString YesNoText(const std::string& contents) {
    if (contents == "True" || contents == "Vero") return QString::fromUtf8("Sì");
    if (contents == "False" || contents == "Falso") return QStringLiteral("No");
    if (std::optional<double> n = ParseNumber(contents)) return *n != 0 ? QString::fromUtf8("Sì") : QStringLiteral("No");
    return QString::fromStdString(contents);
}

QString AmountOf(const std::string& contents) {
    std::optional<double> n = ParseNumber(contents);
    return n ? AmountText(*n) : QString::fromStdString(contents);
}

QString NumberText(const std::string& contents) {
    return QString::fromStdString(contents).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString SerialDateText(const std::string& contents) {
    if (std::optional<double> n = ParseNumber(contents)) return DateText(*n);
    // A line's date comes as its text form, with seconds when it has a time.
    const QString text = QString::fromStdString(contents);
    const QDateTime withTime = QDateTime::fromString(text, QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    return withTime.isValid() ? withTime.toString(QStringLiteral("dd/MM/yyyy HH:mm")) : text;
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
    if (value.type == FieldTypeDate) return ValueFormat::Date;
    if (value.type == FieldTypeBoolean) return ValueFormat::YesNo;
    if (value.type == FieldTypeNumeric) return ValueFormat::Number;
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
    const double whole = std::trunc(serial);
    const QDate day = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole));
    const int seconds = static_cast<int>(std::lround(std::fabs(serial - whole) * 86400.0)) % 86400;
    QString text = day.toString(QStringLiteral("dd/MM/yyyy"));
    if (seconds >= 60) text += QLatin1Char(' ') + QTime(0, 0).addSecs(seconds).toString(QStringLiteral("HH:mm"));
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
