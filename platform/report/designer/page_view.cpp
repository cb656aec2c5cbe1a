#include "report/designer/page_view.h"

#include <algorithm>

#include <QPainter>

namespace report {

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(210, 297);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PageView::SetPage(Page page) {
    page_ = std::move(page);
    update();
}

void PageView::SetHighlight(QRectF mm) {
    highlight_ = mm;
    update();
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (page_.width <= 0 || page_.height <= 0) return;
    const double k = std::min((width() - 8) / page_.width, (height() - 8) / page_.height);
    const QPointF origin((width() - page_.width * k) / 2, (height() - page_.height * k) / 2);
    const QRectF paper(origin, QSizeF(page_.width * k, page_.height * k));
    painter.fillRect(paper.translated(2, 2), QColor(0, 0, 0, 60));
    painter.fillRect(paper, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintPage(painter, page_, k, origin);
    if (!highlight_.isNull()) {
        painter.setPen(QPen(QColor(0, 90, 200), 1, Qt::DashLine));
        painter.setBrush(QColor(0, 90, 200, 30));
        painter.drawRect(QRectF(origin + highlight_.topLeft() * k, highlight_.size() * k));
    }
}

} // namespace report
