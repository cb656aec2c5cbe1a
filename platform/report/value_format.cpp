#include "report/value_format.h"

#include <cmath>

#include <QDate>
#include <QLocale>
#include <QTime>

#include "report/report_codes.h"

namespace report {

namespace {

QString BooleanText(const std::string& contents) {
    if (contents == "True" || contents == "Vero") return QString::fromUtf8("Sì");
    if (contents == "False" || contents == "Falso") return QStringLiteral("No");
    if (std::optional<double> n = ParseNumber(contents)) return *n != 0 ? QString::fromUtf8("Sì") : QStringLiteral("No");
    return QString::fromStdString(contents);
}

QString AmountText(const std::string& contents) {
    std::optional<double> n = ParseNumber(contents);
    if (!n) return QString::fromStdString(contents);
    return QLocale(QLocale::Italian, QLocale::Italy).toString(*n, 'f', 2);
}

QString SerialDateText(const std::string& contents) {
    std::optional<double> n = ParseNumber(contents);
    return n ? DateText(*n) : QString::fromStdString(contents);
}

} // namespace

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
    switch (format) {
    case ValueFormat::Text: return QString::fromStdString(contents);
    case ValueFormat::Amount: return AmountText(contents);
    case ValueFormat::Date: return SerialDateText(contents);
    case ValueFormat::Auto: break;
    }
    if (value->type == FieldTypeDate) return SerialDateText(contents);
    if (value->type == FieldTypeBoolean) return BooleanText(contents);
    if (value->type == FieldTypeNumeric) return QString::fromStdString(contents).replace(QLatin1Char('.'), QLatin1Char(','));
    return QString::fromStdString(contents);
}

} // namespace report
