#include "report/composer/page_objects.h"

#include <QDataStream>
#include <QDate>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace report {

namespace {

// Marks of a page number text that no printed value holds.
const QString kPageMark = QStringLiteral("\x01N\x01");
const QString kCountMark = QStringLiteral("\x01M\x01");

QPen ShapePen(const Shape& shape, double pxPerMm) {
    if (shape.lineWidth <= 0) return Qt::NoPen;
    QPen pen(QColor(QString::fromStdString(shape.lineColor)));
    pen.setWidthF(std::max(1.0, shape.lineWidth * pxPerMm));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void PaintImage(QPainter& painter, const Shape& shape, const QRectF& target) {
    const QByteArray bytes = QByteArray::fromStdString(shape.image);
    if (shape.imageType == "svg") {
        QSvgRenderer svg(bytes);
        if (svg.isValid()) svg.render(&painter, target);
        return;
    }
    const QImage image = QImage::fromData(bytes);
    if (!image.isNull()) painter.drawImage(target, image);
}

} // namespace

void PaintShape(QPainter& painter, const Shape& shape, double pxPerMm, QPointF origin) {
    painter.save();
    const QPointF topLeft = origin + QPointF(shape.x, shape.y) * pxPerMm;
    const QSizeF size = QSizeF(shape.width, shape.height) * pxPerMm;
    switch (shape.kind) {
    case ShapeKind::Line:
        painter.setPen(ShapePen(shape, pxPerMm));
        painter.drawLine(QLineF(topLeft, topLeft + QPointF(size.width(), size.height())));
        break;
    case ShapeKind::Rectangle: {
        painter.setPen(ShapePen(shape, pxPerMm));
        painter.setBrush(shape.fill.empty() ? QBrush(Qt::NoBrush) : QBrush(QColor(QString::fromStdString(shape.fill))));
        const double r = shape.radius * pxPerMm;
        painter.drawRoundedRect(QRectF(topLeft, size), r, r);
        break;
    }
    case ShapeKind::Image:
        PaintImage(painter, shape, QRectF(topLeft, size));
        break;
    }
    painter.restore();
}

QString PageNumberText(const QString& caption) {
    return caption + QStringLiteral("Pagina ") + kPageMark + QStringLiteral(" di ") + kCountMark;
}

void NumberPages(std::vector<Page>& pages) {
    const QString count = QString::number(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const QString number = QString::number(i + 1);
        for (PageText& text : pages[i].texts)
            text.text.replace(kPageMark, number).replace(kCountMark, count);
    }
}

QString PrintDateText() {
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

void WriteShapes(QDataStream& s, const std::vector<Shape>& shapes) {
    s << static_cast<quint32>(shapes.size());
    for (const Shape& sh : shapes)
        s << static_cast<qint32>(sh.kind) << sh.x << sh.y << sh.width << sh.height << sh.lineWidth
          << QByteArray::fromStdString(sh.lineColor) << QByteArray::fromStdString(sh.fill) << sh.radius
          << QByteArray::fromStdString(sh.imageType) << QByteArray::fromStdString(sh.image);
}

void ReadShapes(QDataStream& s, std::vector<Shape>& shapes) {
    quint32 count = 0;
    s >> count;
    for (quint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        Shape sh;
        qint32 kind = 0;
        QByteArray colour, fill, type, image;
        s >> kind >> sh.x >> sh.y >> sh.width >> sh.height >> sh.lineWidth >> colour >> fill >> sh.radius >> type >>
            image;
        sh.kind = static_cast<ShapeKind>(std::clamp(kind, 0, 2));
        sh.lineColor = colour.toStdString();
        sh.fill = fill.toStdString();
        sh.imageType = type.toStdString();
        sh.image = image.toStdString();
        shapes.push_back(std::move(sh));
    }
}

} // namespace report
