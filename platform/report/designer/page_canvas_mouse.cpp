// The designer page's mouse and keyboard: choose, move, resize, rubber band,
// the line table's limits and columns, nudging and zoom.
#include <algorithm>
#include <cmath>

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "report/designer/page_canvas.h"

namespace report {

namespace {

constexpr int kNudgeProperty = 250;

bool IsLine(const Layout& layout, ObjectRef ref) {
    return ref.part == Part::Shape && layout.shapes[static_cast<std::size_t>(ref.index)].kind == ShapeKind::Line;
}

bool IsImage(const Layout& layout, ObjectRef ref) {
    return ref.part == Part::Shape && layout.shapes[static_cast<std::size_t>(ref.index)].kind == ShapeKind::Image;
}

// A box dragged by a handle given the proportions of the box it was; the
// side or corner opposite the handle stays where it is.
QRectF KeepAspect(const QRectF& box, const QRectF& was, int handle) {
    if (was.width() <= 0 || was.height() <= 0) return box;
    const double aspect = was.width() / was.height();
    double width = box.width();
    double height = box.height();
    if (handle == 3 || handle == 7) height = width / aspect;
    else if (handle == 1 || handle == 5) width = height * aspect;
    else if (width / was.width() > height / was.height()) height = width / aspect;
    else width = height * aspect;
    QRectF kept(0, 0, width, height);
    if (handle == 0 || handle == 6 || handle == 7) kept.moveRight(box.right());
    else kept.moveLeft(box.left());
    if (handle <= 2) kept.moveBottom(box.bottom());
    else kept.moveTop(box.top());
    return kept;
}

} // namespace

std::vector<std::pair<int, QPointF>> PageCanvas::Handles() const {
    const Selection& selected = document_.Selected();
    if (selected.size() != 1 || selected[0].part == Part::Column) return {};
    const Layout& layout = document_.Current();
    const QRectF b = Placed(layout, selected[0]);
    const QPointF points[8] = {b.topLeft(),     {b.center().x(), b.top()},    b.topRight(), {b.right(), b.center().y()},
                               b.bottomRight(), {b.center().x(), b.bottom()}, b.bottomLeft(), {b.left(), b.center().y()}};
    // A text's height follows its font and a flat line has none: only their sides move.
    std::vector<int> wanted{0, 1, 2, 3, 4, 5, 6, 7};
    const bool line = IsLine(layout, selected[0]);
    if (TextItem(layout, selected[0]) || (line && b.height() == 0)) wanted = {3, 7};
    else if (line && b.width() == 0) wanted = {1, 5};
    std::vector<std::pair<int, QPointF>> handles;
    for (int i : wanted) handles.emplace_back(i, points[i]);
    return handles;
}

std::optional<int> PageCanvas::HandleAt(QPointF mm) const {
    for (const auto& [index, at] : Handles())
        if (std::fabs(at.x() - mm.x()) <= Tolerance() && std::fabs(at.y() - mm.y()) <= Tolerance()) return index;
    return std::nullopt;
}

PageCanvas::Drag PageCanvas::DragAt(QPointF mm, int& index) const {
    const Layout& layout = document_.Current();
    if (std::optional<int> handle = HandleAt(mm)) {
        index = *handle;
        return Drag::Resize;
    }
    const std::optional<ObjectRef> hit =
        ObjectAt(layout, mm, Tolerance(), FooterTop(), document_.Selected());
    if (hit && hit->part != Part::Column) return Drag::Move;
    if (std::optional<int> edge = ColumnEdgeAt(layout, mm, Tolerance())) {
        index = *edge;
        return Drag::ColumnEdge;
    }
    if (std::fabs(mm.y() - layout.table.top) <= Tolerance()) return Drag::TableTop;
    if (std::fabs(mm.y() - layout.table.bottom) <= Tolerance()) return Drag::TableBottom;
    if (hit) {
        index = hit->index;
        return Drag::ColumnMove;
    }
    return Drag::RubberBand;
}

void PageCanvas::UpdateCursor(QPointF mm) {
    int index = 0;
    switch (DragAt(mm, index)) {
    case Drag::Resize: setCursor((index == 1 || index == 5) ? Qt::SizeVerCursor
                                 : (index == 3 || index == 7) ? Qt::SizeHorCursor
                                 : (index == 0 || index == 4) ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor); break;
    case Drag::Move: setCursor(Qt::SizeAllCursor); break;
    case Drag::ColumnEdge: setCursor(Qt::SplitHCursor); break;
    case Drag::TableTop:
    case Drag::TableBottom: setCursor(Qt::SplitVCursor); break;
    default: setCursor(Qt::ArrowCursor); break;
    }
}

void PageCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    StartDrag(event);
}

void PageCanvas::StartDrag(QMouseEvent* event) {
    const QPointF mm = ToMm(event->position());
    const Layout& layout = document_.Current();
    // Shift or Ctrl adds an object to the selection or takes it out.
    const bool shift = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    selectedBeforePress_ = document_.Selected();
    pressMm_ = mm;
    pressLayout_ = layout;
    dragKey_ = document_.NewGestureKey();
    dragged_ = false;
    drag_ = DragAt(mm, dragIndex_);
    std::optional<ObjectRef> hit = ObjectAt(layout, mm, Tolerance(), FooterTop(), document_.Selected());
    Selection selection = document_.Selected();
    if ((event->modifiers() & Qt::AltModifier) && hit) {
        // Alt reaches down the pile: the object under the one chosen here, round to the top again.
        Selection pile = ObjectsAt(layout, mm, Tolerance(), FooterTop());
        std::erase_if(pile, [](ObjectRef r) { return r.part == Part::Column; });
        if (!pile.empty()) {
            const auto chosen = std::find_if(pile.begin(), pile.end(), [&](ObjectRef r) {
                return std::find(selection.begin(), selection.end(), r) != selection.end();
            });
            std::size_t next = chosen == pile.end() ? 1 : static_cast<std::size_t>(chosen - pile.begin()) + 1;
            hit = pile[next % pile.size()];
            document_.Select({*hit});
            selection = {*hit};
            drag_ = Drag::Move;
        }
    }
    pressHit_ = hit;
    const bool selected = hit && std::find(selection.begin(), selection.end(), *hit) != selection.end();
    if (drag_ == Drag::Move && shift) {
        // Toggling moves nothing.
        if (selected) std::erase(selection, *hit);
        else selection.push_back(*hit);
        document_.Select(selection);
        drag_ = Drag::None;
    } else if ((drag_ == Drag::Move && !selected) || drag_ == Drag::ColumnMove) {
        document_.Select({*hit});
    } else if (drag_ == Drag::RubberBand) {
        if (!shift) document_.Select({});
        band_ = QRectF(mm, mm);
    }
    pressSelection_ = document_.Selected();
}

void PageCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPointF mm = ToMm(event->position());
    if (!(event->buttons() & Qt::LeftButton) || drag_ == Drag::None) {
        UpdateCursor(mm);
        return;
    }
    dragged_ = true;
    DragTo(mm, event->modifiers());
}

QRectF PageCanvas::ResizedBox(QPointF mm, bool keepAspect) const {
    QRectF box = Placed(pressLayout_, pressSelection_.front());
    const double x = SnapMm(mm.x());
    const double y = SnapMm(mm.y());
    if (dragIndex_ == 0 || dragIndex_ == 6 || dragIndex_ == 7) box.setLeft(x);
    if (dragIndex_ >= 2 && dragIndex_ <= 4) box.setRight(x);
    if (dragIndex_ <= 2) box.setTop(y);
    if (dragIndex_ >= 4 && dragIndex_ <= 6) box.setBottom(y);
    if (keepAspect) box = KeepAspect(box.normalized(), Placed(pressLayout_, pressSelection_.front()), dragIndex_);
    // Back to the object's own measure (a footer item's is the footer's top).
    const ObjectRef ref = pressSelection_.front();
    return box.translated(Bounds(pressLayout_, ref).topLeft() - Placed(pressLayout_, ref).topLeft());
}

void PageCanvas::DragTo(QPointF mm, Qt::KeyboardModifiers keys) {
    Layout layout = pressLayout_;
    Selection selection = pressSelection_;
    switch (drag_) {
    case Drag::Move: {
        // The first object's corner lands on the grid; the others keep their distance to it.
        const QPointF start = Placed(pressLayout_, pressSelection_.front()).topLeft();
        const QPointF to = start + (mm - pressMm_);
        MoveObjects(layout, selection, QPointF(SnapMm(to.x()), SnapMm(to.y())) - start);
        document_.Replace(QStringLiteral("Sposta"), layout, selection, dragKey_);
        return;
    }
    case Drag::Resize: {
        // Shift keeps an image's proportions.
        const bool keepAspect = (keys & Qt::ShiftModifier) && IsImage(pressLayout_, selection.front());
        SetBounds(layout, selection.front(), ResizedBox(mm, keepAspect));
        document_.Replace(QStringLiteral("Ridimensiona"), layout, selection, dragKey_);
        return;
    }
    case Drag::TableTop:
    case Drag::TableBottom: {
        const double y = SnapMm(mm.y());
        const bool top = drag_ == Drag::TableTop;
        SetTableLimits(layout, top ? y : layout.table.top, top ? layout.table.bottom : y);
        document_.Replace(QStringLiteral("Limiti della tabella"), layout, selection, dragKey_);
        return;
    }
    case Drag::ColumnEdge: {
        const QRectF column = Bounds(layout, {Part::Column, dragIndex_});
        // The width on the grid, wherever the column starts; at most the
        // last grid step that keeps the table on the paper.
        const double room = layout.pageWidth - TableRight(layout.table) +
                            column.width();
        double width = SnapMm(mm.x() - column.left());
        if (gridOn_ && width > room) width = std::floor(room / gridStep_) * gridStep_;
        ResizeColumn(layout, dragIndex_, width);
        document_.Replace(QStringLiteral("Larghezza colonna"), layout, {{Part::Column, dragIndex_}}, dragKey_);
        return;
    }
    case Drag::ColumnMove: {
        const std::optional<int> target = ColumnAt(layout, mm.x());
        if (!target) return;
        const int at = MoveColumn(layout, dragIndex_, *target);
        document_.Replace(QStringLiteral("Sposta colonna"), layout, {{Part::Column, at}}, dragKey_);
        return;
    }
    case Drag::RubberBand: {
        band_ = QRectF(pressMm_, mm).normalized();
        Selection banded = ObjectsIn(document_.Current(), band_, FooterTop());
        for (const ObjectRef& r : pressSelection_)
            if (std::find(banded.begin(), banded.end(), r) == banded.end()) banded.push_back(r);
        document_.Select(banded);
        update();
        return;
    }
    case Drag::None: return;
    }
}

void PageCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // A click on a handle without moving chooses what lies under it: the
    // handles of one object do not hide the border of another.
    if (drag_ == Drag::Resize && !dragged_) {
        const Selection selected = document_.Selected();
        for (const ObjectRef& ref : ObjectsAt(document_.Current(), pressMm_, Tolerance(), FooterTop()))
            if (ref.part != Part::Column && std::find(selected.begin(), selected.end(), ref) == selected.end()) {
                document_.Select({ref});
                break;
            }
    }
    // A click without a drag on one object of several chosen chooses it alone.
    const Selection& chosen = document_.Selected();
    if (drag_ == Drag::Move && !dragged_ && pressHit_ && chosen.size() > 1 &&
        !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) &&
        std::find(chosen.begin(), chosen.end(), *pressHit_) != chosen.end())
        document_.Select({*pressHit_});
    drag_ = Drag::None;
    update();
}

void PageCanvas::contextMenuEvent(QContextMenuEvent* event) {
    const QPointF mm = ToMm(event->pos());
    const Selection& selected = document_.Selected();
    const std::optional<ObjectRef> hit = ObjectAt(document_.Current(), mm, Tolerance(), FooterTop(), selected);
    if (hit && std::find(selected.begin(), selected.end(), *hit) == selected.end()) document_.Select({*hit});
    emit ContextMenuWanted(event->globalPos());
    event->accept();
}

void PageCanvas::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();     // the scroll area scrolls
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    // The point under the cursor stays under it.
    if (steps != 0) ZoomAt(zoom_ * std::pow(1.25, steps), ToMm(event->position()), event->position());
    event->accept();
}

void PageCanvas::keyPressEvent(QKeyEvent* event) {
    const double step = gridOn_ ? gridStep_ : 1.0;
    switch (event->key()) {
    case Qt::Key_Left: Nudge({-step, 0}); break;
    case Qt::Key_Right: Nudge({step, 0}); break;
    case Qt::Key_Up: Nudge({0, -step}); break;
    case Qt::Key_Down: Nudge({0, step}); break;
    case Qt::Key_Escape:   // the designer stays open
        if (drag_ != Drag::None) CancelDrag();
        else document_.Select({});
        break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void PageCanvas::CancelDrag() {
    // Merged into the drag's own step, the way back leaves no step at all.
    if (drag_ == Drag::RubberBand) document_.Select(selectedBeforePress_);
    else document_.Replace(QStringLiteral("Sposta"), pressLayout_, pressSelection_, dragKey_);
    drag_ = Drag::None;
    update();
}

void PageCanvas::Nudge(QPointF delta) {
    const Selection& selected = document_.Selected();
    if (selected.empty()) return;
    Layout moved = document_.Current();
    MoveObjects(moved, selected, delta);
    for (const ObjectRef& ref : selected)
        if (ref.part != Part::Column && Bounds(moved, ref) != Bounds(document_.Current(), ref).translated(delta)) {
            emit Notice(QStringLiteral("L'oggetto è al bordo della pagina: non si sposta oltre."));
            break;
        }
    // A run of nudges is one undo step.
    document_.Replace(QStringLiteral("Sposta"), moved, selected, document_.PropertyKey(kNudgeProperty));
}

} // namespace report
