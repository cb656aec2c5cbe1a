// A layout read from a file whose values lie off the paper or have no size:
// its objects brought back where they show.
#include <algorithm>

#include "report/model/layout_edits.h"

namespace report {

namespace {

constexpr double kLeastText = 10;     // a text narrower than 1 mm gets this width
constexpr double kLeastSide = 5;      // and a drawn object's side
constexpr double kLeastColumn = 15;   // and a column narrower than the least

class Fitter {
public:
    explicit Fitter(Layout& layout) : layout_(layout) {}
    int Count() const { return count_; }

    void Set(double& value, double wanted) {
        if (value == wanted) return;
        value = wanted;
        ++count_;
    }
    void Noted() { ++count_; }
    void Within(double& value, double low, double high) { Set(value, std::clamp(value, low, std::max(low, high))); }

    void Item(HeaderItem& item, bool footer) {
        if (item.width < 1) Set(item.width, kLeastText);
        Within(item.width, 1, layout_.pageWidth);
        Within(item.x, 0, layout_.pageWidth - item.width);
        if (!footer) Within(item.y, 0, layout_.pageHeight - ItemHeight(item));
    }

    void Drawn(Shape& s) {
        if (s.kind == ShapeKind::Line) {
            if (s.width == 0 && s.height == 0) Set(s.width, kLeastSide);
        } else {
            if (s.width < 1) Set(s.width, kLeastSide);
            if (s.height < 1) Set(s.height, kLeastSide);
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
};

} // namespace

int BringIntoPage(Layout& layout) {
    Fitter fit(layout);
    for (HeaderItem& item : layout.header) fit.Item(item, false);
    for (HeaderItem& item : layout.table.footer) fit.Item(item, true);
    for (Shape& shape : layout.shapes) fit.Drawn(shape);
    LineTable& table = layout.table;
    fit.Within(table.left, 0, layout.pageWidth - kMinColumnWidth);
    for (TableColumn& column : table.columns)
        if (column.width < kMinColumnWidth) fit.Set(column.width, kLeastColumn);
    if (ColumnLeft(table, static_cast<int>(table.columns.size())) > layout.pageWidth) {
        FitColumns(layout);
        fit.Noted();   // the table's width, as one value
    }
    return fit.Count();
}

} // namespace report
