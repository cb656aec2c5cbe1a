#pragma once
// A print layout: the page part (variables and fixed texts placed on the
// page, output on every page) over a table whose lines show the fields.
// Lengths are millimetres from the paper's top left corner; font sizes are
// points.
#include <string>
#include <vector>

#include "report/model/shape.h"

namespace report {

// How a value is written on paper.
enum class ValueFormat {
    Auto,     // by the declared type: dates as dates, Booleans as Sì/No, numbers with a decimal comma
    Text,     // the contents as declared
    Amount,   // a number with thousands points and two decimals, up to four when it has them: 1.234,50 9,8765
    Date,     // a date serial number as dd/mm/yyyy, with hh:mm when it holds a time
    Number,   // a number with the decimal comma, as many decimals as it has
    YesNo,    // a Boolean (or a number, 0 being false) as Sì or No
};

// What an item shows: a variable's value, a fixed text, or, in the table's
// footer only, the sum of a field over the document's lines or their count;
// "Pagina N di M" or the day of printing, after the caption.
enum class ItemKind { Variable, Text, Sum, Count, PageNumber, PrintDate };

enum class Orientation { Portrait, Landscape };

enum class Align { Left, Center, Right };

struct HeaderItem {
    ItemKind kind = ItemKind::Variable;
    std::string source = {};  // the variable's name, or the text itself
    std::string caption = {}; // written before a variable's value ("Cliente: ")
    double x = 10;
    double y = 10;
    double width = 90;
    double fontSize = 10;
    bool bold = false;
    ValueFormat format = ValueFormat::Auto;
    Align align = Align::Left;
    double height = 0;        // 0: one line; otherwise the text wraps inside this height
    std::string fontFamily = {};   // empty: the engine's own
    bool italic = false;

    bool operator==(const HeaderItem&) const = default;
};

struct TableColumn {
    std::string field;
    std::string title;
    double width = 25;
    Align align = Align::Left;
    ValueFormat format = ValueFormat::Auto;

    bool operator==(const TableColumn&) const = default;
};

// The room a table cell leaves on each side of its text, in millimetres.
inline constexpr double kCellPadding = 1.0;

struct LineTable {
    double left = 10;
    double top = 100;         // the column titles start here
    double bottom = 280;      // no line may end below this
    double fontSize = 9;
    std::vector<TableColumn> columns;
    // Printed once after the last line; each item's y is measured from the
    // footer's top (the rule under the last line).
    std::vector<HeaderItem> footer;

    bool operator==(const LineTable&) const = default;
};

// Paper sides a layout may ask for, in millimetres.
inline constexpr double kMinPaperSide = 50;
inline constexpr double kMaxPaperSide = 1000;

struct Layout {
    // The page as it is read: a landscape page is wider than high.
    double pageWidth = 210;   // A4 portrait
    double pageHeight = 297;
    std::vector<HeaderItem> header;
    LineTable table;
    std::vector<Shape> shapes;
    Margins margins;
    // The room inside the margins that the font and image sizes were chosen
    // for, kept while the layout lies on another paper so that the way back
    // gives them again; 0: the room of this paper.
    double designWidth = 0;
    double designHeight = 0;

    bool operator==(const Layout&) const = default;
};

Orientation PageOrientation(const Layout& layout);
// The page from a paper's sides, in either order, turned as asked.
void SetPaper(Layout& layout, double side1, double side2, Orientation orientation);
// Why the page cannot be printed (a side outside 50-1000 mm), or empty.
std::string PaperProblem(const Layout& layout);

// The box an item's text has: its height, or one line.
double ItemHeight(const HeaderItem& item);
// The footer's height: down to the lowest edge of its items.
double FooterHeight(const LineTable& table);

// Height of one line of text at a font size, in millimetres (with its leading).
double LineHeight(double fontSize);

// Names and parsing of the formats and alignments as the layout file and
// the designer write them.
const char* FormatName(ValueFormat format);
ValueFormat FormatFromName(const std::string& name);   // unknown: Auto
const char* KindName(ItemKind kind);
ItemKind KindFromName(const std::string& name);        // unknown: Variable
const char* AlignName(Align align);
Align AlignFromName(const std::string& name);          // unknown: Left

} // namespace report
