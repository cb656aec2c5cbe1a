#include "report/model/layout_edits.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace report {

namespace {

constexpr double kMinSize = 1.0;

std::size_t At(int index) { return static_cast<std::size_t>(index); }

bool IsLine(const Layout& layout, ObjectRef ref) {
    return ref.part == Part::Shape && Exists(layout, ref) && layout.shapes[At(ref.index)].kind == ShapeKind::Line;
}

// The objects of one list, highest index first, so erasing keeps the rest valid.
std::vector<int> Indexes(const Selection& objects, Part part, bool descending) {
    std::vector<int> found;
    for (const ObjectRef& r : objects)
        if (r.part == part) found.push_back(r.index);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    if (descending) std::reverse(found.begin(), found.end());
    return found;
}

template <class T>
Selection Restack(std::vector<T>& list, Part part, const Selection& objects, bool toFront) {
    const std::vector<int> chosen = Indexes(objects, part, false);
    std::vector<T> picked, rest;
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
        (std::binary_search(chosen.begin(), chosen.end(), i) ? picked : rest).push_back(list[At(i)]);
    const int first = toFront ? static_cast<int>(rest.size()) : 0;
    list = toFront ? rest : picked;
    list.insert(list.end(), toFront ? picked.begin() : rest.begin(), toFront ? picked.end() : rest.end());
    Selection moved;
    for (int i = 0; i < static_cast<int>(picked.size()); ++i) moved.push_back({part, first + i});
    return moved;
}

Selection Restack(Layout& layout, const Selection& objects, bool toFront) {
    Selection moved = Restack(layout.header, Part::Item, objects, toFront);
    const Selection shapes = Restack(layout.shapes, Part::Shape, objects, toFront);
    const Selection footer = Restack(layout.table.footer, Part::Footer, objects, toFront);
    moved.insert(moved.end(), shapes.begin(), shapes.end());
    moved.insert(moved.end(), footer.begin(), footer.end());
    return moved;
}

// The objects of the selection on the page, as the page shows them.
QRectF Placed(const Layout& layout, ObjectRef ref, double footerTop) {
    return Bounds(layout, ref).translated(0, ref.part == Part::Footer ? footerTop : 0);
}

} // namespace

bool Exists(const Layout& layout, ObjectRef ref) {
    if (ref.index < 0) return false;
    switch (ref.part) {
    case Part::Item: return At(ref.index) < layout.header.size();
    case Part::Shape: return At(ref.index) < layout.shapes.size();
    case Part::Column: return At(ref.index) < layout.table.columns.size();
    case Part::Footer: return At(ref.index) < layout.table.footer.size();
    }
    return false;
}

Selection AllObjects(const Layout& layout) {
    Selection all;
    for (int i = 0; i < static_cast<int>(layout.shapes.size()); ++i) all.push_back({Part::Shape, i});
    for (int i = 0; i < static_cast<int>(layout.header.size()); ++i) all.push_back({Part::Item, i});
    for (int i = 0; i < static_cast<int>(layout.table.columns.size()); ++i) all.push_back({Part::Column, i});
    for (int i = 0; i < static_cast<int>(layout.table.footer.size()); ++i) all.push_back({Part::Footer, i});
    return all;
}

const HeaderItem* TextItem(const Layout& layout, ObjectRef ref) {
    if (!Exists(layout, ref)) return nullptr;
    if (ref.part == Part::Item) return &layout.header[At(ref.index)];
    if (ref.part == Part::Footer) return &layout.table.footer[At(ref.index)];
    return nullptr;
}

HeaderItem* TextItem(Layout& layout, ObjectRef ref) {
    return const_cast<HeaderItem*>(TextItem(static_cast<const Layout&>(layout), ref));
}

QRectF Bounds(const Layout& layout, ObjectRef ref) {
    if (!Exists(layout, ref)) return {};
    switch (ref.part) {
    case Part::Item:
    case Part::Footer: {
        const HeaderItem& item = *TextItem(layout, ref);
        return QRectF(item.x, item.y, item.width, ItemHeight(item));
    }
    case Part::Shape: {
        const Shape& s = layout.shapes[At(ref.index)];
        return QRectF(s.x, s.y, s.width, s.height).normalized();
    }
    case Part::Column: {
        const LineTable& table = layout.table;
        return QRectF(ColumnLeft(table, ref.index), table.top, table.columns[At(ref.index)].width,
                      table.bottom - table.top);
    }
    }
    return {};
}

Selection ObjectsAt(const Layout& layout, QPointF mm, double tolerance, double footerTop,
                    const Selection& selected) {
    const auto near = [&](ObjectRef ref) {
        return Placed(layout, ref, footerTop).adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(mm);
    };
    Selection found, insides;
    if (footerTop >= 0)
        for (int i = static_cast<int>(layout.table.footer.size()) - 1; i >= 0; --i)
            if (near({Part::Footer, i})) found.push_back({Part::Footer, i});
    for (int i = static_cast<int>(layout.header.size()) - 1; i >= 0; --i)
        if (near({Part::Item, i})) found.push_back({Part::Item, i});
    for (int i = static_cast<int>(layout.shapes.size()) - 1; i >= 0; --i) {
        const ObjectRef ref{Part::Shape, i};
        if (!near(ref)) continue;
        // A frame is taken by its border, so that what it surrounds stays
        // reachable; by its inside only where nothing else is, or once chosen.
        const Shape& s = layout.shapes[At(i)];
        const QRectF inner = Bounds(layout, ref).adjusted(tolerance, tolerance, -tolerance, -tolerance);
        const bool inside = s.kind == ShapeKind::Rectangle && s.fill.empty() && inner.isValid() && inner.contains(mm);
        const bool chosen = std::find(selected.begin(), selected.end(), ref) != selected.end();
        (inside && !chosen ? insides : found).push_back(ref);
    }
    // A column by its title before the frames' insides, by its cells after them.
    const bool title = mm.y() <= layout.table.top + LineHeight(layout.table.fontSize);
    if (!title) found.insert(found.end(), insides.begin(), insides.end());
    if (mm.y() >= layout.table.top && mm.y() <= layout.table.bottom)
        if (std::optional<int> column = ColumnAt(layout, mm.x())) found.push_back({Part::Column, *column});
    if (title) found.insert(found.end(), insides.begin(), insides.end());
    return found;
}

std::optional<ObjectRef> ObjectAt(const Layout& layout, QPointF mm, double tolerance, double footerTop,
                                  const Selection& selected) {
    const Selection found = ObjectsAt(layout, mm, tolerance, footerTop, selected);
    if (found.empty()) return std::nullopt;
    return found.front();
}

Selection ObjectsIn(const Layout& layout, const QRectF& band, double footerTop) {
    Selection found;
    const QRectF b = band.normalized();
    const auto touches = [&](ObjectRef ref) {
        const QRectF r = Placed(layout, ref, footerTop);
        return r.left() <= b.right() && r.right() >= b.left() && r.top() <= b.bottom() && r.bottom() >= b.top();
    };
    for (int i = 0; i < static_cast<int>(layout.shapes.size()); ++i)
        if (touches({Part::Shape, i})) found.push_back({Part::Shape, i});
    for (int i = 0; i < static_cast<int>(layout.header.size()); ++i)
        if (touches({Part::Item, i})) found.push_back({Part::Item, i});
    if (footerTop >= 0)
        for (int i = 0; i < static_cast<int>(layout.table.footer.size()); ++i)
            if (touches({Part::Footer, i})) found.push_back({Part::Footer, i});
    return found;
}

ObjectRef AddItem(Layout& layout, const HeaderItem& item) {
    layout.header.push_back(item);
    return {Part::Item, static_cast<int>(layout.header.size()) - 1};
}

ObjectRef AddShape(Layout& layout, const Shape& shape) {
    layout.shapes.push_back(shape);
    return {Part::Shape, static_cast<int>(layout.shapes.size()) - 1};
}

ObjectRef AddFooterItem(Layout& layout, const HeaderItem& item) {
    layout.table.footer.push_back(item);
    return {Part::Footer, static_cast<int>(layout.table.footer.size()) - 1};
}

ObjectRef AddColumn(Layout& layout, const TableColumn& column) {
    layout.table.columns.push_back(column);
    return {Part::Column, static_cast<int>(layout.table.columns.size()) - 1};
}

void MoveObjects(Layout& layout, const Selection& objects, QPointF delta) {
    // The objects move as one block: the first to reach the paper's edge
    // stops them all, so that none lands on another. Footer items are
    // measured from the footer's top, the others from the page's. A column
    // brings the whole table, its footer along, and the block then stops at
    // the margins, where the table must end.
    const bool table = std::any_of(objects.begin(), objects.end(),
                                   [&](ObjectRef r) { return r.part == Part::Column && Exists(layout, r); });
    std::optional<QRectF> page, footer;
    const auto add = [](std::optional<QRectF>& box, const QRectF& b) { box = box ? box->united(b) : b; };
    for (const ObjectRef& ref : objects) {
        if (!Exists(layout, ref) || ref.part == Part::Column || (table && ref.part == Part::Footer)) continue;
        add(ref.part == Part::Footer ? footer : page, Bounds(layout, ref).normalized());
    }
    QRectF limits(0, 0, layout.pageWidth, layout.pageHeight);
    if (table) {
        const LineTable& t = layout.table;
        add(page, QRectF(QPointF(t.left, t.top), QPointF(TableRight(t), t.bottom)));
        for (int i = 0; i < static_cast<int>(t.footer.size()); ++i) {
            const QRectF b = Bounds(layout, {Part::Footer, i});
            add(page, QRectF(b.left(), page->top(), b.width(), page->height()));
        }
        const Margins& m = layout.margins;
        limits = QRectF(QPointF(m.left, m.top), QPointF(layout.pageWidth - m.right, layout.pageHeight - m.bottom));
    }
    double dx = delta.x();
    double dy = delta.y();
    const QRectF paper(0, 0, layout.pageWidth, layout.pageHeight);
    for (const auto& [kept, room] : {std::pair{page, limits}, std::pair{footer, paper}}) {
        if (!kept) continue;
        const QRectF& box = *kept;
        dx = std::clamp(dx, std::min(0.0, room.left() - box.left()), std::max(0.0, room.right() - box.right()));
        dy = std::clamp(dy, std::min(0.0, room.top() - box.top()), std::max(0.0, room.bottom() - box.bottom()));
    }
    for (const ObjectRef& ref : objects) {
        if (!Exists(layout, ref) || ref.part == Part::Column || (table && ref.part == Part::Footer)) continue;
        if (HeaderItem* item = TextItem(layout, ref)) {
            item->x += dx;
            item->y += dy;
        } else {
            layout.shapes[At(ref.index)].x += dx;
            layout.shapes[At(ref.index)].y += dy;
        }
    }
    if (table) {
        SetTableLeft(layout, layout.table.left + dx);
        SetTableLimits(layout, layout.table.top + dy, layout.table.bottom + dy);
    }
}

void SetBounds(Layout& layout, ObjectRef ref, const QRectF& box) {
    if (!Exists(layout, ref)) return;
    // Edge by edge: a line's box has no height (or no width), and cutting it
    // at the paper as a rectangle would leave nothing of it.
    const QRectF n = box.normalized();
    const double left = std::clamp(n.left(), 0.0, layout.pageWidth);
    const double top = std::clamp(n.top(), 0.0, layout.pageHeight);
    const QRectF b(QPointF(left, top), QPointF(std::clamp(n.right(), left, layout.pageWidth),
                                               std::clamp(n.bottom(), top, layout.pageHeight)));
    if (ref.part == Part::Column) {
        ResizeColumn(layout, ref.index, b.width());
    } else if (HeaderItem* item = TextItem(layout, ref)) {
        item->x = b.x();
        item->y = b.y();
        item->width = std::max(kMinSize, b.width());
    } else if (Shape& s = layout.shapes[At(ref.index)]; s.kind == ShapeKind::Line) {
        // A line keeps its direction: a horizontal one stays flat, a vertical
        // one upright, a slanting one runs the same way along the new box.
        const double width = s.width == 0 ? 0 : std::max(s.height == 0 ? kMinSize : 0.0, b.width());
        const double height = s.height == 0 ? 0 : std::max(s.width == 0 ? kMinSize : 0.0, b.height());
        s.x = s.width < 0 ? b.x() + width : b.x();
        s.y = s.height < 0 ? b.y() + height : b.y();
        s.width = s.width < 0 ? -width : width;
        s.height = s.height < 0 ? -height : height;
    } else {
        s.x = b.x();
        s.y = b.y();
        s.width = std::max(kMinSize, b.width());
        s.height = std::max(kMinSize, b.height());
    }
}

double Snap(double value, double step) {
    return step > 0 ? std::round(value / step) * step : value;
}

void AlignObjects(Layout& layout, const Selection& objects, Edge edge) {
    if (objects.size() < 2 || !Exists(layout, objects.front())) return;
    const QRectF anchor = Bounds(layout, objects.front());
    for (std::size_t i = 1; i < objects.size(); ++i) {
        if (objects[i].part == Part::Column) continue;
        const QRectF r = Bounds(layout, objects[i]);
        QPointF delta;
        switch (edge) {
        case Edge::Left: delta.setX(anchor.left() - r.left()); break;
        case Edge::Right: delta.setX(anchor.right() - r.right()); break;
        case Edge::Top: delta.setY(anchor.top() - r.top()); break;
        case Edge::Bottom: delta.setY(anchor.bottom() - r.bottom()); break;
        }
        MoveObjects(layout, {objects[i]}, delta);
    }
}

void SameWidth(Layout& layout, const Selection& objects) {
    if (objects.size() < 2 || !Exists(layout, objects.front())) return;
    const ObjectRef first = objects.front();
    const Shape* anchorLine = IsLine(layout, first) ? &layout.shapes[At(first.index)] : nullptr;
    // A line gives its length; anything else its width.
    const double width = anchorLine ? std::hypot(anchorLine->width, anchorLine->height) : Bounds(layout, first).width();
    for (std::size_t i = 1; i < objects.size(); ++i) {
        if (!Exists(layout, objects[i])) continue;
        QRectF r = Bounds(layout, objects[i]);
        if (IsLine(layout, objects[i])) {
            // A line takes that length along its own axis; an upright or
            // slanting line takes only another line's length.
            Shape& s = layout.shapes[At(objects[i].index)];
            const double length = std::hypot(s.width, s.height);
            if (s.height != 0 && !anchorLine) continue;
            if (length <= 0 || width < kMinSize) continue;
            s.width *= width / length;
            s.height *= width / length;
            SetBounds(layout, objects[i], QRectF(QPointF(s.x, s.y), QPointF(s.x + s.width, s.y + s.height)));
            continue;
        }
        if (width < kMinSize) continue;   // an upright line has no width to give
        r.setWidth(width);
        SetBounds(layout, objects[i], r);
    }
}

Clip Copy(const Layout& layout, const Selection& objects) {
    Clip clip;
    for (int i : Indexes(objects, Part::Item, false))
        if (Exists(layout, {Part::Item, i})) clip.items.push_back(layout.header[At(i)]);
    for (int i : Indexes(objects, Part::Shape, false))
        if (Exists(layout, {Part::Shape, i})) clip.shapes.push_back(layout.shapes[At(i)]);
    for (int i : Indexes(objects, Part::Footer, false))
        if (Exists(layout, {Part::Footer, i})) clip.footer.push_back(layout.table.footer[At(i)]);
    return clip;
}

Selection Paste(Layout& layout, const Clip& clip, QPointF offset, double footerTop) {
    if (clip.footer.empty()) {
        // Beside its source where that is free, else in the nearest free place.
        QRectF box;
        for (const Shape& s : clip.shapes) box |= QRectF(s.x, s.y, s.width, s.height).normalized();
        for (const HeaderItem& item : clip.items) box |= QRectF(item.x, item.y, item.width, ItemHeight(item));
        offset = FreePlace(layout, box.size(), box.topLeft() + offset, footerTop) - box.topLeft();
    }
    Selection added;
    for (const Shape& s : clip.shapes) added.push_back(AddShape(layout, s));
    for (const HeaderItem& item : clip.items) added.push_back(AddItem(layout, item));
    for (const HeaderItem& item : clip.footer) added.push_back(AddFooterItem(layout, item));
    MoveObjects(layout, added, offset);
    return added;
}

void Remove(Layout& layout, const Selection& objects) {
    for (int i : Indexes(objects, Part::Item, true))
        if (Exists(layout, {Part::Item, i})) layout.header.erase(layout.header.begin() + i);
    for (int i : Indexes(objects, Part::Shape, true))
        if (Exists(layout, {Part::Shape, i})) layout.shapes.erase(layout.shapes.begin() + i);
    auto& footer = layout.table.footer;
    for (int i : Indexes(objects, Part::Footer, true))
        if (Exists(layout, {Part::Footer, i})) footer.erase(footer.begin() + i);
    RemoveColumns(layout, Indexes(objects, Part::Column, false));
}

Selection BringToFront(Layout& layout, const Selection& objects) {
    return Restack(layout, objects, true);
}

Selection SendToBack(Layout& layout, const Selection& objects) {
    return Restack(layout, objects, false);
}

void SetTableLimits(Layout& layout, double top, double bottom) {
    const double least = 2 * LineHeight(layout.table.fontSize);
    top = std::clamp(top, 0.0, layout.pageHeight - least);
    layout.table.top = top;
    layout.table.bottom = std::clamp(bottom, top + least, layout.pageHeight);
}

} // namespace report
