#include "report/print/print_output.h"

#include <algorithm>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace report {

void PreparePrinter(QPrinter& printer, const Layout& layout) {
    // The sheet as it goes through the printer (portrait), turned as the page asks.
    const QSizeF sheet(std::min(layout.pageWidth, layout.pageHeight), std::max(layout.pageWidth, layout.pageHeight));
    const QPageSize size(sheet, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    const auto orientation =
        PageOrientation(layout) == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

bool PrintPages(QPrinter& printer, const std::vector<Page>& pages, const std::function<void(int page)>& onPage) {
    if (pages.empty()) return true;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double pxPerMm = printer.resolution() / 25.4;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        if (onPage) onPage(static_cast<int>(i + 1));
        PaintPage(painter, pages[i], pxPerMm);
    }
    return painter.end();
}

} // namespace report
