#pragma once
// The designer's page: the layout's sample page at true proportions with
// rulers in millimetres, margins, grid, the line table's limits and the
// selection. Objects are chosen, moved and resized with the mouse (snapped
// to the grid when it is on), nudged with the arrow keys; Ctrl and the wheel zoom.
#include <functional>
#include <optional>

#include <QWidget>

#include "report/composer/page_content.h"
#include "report/designer/layout_document.h"

namespace report {

class PageCanvas : public QWidget {
    Q_OBJECT

public:
    // sample lays out the page that the layout prints with the sample values.
    using SampleMaker = std::function<Page(const Layout&)>;
    PageCanvas(LayoutDocument& document, SampleMaker sample, QWidget* parent = nullptr);

    // Screen pixels to the millimetre at 100 %.
    double TrueScale() const;
    double Zoom() const { return zoom_; }          // 1.0 is 100 %
    void SetZoom(double zoom);
    // Zooms keeping the page's point mm at the widget position it has now
    // (at), scrolling the scroll area the page lies in.
    void ZoomAt(double zoom, QPointF mm, QPointF at);
    // The zoom at which the whole page fits into a viewport of that size.
    double FitZoom(QSize viewport) const;

    void SetGrid(bool on, double step);
    bool GridOn() const { return gridOn_; }
    double GridStep() const { return gridStep_; }

    // Between widget pixels and page millimetres.
    QPointF ToMm(QPointF pixel) const;
    QPointF ToPixel(QPointF mm) const;

    QSize sizeHint() const override;

    // Where the table's footer starts on the sample page (-1: none).
    double FooterTop() const { return page_.footerTop; }
    // The millimetres of the page that the widget's visible part shows.
    QRectF VisibleMm() const;

signals:
    void ZoomChanged(double zoom);
    // Something the operator tried and the page refused, for the status line.
    void Notice(const QString& text);
    // The right button on the page, after choosing what it points at.
    void ContextMenuWanted(QPoint global);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class Drag { None, Move, Resize, RubberBand, TableTop, TableBottom, ColumnEdge, ColumnMove };

    void Refresh();
    double Scale() const { return TrueScale() * zoom_; }
    // Where an object shows on the page: footer items below the sample's lines.
    QRectF Placed(const Layout& layout, ObjectRef ref) const;
    double SnapMm(double value) const;
    double Tolerance() const;              // a few pixels, in millimetres

    void PaintRulers(QPainter& painter);
    void PaintGuides(QPainter& painter);
    void PaintSelection(QPainter& painter);
    void PaintUnreadableImages(QPainter& painter);

    // Handles of the one selected object (0..7 clockwise from top left), in millimetres.
    std::vector<std::pair<int, QPointF>> Handles() const;
    std::optional<int> HandleAt(QPointF mm) const;
    Drag DragAt(QPointF mm, int& index) const;
    void StartDrag(QMouseEvent* event);
    void DragTo(QPointF mm, Qt::KeyboardModifiers keys);
    QRectF ResizedBox(QPointF mm, bool keepAspect) const;
    void Nudge(QPointF delta);
    // Escape while the button is held: everything back as it was at the press.
    void CancelDrag();
    void UpdateCursor(QPointF mm);

    LayoutDocument& document_;
    SampleMaker sample_;
    Page page_;
    std::vector<int> unreadableImages_;    // shapes that would print as an empty frame
    double zoom_ = 1.0;
    bool gridOn_ = true;
    double gridStep_ = 1.0;

    Drag drag_ = Drag::None;
    int dragIndex_ = 0;                    // the handle or column being dragged
    int dragKey_ = 0;
    bool dragged_ = false;                 // the mouse moved since the press
    QPointF pressMm_;
    Layout pressLayout_;
    Selection pressSelection_;
    Selection selectedBeforePress_;
    std::optional<ObjectRef> pressHit_;    // the object the press chose
    QRectF band_;
};

} // namespace report
