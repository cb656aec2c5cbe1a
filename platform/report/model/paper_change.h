#pragma once
// A new paper for a layout (another size or the other orientation) with its
// objects carried over so that changing back gives the layout again.
#include <vector>

#include "report/model/layout.h"

namespace report {

// Where a point along one side of the paper goes when that side changes from
// `from` to `to` millimetres. A band along each edge (a third of the shorter
// side) keeps its distance to that edge; the middle stretches or shrinks in
// proportion. Changing back maps every point to where it was.
double CarriedAlong(double at, double from, double to);

// Gives the layout a new paper. Objects that touch or nearly touch move as
// one block, carried by its centre, so a block keeps its shape; a line
// carries both its ends (a rule from margin to margin still spans the page);
// the table carries its left edge (its footer along) and its limits. What
// would still fall off the paper is brought back on it.
// The table's columns shrink in proportion to end inside the right margin.
void ChangePaper(Layout& layout, double width, double height);

// A paper change as it was made: the layout before and after it.
struct PaperTrip {
    Layout from;
    Layout to;
};

// The layout on another paper, the change remembered in trips: when it takes
// back the last change, with nothing edited since, the layout comes back
// exactly as it was (objects pushed onto a smaller paper included).
Layout OnPaper(const Layout& layout, double width, double height, std::vector<PaperTrip>& trips);

} // namespace report
