#include "report/print/print_output.h"

#include <algorithm>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "report/print/pdf_file.h"

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

namespace {

bool PaintPages(QPagedPaintDevice& device, int resolution, const std::vector<Page>& pages,
                const std::function<void(int page)>& onPage) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double pxPerMm = resolution / 25.4;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        if (onPage) onPage(static_cast<int>(i + 1));
        PaintPage(painter, pages[i], pxPerMm);
    }
    return painter.end();
}

} // namespace

bool PrintPages(QPrinter& printer, const std::vector<Page>& pages, const std::function<void(int page)>& onPage) {
    if (pages.empty()) return true;
    // A PDF file is made as a new file of ours, never opened through a link.
    if (PrintsToPdfFile(printer))
        return WritePdfFile(printer, [&pages, &onPage](QPagedPaintDevice& pdf, int resolution) {
            return PaintPages(pdf, resolution, pages, onPage);
        });
    return PaintPages(printer, printer.resolution(), pages, onPage);
}

} // namespace report
