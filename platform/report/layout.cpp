#include "report/layout.h"

namespace report {

double LineHeight(double fontSize) {
    // One point is 25.4/72 mm; a third more leaves room between lines.
    return fontSize * 25.4 / 72.0 * 1.35;
}

const char* FormatName(ValueFormat format) {
    switch (format) {
    case ValueFormat::Text: return "text";
    case ValueFormat::Amount: return "amount";
    case ValueFormat::Date: return "date";
    case ValueFormat::Auto: break;
    }
    return "auto";
}

ValueFormat FormatFromName(const std::string& name) {
    if (name == "text") return ValueFormat::Text;
    if (name == "amount") return ValueFormat::Amount;
    if (name == "date") return ValueFormat::Date;
    return ValueFormat::Auto;
}

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
