#pragma once
// Lines of text that flow from page to page: a text that grows pushes down
// what stands below it, and what does not fit above a page's limit moves on
// to the next page.
#include <vector>

#include "report/composer/page_content.h"

namespace report {

// The rows above limit, taken from rows: they end at the first row that
// would cross it. What stays in rows is moved up to start at 0.
std::vector<PageText> TakeRowsAbove(std::vector<PageText>& rows, double limit);

// The lowest bottom of the rows, or top when there are none.
double RowsBottom(const std::vector<PageText>& rows, double top = 0);

// Moves every row down by dy.
void MoveRows(std::vector<PageText>& rows, double dy);

// Boxes that grew past their height, and how far what stands below them
// (across the same width) moves down.
class PushDown {
public:
    void Grew(double bottom, double left, double right, double extra);
    double ShiftAt(double y, double left, double right) const;

private:
    struct Grown {
        double bottom;   // as laid out
        double left, right;
        double extra;
    };
    std::vector<Grown> grown_;
};

} // namespace report
