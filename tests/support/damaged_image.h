#pragma once
// A logo whose PNG bytes were damaged in the middle, as one changed letter of
// a layout file's base64 does: the signature holds, the pixels do not decode.
#include <string>

#include <QBuffer>
#include <QImage>

#include "report/model/shape.h"

namespace report_testing {

inline report::Shape DamagedLogo() {
    QImage image(60, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 4, y * 8, (x * y) % 256));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    std::string bytes = buffer.data().toStdString();
    bytes[bytes.size() / 2] ^= 0x5a;
    report::Shape logo;
    logo.kind = report::ShapeKind::Image;
    logo.x = 15;
    logo.y = 10;
    logo.width = 40;
    logo.height = 20;
    logo.image = bytes;
    logo.imageType = "png";
    return logo;
}

} // namespace report_testing
