// The line table's columns: moving, resizing, removing them and fitting them
// to the paper, with the footer's items keeping to the columns they stand under.
#include <algorithm>
#include <cmath>

#include "report/model/layout_edits.h"

namespace report {

namespace {

constexpr double kMinItem = 1.0;

std::size_t At(int index) { return static_cast<std::size_t>(index); }

// Where an edge of a footer item goes when the columns change: it keeps its
// distance to the side of the column it lies in (the left side for a left
// edge, the right for a right edge); beside the table it keeps to the
// table's end; in a removed column it goes where that column was.
// moved[i] is the new place of column i, -1 when removed.
double Carried(double x, bool rightEdge, const LineTable& before, const LineTable& after,
               const std::vector<int>& moved) {
    const int count = static_cast<int>(before.columns.size());
    if (count == 0 || x < before.left || (rightEdge && x == before.left)) return x + after.left - before.left;
    for (int i = 0; i < count; ++i) {
        const double left = ColumnLeft(before, i);
        const double right = left + before.columns[At(i)].width;
        if (rightEdge ? (x <= left || x > right) : (x < left || x >= right)) continue;
        int to = moved[At(i)];
        if (to < 0) {
            // The next column that stays took this one's place.
            for (int k = i + 1; k < count && to < 0; ++k) to = moved[At(k)];
            return to < 0 ? TableRight(after) : ColumnLeft(after, to);
        }
        const double newLeft = ColumnLeft(after, to);
        const double newWidth = after.columns[At(to)].width;
        return rightEdge ? newLeft + newWidth - std::min(right - x, newWidth)
                         : newLeft + std::min(x - left, newWidth);
    }
    return x + TableRight(after) - TableRight(before);
}

// The footer's items after a change of the columns, each kept on the paper.
void FollowColumns(Layout& layout, const LineTable& before, const std::vector<int>& moved) {
    for (HeaderItem& item : layout.table.footer) {
        const double left = Carried(item.x, false, before, layout.table, moved);
        const double right = Carried(item.x + item.width, true, before, layout.table, moved);
        item.width = std::min(std::max(kMinItem, right - left), layout.pageWidth);
        item.x = std::clamp(left, 0.0, layout.pageWidth - item.width);
    }
}

std::vector<int> Unchanged(const LineTable& table) {
    std::vector<int> moved(table.columns.size());
    for (std::size_t i = 0; i < moved.size(); ++i) moved[i] = static_cast<int>(i);
    return moved;
}

// A footer sum belongs to its field's column, a footer variable to the
// column it stands wholly under; texts, counts and page numbers to none.
bool BelongsTo(const HeaderItem& item, const LineTable& table, int column) {
    const TableColumn& c = table.columns[At(column)];
    if (item.kind == ItemKind::Sum) return item.source == c.field;
    if (item.kind != ItemKind::Variable) return false;
    const double left = ColumnLeft(table, column);
    constexpr double kSlack = 0.01;
    return item.x >= left - kSlack && item.x + item.width <= left + c.width + kSlack;
}

} // namespace

double TableRight(const LineTable& table) {
    return ColumnLeft(table, static_cast<int>(table.columns.size()));
}

double ColumnLeft(const LineTable& table, int index) {
    double x = table.left;
    for (int i = 0; i < index; ++i) x += table.columns[At(i)].width;
    return x;
}

int MoveColumn(Layout& layout, int from, int to) {
    auto& columns = layout.table.columns;
    if (!Exists(layout, {Part::Column, from})) return from;
    to = std::clamp(to, 0, static_cast<int>(columns.size()) - 1);
    const LineTable before = layout.table;
    const TableColumn column = columns[At(from)];
    columns.erase(columns.begin() + from);
    columns.insert(columns.begin() + to, column);
    std::vector<int> moved = Unchanged(before);
    for (int i = 0; i < static_cast<int>(moved.size()); ++i) {
        int place = i;
        if (i == from) place = to;
        else if (from < to && i > from && i <= to) place = i - 1;
        else if (to < from && i >= to && i < from) place = i + 1;
        moved[At(i)] = place;
    }
    FollowColumns(layout, before, moved);
    return to;
}

void ResizeColumn(Layout& layout, int index, double width) {
    if (!Exists(layout, {Part::Column, index})) return;
    const LineTable before = layout.table;
    // The whole table stays on the paper.
    const double room = layout.pageWidth - TableRight(before) + before.columns[At(index)].width;
    layout.table.columns[At(index)].width = std::clamp(width, kMinColumnWidth, std::max(kMinColumnWidth, room));
    FollowColumns(layout, before, Unchanged(before));
}

void RemoveColumns(Layout& layout, const std::vector<int>& indexes) {
    const LineTable before = layout.table;
    std::vector<int> moved = Unchanged(before);
    std::vector<bool> gone(moved.size(), false);
    for (int i : indexes)
        if (Exists(layout, {Part::Column, i})) gone[At(i)] = true;
    int next = 0;
    for (std::size_t i = 0; i < moved.size(); ++i) moved[i] = gone[i] ? -1 : next++;
    if (next == static_cast<int>(moved.size())) return;
    std::erase_if(layout.table.footer, [&](const HeaderItem& item) {
        for (std::size_t i = 0; i < gone.size(); ++i)
            if (gone[i] && BelongsTo(item, before, static_cast<int>(i))) return true;
        return false;
    });
    std::vector<TableColumn> kept;
    for (std::size_t i = 0; i < gone.size(); ++i)
        if (!gone[i]) kept.push_back(before.columns[i]);
    layout.table.columns = std::move(kept);
    FollowColumns(layout, before, moved);
}

void FitColumns(Layout& layout) {
    LineTable& table = layout.table;
    const double total = TableRight(table) - table.left;
    const double room = layout.pageWidth - layout.margins.right - table.left;
    if (total <= 0 || total <= room) return;
    const LineTable before = table;
    const double share = std::max(room, 0.0) / total;
    for (TableColumn& c : table.columns) c.width = std::max(kMinColumnWidth, c.width * share);
    FollowColumns(layout, before, Unchanged(before));
}

std::optional<int> ColumnEdgeAt(const Layout& layout, QPointF mm, double tolerance) {
    const LineTable& table = layout.table;
    if (mm.y() < table.top - tolerance || mm.y() > table.bottom + tolerance) return std::nullopt;
    double x = table.left;
    for (int i = 0; i < static_cast<int>(table.columns.size()); ++i) {
        x += table.columns[At(i)].width;
        if (std::fabs(mm.x() - x) <= tolerance) return i;
    }
    return std::nullopt;
}

std::optional<int> ColumnAt(const Layout& layout, double x) {
    double left = layout.table.left;
    for (int i = 0; i < static_cast<int>(layout.table.columns.size()); ++i) {
        const double right = left + layout.table.columns[At(i)].width;
        if (x >= left && x < right) return i;
        left = right;
    }
    return std::nullopt;
}

void SetTableLeft(Layout& layout, double left) {
    const LineTable before = layout.table;
    layout.table.left = std::clamp(left, 0.0, layout.pageWidth - kMinColumnWidth);
    FollowColumns(layout, before, Unchanged(before));
}

} // namespace report
