// Drawn objects, page numbers, print dates and margins survive the layout
// file; files of the first format still load; images travel inside the file.
#include <fstream>

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <QPainter>

#include "report/composer/page_objects.h"
#include "report/model/layout_file.h"
#include "support/temp_dir.h"

namespace {

using namespace report;

std::string PngBytes() {
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(QColor(30, 80, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

TEST(LayoutObjectsFile, ShapesImagesPageNumbersAndMarginsReadBackTheSame) {
    testing_support::TempDir dir;
    Layout layout;
    Shape line;
    line.kind = ShapeKind::Line;
    line.width = 0;
    line.height = 120;
    line.lineColor = "#1f4e99";
    Shape box;
    box.fill = "#e6e6e6";
    box.radius = 2.5;
    box.lineWidth = 0.5;
    Shape logo;
    logo.kind = ShapeKind::Image;
    logo.image = PngBytes();
    logo.imageType = "png";
    layout.shapes = {line, box, logo};
    HeaderItem page;
    page.kind = ItemKind::PageNumber;
    page.fontFamily = "DejaVu Serif";
    page.italic = true;
    HeaderItem date;
    date.kind = ItemKind::PrintDate;
    date.caption = "Stampato il ";
    layout.header = {page, date};
    layout.margins = {12, 8, 15, 20};
    std::string error;
    ASSERT_TRUE(SaveLayout(dir.path() / "Fattura.LST", layout, error)) << error;

    Layout read;
    ASSERT_EQ(LoadLayout(dir.path() / "Fattura.LST", read), LayoutLoad::Loaded);
    EXPECT_EQ(read, layout);
    ASSERT_EQ(read.shapes.size(), 3u);
    EXPECT_EQ(read.shapes[2].image, logo.image) << "the logo's bytes are inside the layout file";
    EXPECT_FALSE(QImage::fromData(QByteArray::fromStdString(read.shapes[2].image)).isNull());
}

TEST(LayoutObjectsFile, AFirstFormatFileLoadsWithTheNewPartsAtTheirDefaults) {
    testing_support::TempDir dir;
    std::ofstream(dir.path() / "DDT.LST") << R"({"format": "vantorima-layout", "version": 1,
        "page": {"width": 210, "height": 297},
        "header": [{"kind": "variable", "source": "ddt_n", "caption": "N. ", "x": 150, "y": 20}],
        "table": {"top": 90, "columns": [{"field": "codice", "title": "Codice", "width": 30}]}})";
    Layout read;
    ASSERT_EQ(LoadLayout(dir.path() / "DDT.LST", read), LayoutLoad::Loaded);
    ASSERT_EQ(read.header.size(), 1u);
    EXPECT_EQ(read.header[0].caption, "N. ");
    EXPECT_TRUE(read.shapes.empty());
    EXPECT_EQ(read.margins, Margins{});
    // A picture whose bytes are no image keeps no type, so nothing tries to draw it.
    std::ofstream(dir.path() / "odd.LST") << R"({"format": "vantorima-layout", "version": 2,
        "shapes": [{"kind": "image", "imageType": "png", "image": "bm90IGFuIGltYWdl"}]})";
    ASSERT_EQ(LoadLayout(dir.path() / "odd.LST", read), LayoutLoad::Loaded);
    ASSERT_EQ(read.shapes.size(), 1u);
    EXPECT_EQ(read.shapes[0].imageType, "");
}

TEST(LayoutObjectsFile, SvgAndPngLogosAndFilledBoxesAreDrawnWhereTheyLie) {
    Shape svg;
    svg.kind = ShapeKind::Image;
    svg.image = R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10">)"
                R"(<rect width="20" height="10" fill="#b01c1c"/></svg>)";
    svg.imageType = ImageTypeOf(svg.image);
    ASSERT_EQ(svg.imageType, "svg");
    svg.x = 10;
    svg.y = 10;
    svg.width = 20;
    svg.height = 10;
    Shape png = svg;
    png.image = PngBytes();
    png.imageType = ImageTypeOf(png.image);
    png.x = 40;
    Shape box = svg;
    box.kind = ShapeKind::Rectangle;
    box.fill = "#2b7a3d";
    box.x = 70;
    QImage page(100, 30, QImage::Format_RGB32);   // 1 px to the millimetre
    page.fill(Qt::white);
    QPainter painter(&page);
    for (const Shape& s : {svg, png, box}) PaintShape(painter, s, 1.0, {});
    painter.end();
    EXPECT_EQ(page.pixelColor(20, 15), QColor("#b01c1c"));
    EXPECT_EQ(page.pixelColor(50, 15), QColor(30, 80, 160));
    EXPECT_EQ(page.pixelColor(80, 15), QColor("#2b7a3d"));
    EXPECT_EQ(page.pixelColor(35, 15), QColor(Qt::white));
}

} // namespace
