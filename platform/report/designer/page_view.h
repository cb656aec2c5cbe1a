#pragma once
// A page drawn to fit the widget, as the designer's sample of the layout.
#include <QRectF>
#include <QWidget>

#include "report/composer/page_content.h"

namespace report {

class PageView : public QWidget {
    Q_OBJECT

public:
    explicit PageView(QWidget* parent = nullptr);

    void SetPage(Page page);
    // A rectangle of the page (millimetres) to mark, as the item being edited.
    void SetHighlight(QRectF mm);
    const Page& CurrentPage() const { return page_; }

    QSize sizeHint() const override { return {300, 424}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Page page_;
    QRectF highlight_;
};

} // namespace report
