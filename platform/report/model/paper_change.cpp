#include "report/model/paper_change.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "report/model/layout_edits.h"

namespace report {

namespace {

constexpr double kLeastRoom = 1.0;   // margins that leave less than this are taken as none

// One side of the paper, before and after.
struct Side {
    double from, to, low, high;

    Side(double fromLength, double toLength, double lowMargin, double highMargin)
        : from(fromLength), to(toLength), low(lowMargin), high(highMargin) {
        if (RoomBefore() < kLeastRoom || RoomAfter() < kLeastRoom) low = high = 0;
    }
    double RoomBefore() const { return from - low - high; }
    double RoomAfter() const { return to - low - high; }
    double operator()(double at) const { return CarriedAlong(at, from, to, low, high); }
};

// A box's two edges carried along: its start and its new length.
void Carry(const Side& side, double& start, double& length) {
    const double end = side(start + length);
    start = side(start);
    length = end - start;
}

void CarryText(HeaderItem& item, const Side& across, const Side& down, double sizes) {
    Carry(across, item.x, item.width);
    if (item.height > 0) Carry(down, item.y, item.height);
    else item.y = down(item.y);
    item.fontSize *= sizes;
}

void CarryShape(Shape& shape, const Side& across, const Side& down, double sizes) {
    if (shape.kind != ShapeKind::Image) {
        Carry(across, shape.x, shape.width);
        Carry(down, shape.y, shape.height);
        return;
    }
    // An image keeps its proportions, from its top left corner.
    shape.x = across(shape.x);
    shape.y = down(shape.y);
    shape.width *= sizes;
    shape.height *= sizes;
}

// The table's columns keep their padding; the room for their texts, and
// their font, stretch so that the table spans what its edges span.
class TableStretch {
public:
    TableStretch(const LineTable& table, double stretchBefore, double stretchAfter)
        : padding_(2 * kCellPadding * static_cast<double>(table.columns.size())),
          // The table's width on the paper it was designed on.
          designed_((TableRight(table) - table.left) / stretchBefore),
          before_(TextRoom(stretchBefore)),
          after_(TextRoom(stretchAfter)) {}
    // The texts' room against the designed one, at a stretch of the paper.
    double TextRoom(double stretch) const {
        // A table that is nearly all padding (or a paper shrunk to a sliver) stretches as the paper.
        const double room = designed_ > padding_ ? (designed_ * stretch - padding_) / (designed_ - padding_) : stretch;
        return std::max(room, stretch / 10);
    }
    double Before() const { return before_; }
    double After() const { return after_; }
    double Width(double width) const {
        const double padding = std::min(width, 2 * kCellPadding);
        return (width - padding) * after_ / before_ + padding;
    }

private:
    double padding_, designed_, before_, after_;
};

// Where a point along the table goes: at the same share of its column.
double AlongColumns(double x, const LineTable& before, const LineTable& after, const Side& across) {
    for (int i = 0; i < static_cast<int>(before.columns.size()); ++i) {
        const double left = ColumnLeft(before, i);
        const double width = before.columns[static_cast<std::size_t>(i)].width;
        if (x < left || x > left + width || width <= 0) continue;
        return ColumnLeft(after, i) + (x - left) / width * after.columns[static_cast<std::size_t>(i)].width;
    }
    return across(x);
}

void CarryTable(Layout& layout, const Side& across, const Side& down, double widthBefore, double widthAfter,
                double heightBefore, double heightAfter) {
    LineTable& table = layout.table;
    const LineTable before = table;
    const TableStretch stretch(table, widthBefore, widthAfter);
    for (TableColumn& column : table.columns) column.width = stretch.Width(column.width);
    table.left = across(table.left);
    table.top = down(table.top);
    table.bottom = down(table.bottom);
    const double sizes = std::min(stretch.After(), heightAfter) / std::min(stretch.Before(), heightBefore);
    table.fontSize *= sizes;
    // The footer's items keep to their columns; their distances from the
    // footer's top follow their sizes.
    for (HeaderItem& item : table.footer) {
        const double right = AlongColumns(item.x + item.width, before, table, across);
        item.x = AlongColumns(item.x, before, table, across);
        item.width = right - item.x;
        item.y *= sizes;
        item.height *= sizes;
        item.fontSize *= sizes;
    }
    // A column too narrow to edit, or a table that ran past the margin
    // already, is brought within the margins.
    for (TableColumn& column : table.columns) column.width = std::max(column.width, kMinColumnWidth);
    FitColumns(layout);
}

} // namespace

double CarriedAlong(double at, double from, double to, double low, double high) {
    if (at <= low) return at;
    if (at >= from - high) return at + (to - from);
    return low + (at - low) * (to - low - high) / (from - low - high);
}

void ChangePaper(Layout& layout, double width, double height) {
    const Margins& m = layout.margins;
    const Side across(layout.pageWidth, std::clamp(width, kMinPaperSide, kMaxPaperSide), m.left, m.right);
    const Side down(layout.pageHeight, std::clamp(height, kMinPaperSide, kMaxPaperSide), m.top, m.bottom);
    // Sizes follow the smaller stretch from the paper the layout was designed
    // on, so that texts fit their boxes both ways.
    const double designWidth = layout.designWidth > 0 ? layout.designWidth : across.RoomBefore();
    const double designHeight = layout.designHeight > 0 ? layout.designHeight : down.RoomBefore();
    const double widthBefore = across.RoomBefore() / designWidth, widthAfter = across.RoomAfter() / designWidth;
    const double heightBefore = down.RoomBefore() / designHeight, heightAfter = down.RoomAfter() / designHeight;
    const double sizes = std::min(widthAfter, heightAfter) / std::min(widthBefore, heightBefore);
    const bool designedHere = std::fabs(across.RoomAfter() - designWidth) < 1e-6 &&
                              std::fabs(down.RoomAfter() - designHeight) < 1e-6;
    layout.designWidth = designedHere ? 0 : designWidth;
    layout.designHeight = designedHere ? 0 : designHeight;

    for (HeaderItem& item : layout.header) CarryText(item, across, down, sizes);
    for (Shape& shape : layout.shapes) CarryShape(shape, across, down, sizes);
    layout.pageWidth = across.to;
    layout.pageHeight = down.to;
    CarryTable(layout, across, down, widthBefore, widthAfter, heightBefore, heightAfter);

    // Only an object that lay in a margin it no longer fits comes back onto the paper.
    Selection page;
    for (int i = 0; i < static_cast<int>(layout.header.size()); ++i) page.push_back({Part::Item, i});
    for (int i = 0; i < static_cast<int>(layout.shapes.size()); ++i) page.push_back({Part::Shape, i});
    for (const ObjectRef& ref : page) {
        const QRectF b = Bounds(layout, ref);
        MoveObjects(layout, {ref}, QPointF(std::min(0.0, layout.pageWidth - b.right()),
                                           std::min(0.0, layout.pageHeight - b.bottom())));
    }
    SetTableLimits(layout, layout.table.top, layout.table.bottom);
}

Layout OnPaper(const Layout& layout, double width, double height, std::vector<PaperTrip>& trips) {
    constexpr std::size_t kRemembered = 20;
    if (width == layout.pageWidth && height == layout.pageHeight) return layout;
    if (!trips.empty() && trips.back().to == layout && trips.back().from.pageWidth == width &&
        trips.back().from.pageHeight == height) {
        Layout back = std::move(trips.back().from);
        trips.pop_back();
        return back;
    }
    Layout changed = layout;
    ChangePaper(changed, width, height);
    trips.push_back({layout, changed});
    if (trips.size() > kRemembered) trips.erase(trips.begin());
    return changed;
}

} // namespace report
