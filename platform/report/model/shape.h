#pragma once
// Drawn objects of the page part: lines, rectangles (frames, boxes) and
// images such as a logo. They lie under the texts, in their list's order.
// Lengths are millimetres from the paper's top left corner.
#include <string>

namespace report {

enum class ShapeKind { Line, Rectangle, Image };

struct Shape {
    ShapeKind kind = ShapeKind::Rectangle;
    double x = 10;
    double y = 10;
    // A line runs from (x, y) to (x + width, y + height): a horizontal line
    // has no height, a vertical one no width.
    double width = 40;
    double height = 20;
    double lineWidth = 0.3;             // 0: no border
    std::string lineColor = "#000000";
    std::string fill = {};              // "#rrggbb", empty for none
    double radius = 0;                  // rounded corners of a rectangle
    std::string imageType = {};         // "png", "jpeg" or "svg"
    std::string image = {};             // the image file's bytes, kept inside the layout

    bool operator==(const Shape&) const = default;
};

// The empty band the designer keeps free around the page; objects may still
// be placed in it (a page number at the foot, say).
struct Margins {
    double left = 10;
    double top = 10;
    double right = 10;
    double bottom = 10;

    bool operator==(const Margins&) const = default;
};

// The image type of a file's bytes by their signature; empty when none of
// the three kinds a layout keeps.
std::string ImageTypeOf(const std::string& bytes);

} // namespace report
