#include "report/composer/narrow_boxes.h"

#include "report/composer/default_layout.h"
#include "report/composer/text_fit.h"
#include "report/composer/value_format.h"

namespace report {

namespace {

constexpr std::size_t kListed = 10;

// The widest value of its type, and this very value, whichever is wider,
// must fit at the smallest legible size.
void Check(const Definition& value, ValueFormat format, double width, const std::string& name,
           std::vector<std::string>& narrow) {
    const ValueFormat resolved = format == ValueFormat::Auto ? ResolvedFormat(value) : format;
    if (resolved == ValueFormat::Text || resolved == ValueFormat::YesNo) return;
    const QString widest = QString::fromUtf8(WidestOfType(value));
    const QString current = FormatValue(&value, format);
    const QString& wider = TextWidth(current, kMinFontSize, false) > TextWidth(widest, kMinFontSize, false) ? current
                                                                                                          : widest;
    if (wider.isEmpty() || TextWidth(wider, kMinFontSize, false) <= width) return;
    narrow.push_back(name + ": la casella è troppo stretta per valori come " + wider.toStdString() +
                     " (stamperebbe ###)");
}

} // namespace

std::vector<std::string> NarrowBoxes(const Layout& layout, const DefinitionList& variables,
                                     const DefinitionList& fields) {
    std::vector<std::string> narrow;
    for (const TableColumn& column : layout.table.columns)
        if (const Definition* f = fields.Find(column.field))
            Check(*f, column.format, column.width - 2 * kCellPadding, column.field, narrow);
    for (const HeaderItem& item : layout.header) {
        const Definition* v = item.kind == ItemKind::Variable ? variables.Find(item.source) : nullptr;
        if (!v) continue;
        const double caption = TextWidth(QString::fromStdString(item.caption), kMinFontSize, item.bold);
        Check(*v, item.format, item.width - caption, item.source, narrow);
    }
    return narrow;
}

std::string ShortList(const std::vector<std::string>& warnings) {
    std::string text;
    for (std::size_t i = 0; i < warnings.size() && i < kListed; ++i) text += (i ? "\r\n" : "") + warnings[i];
    if (warnings.size() > kListed) text += "\r\ne altri " + std::to_string(warnings.size() - kListed);
    return text;
}

} // namespace report
