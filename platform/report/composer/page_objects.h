#pragma once
// The page part's drawn objects on paper, and the texts that only the whole
// job knows: page numbers ("Pagina N di M") and the day of printing.
#include <vector>

#include <QPointF>
#include <QString>

#include "report/composer/page_content.h"
#include "report/model/shape.h"

class QDataStream;
class QPainter;

namespace report {

// Paints a line, rectangle or image at pxPerMm device pixels to the millimetre.
void PaintShape(QPainter& painter, const Shape& shape, double pxPerMm, QPointF origin);

// The text of a page number item before the job knows its pages; NumberPages
// puts in the real numbers once every page is laid out.
QString PageNumberText(const QString& caption);
void NumberPages(std::vector<Page>& pages);

// Today as dd/mm/yyyy.
QString PrintDateText();

// The shapes of a page in the preview file.
void WriteShapes(QDataStream& s, const std::vector<Shape>& shapes);
void ReadShapes(QDataStream& s, std::vector<Shape>& shapes);

} // namespace report
