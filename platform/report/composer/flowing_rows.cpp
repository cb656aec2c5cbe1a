#include "report/composer/flowing_rows.h"

#include <algorithm>

namespace report {

namespace {

constexpr double kTolerance = 0.01;

} // namespace

std::vector<PageText> TakeRowsAbove(std::vector<PageText>& rows, double limit) {
    double cut = RowsBottom(rows) + 1;
    for (const PageText& t : rows)
        if (t.rect.bottom() > limit + kTolerance) cut = std::min(cut, t.rect.top());
    std::vector<PageText> above, rest;
    for (PageText& t : rows) (t.rect.top() < cut ? above : rest).push_back(std::move(t));
    MoveRows(rest, rest.empty() ? 0 : -cut);
    rows = std::move(rest);
    return above;
}

double RowsBottom(const std::vector<PageText>& rows, double top) {
    double bottom = top;
    for (const PageText& t : rows) bottom = std::max(bottom, t.rect.bottom());
    return bottom;
}

void MoveRows(std::vector<PageText>& rows, double dy) {
    for (PageText& t : rows) t.rect.translate(0, dy);
}

void PushDown::Grew(double bottom, double left, double right, double extra) {
    if (extra > 0) grown_.push_back({bottom, left, right, extra});
}

double PushDown::ShiftAt(double y, double left, double right) const {
    double shift = 0;
    for (const Grown& g : grown_)
        if (y >= g.bottom - kTolerance && left < g.right && right > g.left) shift += g.extra;
    return shift;
}

} // namespace report
