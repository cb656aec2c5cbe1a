#include "report/print_output.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace report {

void PreparePrinter(QPrinter& printer, const Layout& layout) {
    const QSizeF paper(layout.pageWidth, layout.pageHeight);
    printer.setPageSize(QPageSize(paper, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
    printer.setPageOrientation(paper.width() > paper.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(true);
}

bool PrintPages(QPrinter& printer, const std::vector<Page>& pages) {
    if (pages.empty()) return true;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double pxPerMm = printer.resolution() / 25.4;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        PaintPage(painter, pages[i], pxPerMm);
    }
    return painter.end();
}

} // namespace report
