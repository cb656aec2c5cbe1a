// Painting and zoom of the designer's page.
#include "report/designer/page_canvas.h"

#include <algorithm>
#include <cmath>

#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include "report/composer/unreadable_images.h"

namespace report {

namespace {

constexpr int kRuler = 22;                 // the rulers' breadth in pixels
constexpr int kGap = 18;                   // room between the rulers and the paper
constexpr double kMinZoom = 0.2;
constexpr double kMaxZoom = 8.0;
const QColor kSelection(0, 90, 200);

} // namespace

PageCanvas::PageCanvas(LayoutDocument& document, SampleMaker sample, QWidget* parent)
    : QWidget(parent), document_(document), sample_(std::move(sample)) {
    setObjectName(QStringLiteral("PageCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(&document_, &LayoutDocument::Changed, this, &PageCanvas::Refresh);
    Refresh();
}

double PageCanvas::TrueScale() const {
    return logicalDpiX() / 25.4;
}

void PageCanvas::SetZoom(double zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (std::fabs(zoom - zoom_) < 1e-9) return;
    zoom_ = zoom;
    resize(sizeHint());
    updateGeometry();
    update();
    emit ZoomChanged(zoom_);
}

void PageCanvas::ZoomAt(double zoom, QPointF mm, QPointF at) {
    auto* area = parentWidget() ? qobject_cast<QScrollArea*>(parentWidget()->parentWidget()) : nullptr;
    const QPointF seen = area ? mapTo(area->viewport(), at) : at;
    SetZoom(zoom);
    if (!area) return;
    const QPointF now = ToPixel(mm);
    area->horizontalScrollBar()->setValue(qRound(now.x() - seen.x()));
    area->verticalScrollBar()->setValue(qRound(now.y() - seen.y()));
}

double PageCanvas::FitZoom(QSize viewport) const {
    const Layout& layout = document_.Current();
    const double room = std::min((viewport.width() - kRuler - 2 * kGap) / layout.pageWidth,
                                 (viewport.height() - kRuler - 2 * kGap) / layout.pageHeight);
    return std::clamp(room / TrueScale(), kMinZoom, kMaxZoom);
}

void PageCanvas::SetGrid(bool on, double step) {
    gridOn_ = on;
    gridStep_ = std::clamp(step, 1.0, 10.0);
    update();
}

QPointF PageCanvas::ToMm(QPointF pixel) const {
    return (pixel - QPointF(kRuler + kGap, kRuler + kGap)) / Scale();
}

QPointF PageCanvas::ToPixel(QPointF mm) const {
    return QPointF(kRuler + kGap, kRuler + kGap) + mm * Scale();
}

QRectF PageCanvas::VisibleMm() const {
    const QRect seen = visibleRegion().isEmpty() ? rect() : visibleRegion().boundingRect();
    const Layout& layout = document_.Current();
    return QRectF(ToMm(seen.topLeft()), ToMm(seen.bottomRight()))
        .intersected(QRectF(0, 0, layout.pageWidth, layout.pageHeight));
}

QSize PageCanvas::sizeHint() const {
    const Layout& layout = document_.Current();
    return QSize(static_cast<int>(kRuler + 2 * kGap + layout.pageWidth * Scale()),
                 static_cast<int>(kRuler + 2 * kGap + layout.pageHeight * Scale()));
}

void PageCanvas::Refresh() {
    page_ = sample_(document_.Current());
    unreadableImages_.clear();
    const std::vector<Shape>& shapes = document_.Current().shapes;
    for (int i = 0; i < static_cast<int>(shapes.size()); ++i)
        if (shapes[static_cast<std::size_t>(i)].kind == ShapeKind::Image && !ImageReadable(shapes[static_cast<std::size_t>(i)]))
            unreadableImages_.push_back(i);
    if (size() != sizeHint()) resize(sizeHint());
    update();
}

QRectF PageCanvas::Placed(const Layout& layout, ObjectRef ref) const {
    return Bounds(layout, ref).translated(0, ref.part == Part::Footer ? FooterTop() : 0);
}

double PageCanvas::SnapMm(double value) const {
    return gridOn_ ? Snap(value, gridStep_) : value;
}

double PageCanvas::Tolerance() const {
    return 4.0 / Scale();
}

void PageCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x8a, 0x8f, 0x96));
    const Layout& layout = document_.Current();
    const QRectF paper(ToPixel({0, 0}), ToPixel({layout.pageWidth, layout.pageHeight}));
    painter.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 70));
    painter.fillRect(paper, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintGuides(painter);
    PaintPage(painter, page_, Scale(), ToPixel({0, 0}));
    PaintUnreadableImages(painter);
    PaintSelection(painter);
    PaintRulers(painter);
}

void PageCanvas::PaintGuides(QPainter& painter) {
    const Layout& layout = document_.Current();
    const double k = Scale();
    if (gridOn_ && gridStep_ * k >= 6) {
        painter.setPen(QPen(QColor(200, 205, 215), 1));
        for (double x = 0; x <= layout.pageWidth; x += gridStep_)
            for (double y = 0; y <= layout.pageHeight; y += gridStep_) painter.drawPoint(ToPixel({x, y}));
    }
    const Margins& m = layout.margins;
    painter.setPen(QPen(QColor(120, 160, 220), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(ToPixel({m.left, m.top}),
                            ToPixel({layout.pageWidth - m.right, layout.pageHeight - m.bottom})));
    // The line table's room, between its top and bottom limits.
    const LineTable& table = layout.table;
    double right = table.left;
    for (const TableColumn& c : table.columns) right += c.width;
    painter.setPen(QPen(QColor(40, 150, 80), 1, Qt::DashDotLine));
    painter.drawLine(ToPixel({0, table.top}), ToPixel({layout.pageWidth, table.top}));
    painter.drawLine(ToPixel({0, table.bottom}), ToPixel({layout.pageWidth, table.bottom}));
    painter.setPen(QPen(QColor(40, 150, 80, 110), 1, Qt::DotLine));
    double x = table.left;
    for (std::size_t i = 0; i <= table.columns.size(); ++i) {
        painter.drawLine(ToPixel({x, table.top}), ToPixel({x, table.bottom}));
        if (i < table.columns.size()) x += table.columns[i].width;
    }
    painter.setPen(QColor(40, 150, 80));
    QFont small = font();
    small.setPointSizeF(7);
    painter.setFont(small);
    painter.drawText(ToPixel({right + 1, table.top}) + QPointF(0, 10), QStringLiteral("inizio righe"));
    painter.drawText(ToPixel({right + 1, table.bottom}) - QPointF(0, 3), QStringLiteral("fine righe"));
}

void PageCanvas::PaintSelection(QPainter& painter) {
    const Layout& layout = document_.Current();
    painter.setBrush(Qt::NoBrush);
    for (const ObjectRef& ref : document_.Selected()) {
        const QRectF box = Placed(layout, ref);
        const QRectF pixels = QRectF(ToPixel(box.topLeft()), ToPixel(box.bottomRight())).adjusted(-1, -1, 1, 1);
        if (ref.part == Part::Column) painter.fillRect(pixels, QColor(0, 90, 200, 35));
        painter.setPen(QPen(kSelection, 1, Qt::DashLine));
        painter.drawRect(pixels);
    }
    painter.setPen(QPen(kSelection, 1));
    painter.setBrush(Qt::white);
    for (const auto& [index, mm] : Handles()) painter.drawRect(QRectF(ToPixel(mm) - QPointF(3.5, 3.5), QSizeF(7, 7)));
    if (drag_ == Drag::RubberBand) {
        painter.setPen(QPen(kSelection, 1, Qt::DotLine));
        painter.setBrush(QColor(0, 90, 200, 25));
        painter.drawRect(QRectF(ToPixel(band_.topLeft()), ToPixel(band_.bottomRight())));
    }
}

void PageCanvas::PaintUnreadableImages(QPainter& painter) {
    // Crossed out in red on the page only: paper would show nothing there.
    const Layout& layout = document_.Current();
    painter.setPen(QPen(QColor(200, 30, 30), 1.5));
    painter.setBrush(Qt::NoBrush);
    for (int i : unreadableImages_) {
        const QRectF box = Bounds(layout, {Part::Shape, i});
        const QRectF pixels(ToPixel(box.topLeft()), ToPixel(box.bottomRight()));
        painter.drawRect(pixels);
        painter.drawLine(pixels.topLeft(), pixels.bottomRight());
        painter.drawLine(pixels.bottomLeft(), pixels.topRight());
    }
}

void PageCanvas::PaintRulers(QPainter& painter) {
    // At the visible edges, so that they stay in view while the page scrolls.
    const QRect visible = visibleRegion().boundingRect();
    const QRectF top(visible.left(), visible.top(), visible.width(), kRuler);
    const QRectF left(visible.left(), visible.top(), kRuler, visible.height());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(top, QColor(236, 236, 236));
    painter.fillRect(left, QColor(236, 236, 236));
    painter.setPen(QColor(90, 90, 90));
    QFont small = font();
    small.setPointSizeF(6.5);
    painter.setFont(small);
    const double k = Scale();
    const int labelStep = k * 10 >= 28 ? 10 : 50;
    const Layout& layout = document_.Current();
    for (int mm = 0; mm <= static_cast<int>(layout.pageWidth); ++mm) {
        const double x = ToPixel({double(mm), 0}).x();
        const int tick = mm % 10 == 0 ? 10 : mm % 5 == 0 ? 6 : 3;
        if (tick == 3 && k < 3) continue;
        painter.drawLine(QPointF(x, top.bottom() - tick), QPointF(x, top.bottom()));
        if (mm % labelStep == 0) painter.drawText(QPointF(x + 2, top.top() + 9), QString::number(mm));
    }
    for (int mm = 0; mm <= static_cast<int>(layout.pageHeight); ++mm) {
        const double y = ToPixel({0, double(mm)}).y();
        const int tick = mm % 10 == 0 ? 10 : mm % 5 == 0 ? 6 : 3;
        if (tick == 3 && k < 3) continue;
        painter.drawLine(QPointF(left.right() - tick, y), QPointF(left.right(), y));
        if (mm % labelStep == 0) painter.drawText(QPointF(left.left() + 1, y + 9), QString::number(mm));
    }
    painter.fillRect(QRectF(visible.topLeft(), QSizeF(kRuler, kRuler)), QColor(220, 220, 220));
}

} // namespace report
