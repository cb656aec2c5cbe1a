#include "report/paper_change.h"

#include <algorithm>

#include "report/layout_edits.h"

namespace report {

namespace {

// The page's sides, before and after.
struct Sides {
    double fromWidth, fromHeight, toWidth, toHeight;
    double X(double x) const { return CarriedAlong(x, fromWidth, toWidth); }
    double Y(double y) const { return CarriedAlong(y, fromHeight, toHeight); }
};

void CarryText(HeaderItem& item, const Sides& sides, bool footer) {
    const double half = item.width / 2;
    item.x = sides.X(item.x + half) - half;
    if (footer) return;   // measured from the footer's top, which follows the lines
    const double halfHeight = ItemHeight(item) / 2;
    item.y = sides.Y(item.y + halfHeight) - halfHeight;
}

void CarryShape(Shape& shape, const Sides& sides) {
    if (shape.kind == ShapeKind::Image) {
        shape.x = sides.X(shape.x + shape.width / 2) - shape.width / 2;
        shape.y = sides.Y(shape.y + shape.height / 2) - shape.height / 2;
        return;
    }
    const double right = sides.X(shape.x + shape.width);
    const double bottom = sides.Y(shape.y + shape.height);
    shape.x = sides.X(shape.x);
    shape.y = sides.Y(shape.y);
    shape.width = right - shape.x;
    shape.height = bottom - shape.y;
}

} // namespace

double CarriedAlong(double at, double from, double to) {
    const double band = std::min(from, to) / 3;
    if (at <= band) return at;
    if (at >= from - band) return at + (to - from);
    return band + (at - band) * (to - 2 * band) / (from - 2 * band);
}

void ChangePaper(Layout& layout, double width, double height) {
    const Sides sides{layout.pageWidth, layout.pageHeight, std::clamp(width, kMinPaperSide, kMaxPaperSide),
                      std::clamp(height, kMinPaperSide, kMaxPaperSide)};
    layout.pageWidth = sides.toWidth;
    layout.pageHeight = sides.toHeight;
    for (HeaderItem& item : layout.header) CarryText(item, sides, false);
    for (HeaderItem& item : layout.table.footer) CarryText(item, sides, true);
    for (Shape& shape : layout.shapes) CarryShape(shape, sides);
    layout.table.left = sides.X(layout.table.left);
    const double top = sides.Y(layout.table.top);
    const double bottom = sides.Y(layout.table.bottom);

    Selection all;
    for (int i = 0; i < static_cast<int>(layout.header.size()); ++i) all.push_back({Part::Item, i});
    for (int i = 0; i < static_cast<int>(layout.shapes.size()); ++i) all.push_back({Part::Shape, i});
    // A zero move keeps every object on the new paper.
    for (const ObjectRef& ref : all) {
        const QRectF b = Bounds(layout, ref);
        MoveObjects(layout, {ref}, QPointF(std::min(0.0, layout.pageWidth - b.right()),
                                           std::min(0.0, layout.pageHeight - b.bottom())));
    }
    SetTableLimits(layout, top, std::min(bottom, layout.pageHeight));
}

} // namespace report
