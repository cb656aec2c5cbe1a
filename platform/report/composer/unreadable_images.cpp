#include "report/composer/unreadable_images.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QSvgRenderer>

namespace report {

namespace {

// A length as the operator reads it: millimetres with a decimal comma.
std::string Millimetres(double value) {
    return QString::number(value, 'f', 1).replace(QLatin1String(".0"), QString()).replace('.', ',').toStdString();
}

} // namespace

bool ImageReadable(const Shape& image) {
    QByteArray bytes = QByteArray::fromStdString(image.image);
    if (image.imageType == "svg") return QSvgRenderer(bytes).isValid();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    QImage decoded;
    return reader.read(&decoded) && !decoded.isNull();
}

std::vector<std::string> UnreadableImages(const Layout& layout) {
    std::vector<std::string> told;
    int number = 0;
    for (const Shape& shape : layout.shapes) {
        if (shape.kind != ShapeKind::Image) continue;
        ++number;
        if (ImageReadable(shape)) continue;
        std::string kind = QString::fromStdString(shape.imageType).toUpper().toStdString();
        if (!kind.empty()) kind += ", ";
        told.push_back("L'immagine n. " + std::to_string(number) + " (" + kind + "posizione " +
                       Millimetres(shape.x) + " x " + Millimetres(shape.y) + " mm) del modulo non è leggibile.");
    }
    return told;
}

} // namespace report
