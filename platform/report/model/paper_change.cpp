#include "report/model/paper_change.h"

#include <algorithm>
#include <vector>

#include "report/model/layout_edits.h"

namespace report {

namespace {

// The page's sides, before and after.
struct Sides {
    double fromWidth, fromHeight, toWidth, toHeight;
    double X(double x) const { return CarriedAlong(x, fromWidth, toWidth); }
    double Y(double y) const { return CarriedAlong(y, fromHeight, toHeight); }
};

constexpr double kBlockGap = 2.0;   // objects closer than this move as one block

// Objects that touch or nearly touch form a block (a customer's address, a
// frame and what it holds), carried by its centre so that it keeps its shape.
std::vector<std::vector<int>> Blocks(const std::vector<QRectF>& boxes) {
    std::vector<int> block(boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) block[i] = static_cast<int>(i);
    const auto root = [&](int i) {
        while (block[static_cast<std::size_t>(i)] != i) i = block[static_cast<std::size_t>(i)];
        return i;
    };
    const double g = kBlockGap / 2;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (boxes[i].adjusted(-g, -g, g, g).intersects(boxes[j].adjusted(-g, -g, g, g)))
                block[static_cast<std::size_t>(root(static_cast<int>(j)))] = root(static_cast<int>(i));
    std::vector<std::vector<int>> blocks(boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i)
        blocks[static_cast<std::size_t>(root(static_cast<int>(i)))].push_back(static_cast<int>(i));
    std::erase_if(blocks, [](const std::vector<int>& b) { return b.empty(); });
    return blocks;
}

// Moves the objects block by block.
void CarryBlocks(Layout& layout, const Selection& objects, const Sides& sides) {
    std::vector<QRectF> boxes;
    for (const ObjectRef& ref : objects) boxes.push_back(Bounds(layout, ref));
    for (const std::vector<int>& block : Blocks(boxes)) {
        QRectF whole;
        for (int i : block) whole |= boxes[static_cast<std::size_t>(i)];
        const QPointF c = whole.center();
        const double dx = sides.X(c.x()) - c.x();
        const double dy = sides.Y(c.y()) - c.y();
        for (int i : block) {
            const ObjectRef ref = objects[static_cast<std::size_t>(i)];
            if (HeaderItem* item = TextItem(layout, ref)) {
                item->x += dx;
                item->y += dy;
            } else {
                layout.shapes[static_cast<std::size_t>(ref.index)].x += dx;
                layout.shapes[static_cast<std::size_t>(ref.index)].y += dy;
            }
        }
    }
}

// A line carries both its ends: a rule from margin to margin still spans the page.
void CarryLine(Shape& shape, const Sides& sides) {
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
    Selection page;
    for (int i = 0; i < static_cast<int>(layout.header.size()); ++i) page.push_back({Part::Item, i});
    for (int i = 0; i < static_cast<int>(layout.shapes.size()); ++i) {
        Shape& shape = layout.shapes[static_cast<std::size_t>(i)];
        if (shape.kind == ShapeKind::Line) CarryLine(shape, sides);
        else page.push_back({Part::Shape, i});
    }
    CarryBlocks(layout, page, sides);
    // The table keeps its columns; its footer goes along with its left edge.
    const double left = layout.table.left;
    layout.table.left = sides.X(left);
    for (HeaderItem& item : layout.table.footer) item.x += layout.table.left - left;
    FitColumns(layout);
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
