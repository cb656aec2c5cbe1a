#pragma once
// A print layout: the page part (variables and fixed texts placed on the
// page, output on every page) over a table whose lines show the fields.
// Lengths are millimetres from the paper's top left corner; font sizes are
// points.
#include <string>
#include <vector>

namespace report {

// How a value is written on paper.
enum class ValueFormat {
    Auto,     // by the declared type: dates as dates, Booleans as Sì/No, numbers with a decimal comma
    Text,     // the contents as declared
    Amount,   // a number with two decimals and thousands points: 1.234,50
    Date,     // a date serial number as dd/mm/yyyy
};

enum class ItemKind { Variable, Text };

enum class Align { Left, Center, Right };

struct HeaderItem {
    ItemKind kind = ItemKind::Variable;
    std::string source;       // the variable's name, or the text itself
    std::string caption;      // written before a variable's value ("Cliente: ")
    double x = 10;
    double y = 10;
    double width = 90;
    double fontSize = 10;
    bool bold = false;
    ValueFormat format = ValueFormat::Auto;

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

struct LineTable {
    double left = 10;
    double top = 100;         // the column titles start here
    double bottom = 280;      // no line may end below this
    double fontSize = 9;
    std::vector<TableColumn> columns;

    bool operator==(const LineTable&) const = default;
};

struct Layout {
    double pageWidth = 210;   // A4 portrait
    double pageHeight = 297;
    std::vector<HeaderItem> header;
    LineTable table;

    bool operator==(const Layout&) const = default;
};

// Height of one line of text at a font size, in millimetres (with its leading).
double LineHeight(double fontSize);

// Names and parsing of the formats and alignments as the layout file and
// the designer write them.
const char* FormatName(ValueFormat format);
ValueFormat FormatFromName(const std::string& name);   // unknown: Auto
const char* AlignName(Align align);
Align AlignFromName(const std::string& name);          // unknown: Left

} // namespace report
