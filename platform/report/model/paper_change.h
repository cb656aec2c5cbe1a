#pragma once
// A new paper for a layout (another size or the other orientation) with its
// objects carried over so that changing back gives the layout again.
#include <vector>

#include "report/model/layout.h"

namespace report {

// Where a point along one side of the paper goes when that side changes from
// `from` to `to` millimetres: the margins (low and high) keep their width,
// the room between them stretches or shrinks in proportion. Changing back
// maps every point to where it was.
double CarriedAlong(double at, double from, double to, double low, double high);

// Gives the layout a new paper (each side kept within 50-1000 mm). Every
// edge of every object, the table's columns and limits included, is carried
// along its side, so that what lay inside the margins stays inside them and
// no two objects come to overlap; font sizes, image sizes and the footer's
// spacing follow the smaller of the two stretches (measured from the paper
// the layout was designed on, so that the way back gives them again).
void ChangePaper(Layout& layout, double width, double height);

// A paper change as it was made: the layout before and after it.
struct PaperTrip {
    Layout from;
    Layout to;
};

// The layout on another paper, the change remembered in trips: when it takes
// back the last change, with nothing edited since, the layout comes back
// exactly as it was.
Layout OnPaper(const Layout& layout, double width, double height, std::vector<PaperTrip>& trips);

} // namespace report
