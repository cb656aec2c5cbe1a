// A layout read from a file whose values lie off the paper or have no size:
// its objects brought back where they show.
#include <algorithm>

#include "report/model/layout_edits.h"

namespace report {

namespace {

constexpr double kLeastText = 50;     // a text narrower than 1 mm gets this width, as a new one
constexpr double kLeastSide = 5;      // and a drawn object's side
constexpr double kLeastColumn = 15;   // and a column narrower than the least

class Fitter {
public:
    explicit Fitter(Layout& layout) : layout_(layout) {}
    int Count() const { return count_; }
    int Widened() const { return widened_; }

    void Set(double& value, double wanted) {
        if (value == wanted) return;
        value = wanted;
        ++count_;
    }
    void Noted() { ++count_; }
    // A width under the least usable one, raised.
    void Widen(double& value, double least, double usable) {
        if (value >= least) return;
        Set(value, usable);
        ++widened_;
    }
    void Within(double& value, double low, double high) { Set(value, std::clamp(value, low, std::max(low, high))); }

    void Item(HeaderItem& item, bool footer) {
        Widen(item.width, 1, std::min(kLeastText, layout_.pageWidth));
        Within(item.width, 1, layout_.pageWidth);
        Within(item.x, 0, layout_.pageWidth - item.width);
        if (!footer) Within(item.y, 0, layout_.pageHeight - ItemHeight(item));
    }

    void Drawn(Shape& s) {
        if (s.kind == ShapeKind::Line) {
            if (s.width == 0 && s.height == 0) Widen(s.width, 1, kLeastSide);
        } else {
            Widen(s.width, 1, kLeastSide);
            Widen(s.height, 1, kLeastSide);
            Within(s.width, 1, layout_.pageWidth);
            Within(s.height, 1, layout_.pageHeight);
        }
        // A line may run left or up from its start: its whole box comes onto the paper.
        const double left = std::min(s.x, s.x + s.width);
        const double top = std::min(s.y, s.y + s.height);
        double newLeft = left;
        double newTop = top;
        Within(newLeft, 0, layout_.pageWidth - std::abs(s.width));
        Within(newTop, 0, layout_.pageHeight - std::abs(s.height));
        s.x += newLeft - left;
        s.y += newTop - top;
    }

private:
    Layout& layout_;
    int count_ = 0;
    int widened_ = 0;
};

} // namespace

int BringIntoPage(Layout& layout, int* widened) {
    Fitter fit(layout);
    for (HeaderItem& item : layout.header) fit.Item(item, false);
    for (HeaderItem& item : layout.table.footer) fit.Item(item, true);
    for (Shape& shape : layout.shapes) fit.Drawn(shape);
    LineTable& table = layout.table;
    fit.Within(table.left, 0, layout.pageWidth - kMinColumnWidth);
    for (TableColumn& column : table.columns)
        fit.Widen(column.width, kMinColumnWidth, kLeastColumn);
    if (TableRight(table) > layout.pageWidth) {
        FitColumns(layout);
        fit.Noted();   // the table's width, as one value
    }
    if (widened) *widened = fit.Widened();
    return fit.Count();
}

} // namespace report
