#pragma once
// How one value goes into its box on the page: text wraps onto more lines,
// a number shrinks down to a legible size, and what still does not fit is
// marked on paper and reported, never silently cut.
#include <vector>

#include "report/composer/page_content.h"

namespace report {

struct CellStyle {
    double fontSize = 10;
    bool bold = false;
    Align align = Align::Left;
};

struct FittedCell {
    std::vector<PageText> texts;  // one per line
    double height = 0;            // what the lines take
    bool overflow = false;        // something is marked or left out
};

// What a value that cannot be shown whole prints instead.
inline constexpr const char* kOverflowMark = "###";

// Text in lines inside width, from the box's top left corner, broken between
// words at the largest size (down to kMinFontSize) that keeps each word whole. With
// maxHeight > 0 the lines beyond it are left out (overflow).
FittedCell WrapIntoBox(const QString& text, QPointF topLeft, double width, double maxHeight, const CellStyle& style);

// A value that must stay on one line (an amount, a number, a date, a text
// in a box of one line): shrunk to fit; a number that does not fit even at
// the smallest size shows the overflow mark, a text is cut with "…".
FittedCell ShrinkIntoBox(const QString& text, const QRectF& box, const CellStyle& style, bool number);

} // namespace report
