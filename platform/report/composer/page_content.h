#pragma once
// What a print job puts on its pages, kept as drawing commands in
// millimetres so that the same pages go to a printer, a PDF file, a preview
// or the designer's sample, each at its own resolution.
#include <filesystem>
#include <vector>

#include <QLineF>
#include <QRectF>
#include <QString>

#include "report/model/layout.h"

class QPainter;

namespace report {

struct PageText {
    QRectF rect;              // the text is clipped to it
    QString text;
    double fontSize = 10;
    bool bold = false;
    Align align = Align::Left;
    bool italic = false;
    QString family = {};      // empty: the engine's own
};

struct PageRule {
    QLineF line;
    double width = 0.2;
};

struct Page {
    double width = 210;       // the paper, in millimetres
    double height = 297;
    std::vector<PageText> texts;
    std::vector<PageRule> rules;
    std::vector<Shape> shapes;    // drawn under the rules and texts
    double footerTop = -1;        // where the table's footer starts, on the page that has it
};

// Paints one page with its top left corner at origin, pxPerMm device pixels
// to the millimetre.
void PaintPage(QPainter& painter, const Page& page, double pxPerMm, QPointF origin = {});

// The pages of a preview, kept in a file between the job and its showing.
bool WritePages(const std::filesystem::path& file, const std::vector<Page>& pages);
bool ReadPages(const std::filesystem::path& file, std::vector<Page>& pages);

} // namespace report
