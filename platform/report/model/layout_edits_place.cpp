// Where a new object goes: the free place nearest to where it is wanted.
#include <algorithm>
#include <cmath>

#include "report/model/layout_edits.h"

namespace report {

namespace {

constexpr double kPlaceStep = 5.0;   // candidate places, on a grid of this step
constexpr double kRoom = 1.0;        // the least gap kept to the other objects

// The objects a new one must not cover, each widened by the gap.
std::vector<QRectF> Taken(const Layout& layout, double footerTop) {
    std::vector<QRectF> taken;
    const auto add = [&](ObjectRef ref, double down) {
        taken.push_back(Bounds(layout, ref).translated(0, down).adjusted(-kRoom, -kRoom, kRoom, kRoom));
    };
    for (int i = 0; i < static_cast<int>(layout.header.size()); ++i) add({Part::Item, i}, 0);
    for (int i = 0; i < static_cast<int>(layout.shapes.size()); ++i) add({Part::Shape, i}, 0);
    if (footerTop >= 0)
        for (int i = 0; i < static_cast<int>(layout.table.footer.size()); ++i) add({Part::Footer, i}, footerTop);
    const LineTable& table = layout.table;
    const double right = TableRight(table);
    // The lines' room, always last: FreePlace gives it up on a full page.
    taken.push_back(right > table.left ? QRectF(QPointF(table.left, table.top), QPointF(right, table.bottom))
                                             .adjusted(-kRoom, -kRoom, kRoom, kRoom)
                                       : QRectF());
    return taken;
}

bool Overlaps(const std::vector<QRectF>& taken, const QRectF& box) {
    // A line's box has no height or width: compare edges, not areas.
    return std::any_of(taken.begin(), taken.end(), [&](const QRectF& t) {
        return box.left() < t.right() && box.right() > t.left() && box.top() < t.bottom() && box.bottom() > t.top();
    });
}

} // namespace

QPointF FreePlace(const Layout& layout, QSizeF size, QPointF wanted, double footerTop) {
    std::vector<QRectF> taken = Taken(layout, footerTop);
    const Margins& m = layout.margins;
    const double right = std::max(m.left, layout.pageWidth - m.right - size.width());
    const double bottom = std::max(m.top, layout.pageHeight - m.bottom - size.height());
    const QPointF start(std::clamp(wanted.x(), m.left, right), std::clamp(wanted.y(), m.top, bottom));
    // Outside the lines' room where the page has such a place, else among the lines.
    for (bool table : {true, false}) {
        if (!table) taken.pop_back();
        if (!Overlaps(taken, QRectF(start, size))) return start;
        std::optional<QPointF> best;
        double bestDistance = 0;
        for (double x = m.left; x <= right; x += kPlaceStep)
            for (double y = m.top; y <= bottom; y += kPlaceStep) {
                const double distance = std::hypot(x - start.x(), y - start.y());
                if ((best && distance >= bestDistance) || Overlaps(taken, QRectF(QPointF(x, y), size))) continue;
                best = QPointF(x, y);
                bestDistance = distance;
            }
        if (best) return *best;
    }
    return start;
}

} // namespace report
