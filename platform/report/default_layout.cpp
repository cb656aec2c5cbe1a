#include "report/default_layout.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QString>

#include "report/report_codes.h"
#include "report/value_format.h"

namespace report {

namespace {

constexpr double kMargin = 10;
constexpr double kBlockTop = 12;
constexpr double kBlockFont = 9;
constexpr double kLastBlockRow = 190;     // the block may not push the table lower than this

} // namespace

Align SuggestedAlign(const Definition& value) {
    return AlignFor(ResolvedFormat(value));
}

Layout DefaultLayout(const DefinitionList& variables, const DefinitionList& fields) {
    Layout layout;
    const double usable = layout.pageWidth - 2 * kMargin;
    const double step = LineHeight(kBlockFont) + 0.5;

    // As many columns as keep the block above the table's room.
    const auto count = static_cast<int>(variables.Items().size());
    int blockColumns = 2;
    while (blockColumns < 4 && kBlockTop + std::ceil(double(count) / blockColumns) * step > kLastBlockRow)
        ++blockColumns;
    const int rows = count == 0 ? 0 : static_cast<int>(std::ceil(double(count) / blockColumns));
    const double columnWidth = usable / blockColumns;
    for (int i = 0; i < count; ++i) {
        const Definition& v = variables.Items()[static_cast<std::size_t>(i)];
        HeaderItem item;
        item.kind = ItemKind::Variable;
        item.source = v.name;
        item.caption = v.name + ": ";
        item.x = kMargin + (i / std::max(rows, 1)) * columnWidth;
        item.y = kBlockTop + (i % std::max(rows, 1)) * step;
        item.width = columnWidth - 2;
        item.fontSize = kBlockFont;
        item.align = Align::Left;   // the caption leads the value
        layout.header.push_back(item);
    }

    LineTable& table = layout.table;
    table.left = kMargin;
    table.top = kBlockTop + rows * step + 8;
    table.bottom = layout.pageHeight - 12;
    const std::size_t n = fields.Items().size();
    table.fontSize = n > 8 ? 8 : 9;
    // Each column as wide as its title or sample asks, within bounds, so
    // that descriptions get the room that codes do not need.
    std::vector<double> weights;
    double total = 0;
    for (const Definition& f : fields.Items()) {
        // Titles are bold: a little more room than their letters.
        const double title = static_cast<double>(QString::fromStdString(f.name).size()) * 1.2 + 2;
        const auto sample = static_cast<double>(QString::fromStdString(f.contents).size());
        weights.push_back(std::clamp(std::max(title, sample), 5.0, 40.0));
        total += weights.back();
    }
    for (std::size_t i = 0; i < n; ++i) {
        const Definition& f = fields.Items()[i];
        TableColumn column;
        column.field = f.name;
        column.title = f.name;
        column.width = usable * weights[i] / total;
        column.align = SuggestedAlign(f);
        table.columns.push_back(column);
    }
    return layout;
}

} // namespace report
