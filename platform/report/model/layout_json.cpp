#include "report/model/layout_json.h"

#include <algorithm>

#include <QByteArray>
#include <QColor>

namespace report::json {

namespace {

const char* ShapeName(ShapeKind kind) {
    switch (kind) {
    case ShapeKind::Line: return "line";
    case ShapeKind::Image: return "image";
    case ShapeKind::Rectangle: break;
    }
    return "rectangle";
}

ShapeKind ShapeFromName(const QString& name) {
    if (name == QLatin1String("line")) return ShapeKind::Line;
    if (name == QLatin1String("image")) return ShapeKind::Image;
    return ShapeKind::Rectangle;
}

// A colour as "#rrggbb", or empty when the file holds none or nonsense.
std::string Colour(const QJsonObject& o, const char* key) {
    const QColor colour(o.value(QLatin1String(key)).toString());
    return colour.isValid() ? colour.name().toStdString() : std::string();
}

// A signed offset (a line may run up or left), kept within the page.
double Offset(const QJsonObject& o, const char* key, double fallback, double max) {
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isDouble() ? std::clamp(v.toDouble(), -max, max) : fallback;
}

} // namespace

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QJsonValue& value) { return value.toString().toStdString(); }

double Length(const QJsonObject& o, const char* key, double fallback, double max) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble()) return fallback;
    return std::clamp(v.toDouble(), 0.0, max);
}

QJsonObject ToJson(const Shape& shape) {
    QJsonObject o;
    o[QLatin1String("kind")] = QLatin1String(ShapeName(shape.kind));
    o[QLatin1String("x")] = shape.x;
    o[QLatin1String("y")] = shape.y;
    o[QLatin1String("width")] = shape.width;
    o[QLatin1String("height")] = shape.height;
    o[QLatin1String("lineWidth")] = shape.lineWidth;
    o[QLatin1String("lineColor")] = Q(shape.lineColor);
    if (!shape.fill.empty()) o[QLatin1String("fill")] = Q(shape.fill);
    if (shape.radius > 0) o[QLatin1String("radius")] = shape.radius;
    if (shape.kind == ShapeKind::Image) {
        o[QLatin1String("imageType")] = Q(shape.imageType);
        o[QLatin1String("image")] =
            QString::fromLatin1(QByteArray::fromStdString(shape.image).toBase64());
    }
    return o;
}

Shape ShapeFrom(const QJsonObject& o, double pageWidth, double pageHeight) {
    Shape shape;
    shape.kind = ShapeFromName(o.value(QLatin1String("kind")).toString());
    shape.x = Length(o, "x", shape.x, pageWidth);
    shape.y = Length(o, "y", shape.y, pageHeight);
    if (shape.kind == ShapeKind::Line) {
        shape.width = Offset(o, "width", shape.width, pageWidth);
        shape.height = Offset(o, "height", 0, pageHeight);
    } else {
        shape.width = Length(o, "width", shape.width, pageWidth);
        shape.height = Length(o, "height", shape.height, pageHeight);
    }
    shape.lineWidth = Length(o, "lineWidth", shape.lineWidth, 10);
    const std::string line = Colour(o, "lineColor");
    if (!line.empty()) shape.lineColor = line;
    shape.fill = Colour(o, "fill");
    shape.radius = Length(o, "radius", 0, 50);
    if (shape.kind == ShapeKind::Image) {
        shape.image = QByteArray::fromBase64(o.value(QLatin1String("image")).toString().toLatin1()).toStdString();
        // The bytes say what they are, whatever the file claims.
        shape.imageType = ImageTypeOf(shape.image);
    }
    return shape;
}

QJsonObject ToJson(const Margins& margins) {
    QJsonObject o;
    o[QLatin1String("left")] = margins.left;
    o[QLatin1String("top")] = margins.top;
    o[QLatin1String("right")] = margins.right;
    o[QLatin1String("bottom")] = margins.bottom;
    return o;
}

Margins MarginsFrom(const QJsonObject& o, double pageWidth, double pageHeight) {
    Margins m;
    m.left = Length(o, "left", m.left, pageWidth / 2);
    m.right = Length(o, "right", m.right, pageWidth / 2);
    m.top = Length(o, "top", m.top, pageHeight / 2);
    m.bottom = Length(o, "bottom", m.bottom, pageHeight / 2);
    return m;
}

void WriteTextStyle(QJsonObject& o, const HeaderItem& item) {
    if (!item.fontFamily.empty()) o[QLatin1String("font")] = Q(item.fontFamily);
    if (item.italic) o[QLatin1String("italic")] = true;
}

void ReadTextStyle(const QJsonObject& o, HeaderItem& item) {
    item.fontFamily = S(o.value(QLatin1String("font")));
    item.italic = o.value(QLatin1String("italic")).toBool(false);
}

} // namespace report::json

namespace report {

std::string ImageTypeOf(const std::string& bytes) {
    if (bytes.rfind("\x89PNG\r\n\x1a\n", 0) == 0) return "png";
    if (bytes.rfind("\xff\xd8\xff", 0) == 0) return "jpeg";
    const std::string head = bytes.substr(0, 512);
    if (head.find("<svg") != std::string::npos) return "svg";
    return {};
}

} // namespace report
