#include "report/model/layout.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace report {

double LineHeight(double fontSize) {
    // One point is 25.4/72 mm; a third more leaves room between lines.
    return fontSize * 25.4 / 72.0 * 1.35;
}

Orientation PageOrientation(const Layout& layout) {
    return layout.pageWidth > layout.pageHeight ? Orientation::Landscape : Orientation::Portrait;
}

void SetPaper(Layout& layout, double side1, double side2, Orientation orientation) {
    const double shorter = std::min(side1, side2);
    const double longer = std::max(side1, side2);
    const bool landscape = orientation == Orientation::Landscape;
    layout.pageWidth = landscape ? longer : shorter;
    layout.pageHeight = landscape ? shorter : longer;
}

std::string PaperProblem(const Layout& layout) {
    for (const double side : {layout.pageWidth, layout.pageHeight}) {
        if (std::isfinite(side) && side >= kMinPaperSide && side <= kMaxPaperSide) continue;
        std::ostringstream reason;
        reason << "foglio di " << layout.pageWidth << " x " << layout.pageHeight << " mm (ammessi da "
               << kMinPaperSide << " a " << kMaxPaperSide << " mm per lato)";
        return reason.str();
    }
    return {};
}

double ItemHeight(const HeaderItem& item) {
    return item.height > 0 ? item.height : LineHeight(item.fontSize);
}

double FooterHeight(const LineTable& table) {
    double bottom = 0;
    for (const HeaderItem& item : table.footer) bottom = std::max(bottom, item.y + ItemHeight(item));
    return bottom;
}

namespace {

constexpr std::pair<ValueFormat, const char*> kFormatNames[] = {
    {ValueFormat::Auto, "auto"},     {ValueFormat::Text, "text"},     {ValueFormat::Amount, "amount"},
    {ValueFormat::Date, "date"},     {ValueFormat::Number, "number"}, {ValueFormat::YesNo, "yesno"},
};

constexpr std::pair<ItemKind, const char*> kKindNames[] = {
    {ItemKind::Variable, "variable"}, {ItemKind::Text, "text"}, {ItemKind::Sum, "sum"}, {ItemKind::Count, "count"},
    {ItemKind::PageNumber, "pageNumber"}, {ItemKind::PrintDate, "printDate"},
};

// A name from a table of pairs, or the first entry's value for an unknown one.
template <class Enum, std::size_t N>
Enum FromName(const std::pair<Enum, const char*> (&names)[N], const std::string& name) {
    for (const auto& [value, text] : names)
        if (name == text) return value;
    return names[0].first;
}

template <class Enum, std::size_t N>
const char* NameOf(const std::pair<Enum, const char*> (&names)[N], Enum value) {
    for (const auto& [v, text] : names)
        if (v == value) return text;
    return names[0].second;
}

} // namespace

const char* FormatName(ValueFormat format) { return NameOf(kFormatNames, format); }
ValueFormat FormatFromName(const std::string& name) { return FromName(kFormatNames, name); }
const char* KindName(ItemKind kind) { return NameOf(kKindNames, kind); }
ItemKind KindFromName(const std::string& name) { return FromName(kKindNames, name); }

const char* AlignName(Align align) {
    switch (align) {
    case Align::Center: return "center";
    case Align::Right: return "right";
    case Align::Left: break;
    }
    return "left";
}

Align AlignFromName(const std::string& name) {
    if (name == "center") return Align::Center;
    if (name == "right") return Align::Right;
    return Align::Left;
}

} // namespace report
