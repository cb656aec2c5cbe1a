#include "report/composer/composer.h"

#include <algorithm>

#include "report/composer/page_objects.h"
#include "report/composer/value_format.h"
#include "report/model/report_codes.h"

namespace report {

namespace {

ValueFormat Shown(const Definition* value, ValueFormat format) {
    if (format != ValueFormat::Auto) return format;
    return value ? ResolvedFormat(*value) : ValueFormat::Text;
}

} // namespace

Composer::Composer(Layout layout) : layout_(std::move(layout)) {
    for (const HeaderItem& item : layout_.table.footer)
        if (item.kind == ItemKind::Sum) sums_.push_back({item.source, {}, ColumnType::Unknown});
}

double Composer::TableWidth() const {
    double width = 0;
    for (const TableColumn& c : layout_.table.columns) width += c.width;
    return std::min(width, layout_.pageWidth - layout_.table.left);
}

const Definition* Composer::Lookup(const DefinitionList& list, const std::string& name) {
    const Definition* found = list.Find(name);
    if (!found && std::find(missing_.begin(), missing_.end(), name) == missing_.end()) missing_.push_back(name);
    return found;
}

FittedCell Composer::FitValue(const QString& text, ValueFormat shown, const QRectF& box, double maxHeight,
                              const CellStyle& style) const {
    // Only text wraps; an amount, a number, a date or Sì/No stays whole on one line.
    const bool wraps = shown == ValueFormat::Text || shown == ValueFormat::Auto;
    const QRectF onPage(box.x(), box.y(), std::max(0.0, std::min(box.width(), layout_.pageWidth - box.x())),
                        box.height());
    if (wraps && maxHeight >= 0) return WrapIntoBox(text, onPage.topLeft(), onPage.width(), maxHeight, style);
    return ShrinkIntoBox(text, onPage, style, !wraps);
}

double Composer::PlaceItem(Page& page, const HeaderItem& item, double top, const DefinitionList& variables,
                           bool grows) {
    QString text;
    ValueFormat shown = ValueFormat::Text;
    if (item.kind == ItemKind::Text) {
        text = QString::fromStdString(item.source);
    } else if (item.kind == ItemKind::PageNumber) {
        text = PageNumberText(QString::fromStdString(item.caption));
    } else if (item.kind == ItemKind::PrintDate) {
        text = QString::fromStdString(item.caption) + PrintDateText();
    } else {
        const Definition footerValue = item.kind == ItemKind::Variable ? Definition{} : FooterValue(item);
        const Definition* value =
            item.kind == ItemKind::Variable ? Lookup(variables, item.source) : &footerValue;
        text = QString::fromStdString(item.caption) + FormatValue(value, item.format);
        shown = Shown(value, item.format);
    }
    const CellStyle style{item.fontSize, item.bold, item.align};
    // A text variable of the page part (a note, a memo) wraps whole and its
    // box grows downward; elsewhere a box without a height keeps its text
    // on one line.
    const bool wholeText = grows && item.kind == ItemKind::Variable && shown == ValueFormat::Text;
    const double maxHeight = wholeText ? 0 : item.height > 0 ? item.height : -1;
    FittedCell cell = FitValue(text, shown, QRectF(item.x, top + item.y, item.width, ItemHeight(item)), maxHeight,
                               style);
    if (cell.overflow) overflows_.push_back({item.kind == ItemKind::Count ? "righe" : item.source, text});
    for (PageText& t : cell.texts) {
        t.italic = item.italic;
        t.family = QString::fromStdString(item.fontFamily);
        page.texts.push_back(std::move(t));
    }
    return wholeText ? std::max(0.0, cell.height - ItemHeight(item)) : 0;
}

void Composer::PlaceHeader(Page& page, const DefinitionList& variables) {
    // Top down, so that what a grown box pushes down is known when placed.
    std::vector<const HeaderItem*> items;
    for (const HeaderItem& item : layout_.header) items.push_back(&item);
    std::stable_sort(items.begin(), items.end(), [](const HeaderItem* a, const HeaderItem* b) { return a->y < b->y; });
    struct Grown {
        double bottom;   // as laid out
        double left, right;
        double extra;
    };
    std::vector<Grown> grown;
    // What stands below a grown box, across the same width, moves down with it.
    const auto pushedDown = [&](double y, double left, double right) {
        double shift = 0;
        for (const Grown& g : grown)
            if (y >= g.bottom - 0.01 && left < g.right && right > g.left) shift += g.extra;
        return shift;
    };
    for (const HeaderItem* item : items) {
        // The page's foot (page number, print date) stays where it is.
        const double shift =
            item->y >= layout_.table.bottom ? 0 : pushedDown(item->y, item->x, item->x + item->width);
        const double extra = PlaceItem(page, *item, shift, variables, true);
        if (extra > 0) grown.push_back({item->y + ItemHeight(*item), item->x, item->x + item->width, extra});
    }
    tableTop_ = layout_.table.top + pushedDown(layout_.table.top, layout_.table.left,
                                               layout_.table.left + std::max(TableWidth(), 1.0));
}

double Composer::PlaceTitles(Page& page) {
    const LineTable& table = layout_.table;
    const CellStyle style{table.fontSize, true, Align::Left};
    double height = LineHeight(table.fontSize);
    double x = table.left;
    for (const TableColumn& column : table.columns) {
        CellStyle titleStyle = style;
        titleStyle.align = column.align;
        FittedCell cell = WrapIntoBox(QString::fromStdString(column.title), QPointF(x + kCellPadding, tableTop_),
                                      std::max(1.0, column.width - 2 * kCellPadding), 0, titleStyle);
        height = std::max(height, cell.height);
        for (PageText& t : cell.texts) page.texts.push_back(std::move(t));
        x += column.width;
    }
    return height;
}

void Composer::OutputPageObjects(const DefinitionList& variables) {
    CloseTable();
    pages_.emplace_back();
    Page& page = pages_.back();
    page.width = layout_.pageWidth;
    page.height = layout_.pageHeight;
    page.shapes = layout_.shapes;
    PlaceHeader(page, variables);
    const LineTable& table = layout_.table;
    double titleHeight = 0;
    if (!table.columns.empty()) {
        titleHeight = PlaceTitles(page);
        const double right = table.left + TableWidth();
        page.rules.push_back({QLineF(table.left, tableTop_, right, tableTop_), 0.3});
        page.rules.push_back({QLineF(table.left, tableTop_ + titleHeight, right, tableTop_ + titleHeight), 0.3});
    }
    nextLine_ = tableTop_ + titleHeight + 0.8;
    firstLine_ = nextLine_;
    linesOnPage_ = 0;
    tableOpen_ = true;
}

bool Composer::OutputLine(const DefinitionList& fields) {
    if (pages_.empty() || !tableOpen_) return false;
    const LineTable& table = layout_.table;
    if (table.columns.empty()) {
        CountLine(fields);
        return true;
    }
    if (!rest_.empty()) {
        // The rows of a line that did not end on the page before.
        std::vector<PageText> rest = std::move(rest_);
        rest_.clear();
        for (PageText& t : rest) t.rect.translate(0, nextLine_);
        return PlaceRows(std::move(rest), restHeight_);
    }
    std::vector<FittedCell> cells;
    std::vector<Overflow> cut;
    double height = LineHeight(table.fontSize);
    double x = table.left;
    for (const TableColumn& column : table.columns) {
        const Definition* value = Lookup(fields, column.field);
        const QString text = FormatValue(value, column.format);
        const QRectF box(x + kCellPadding, nextLine_, column.width - 2 * kCellPadding, LineHeight(table.fontSize));
        cells.push_back(FitValue(text, Shown(value, column.format), box, 0, {table.fontSize, false, column.align}));
        if (cells.back().overflow) cut.push_back({column.field, text});
        height = std::max(height, cells.back().height);
        x += column.width;
    }
    // A line that an empty page would hold goes there whole; a taller one starts here.
    if (nextLine_ + height > table.bottom && linesOnPage_ > 0 && firstLine_ + height <= table.bottom) return false;
    std::vector<PageText> rows;
    for (FittedCell& cell : cells)
        for (PageText& t : cell.texts) rows.push_back(std::move(t));
    overflows_.insert(overflows_.end(), cut.begin(), cut.end());
    CountLine(fields);
    return PlaceRows(std::move(rows), height);
}

bool Composer::PlaceRows(std::vector<PageText> rows, double height) {
    Page& page = pages_.back();
    const double bottom = layout_.table.bottom;
    // A line too tall for the room ends here with the rows that fit (on an
    // empty page at least one, so that every page moves on), and the rest
    // continues on the next page, below the repeated titles.
    double cut = nextLine_ + height;
    if (cut > bottom + 0.01) {
        double firstRow = cut;
        for (const PageText& t : rows) firstRow = std::min(firstRow, t.rect.bottom());
        cut = linesOnPage_ > 0 ? bottom : std::max(bottom, firstRow);
    }
    double restTop = nextLine_ + height;
    for (PageText& t : rows) {
        if (t.rect.bottom() <= cut + 0.01) page.texts.push_back(std::move(t));
        else {
            restTop = std::min(restTop, t.rect.top());
            rest_.push_back(std::move(t));
        }
    }
    ++linesOnPage_;
    if (rest_.empty()) {
        nextLine_ += height;
        return true;
    }
    for (PageText& t : rest_) t.rect.translate(0, -restTop);
    restHeight_ = nextLine_ + height - restTop;
    nextLine_ = cut;
    return false;
}

void Composer::CountLine(const DefinitionList& fields) {
    ++lineCount_;
    for (Sum& sum : sums_) {
        const Definition* value = Lookup(fields, sum.field);
        if (!value) continue;
        sum.column = value->column;
        if (const std::optional<Decimal> n = DecimalOf(TypedValue(*value))) sum.total.Add(*n);
    }
}

Definition Composer::FooterValue(const HeaderItem& item) const {
    Definition footer;
    footer.type = kFieldTypeNumeric;
    if (item.kind == ItemKind::Count) {
        footer.contents = std::to_string(lineCount_);
        footer.column = ColumnType::Integer;
        footer.value.kind = FieldValue::Kind::Integer;
        footer.value.integer = lineCount_;
        return footer;
    }
    for (const Sum& sum : sums_) {
        if (sum.field != item.source) continue;
        footer.name = sum.field;
        footer.contents = sum.total.Text();
        // Money as money; other sums as numbers, whatever the total's own type.
        footer.column = sum.column == ColumnType::Unknown ? ColumnType::Number : sum.column;
        footer.value = sum.total.Total();
        return footer;
    }
    return {};
}

bool Composer::FinishLines(const DefinitionList& variables, const DefinitionList& fields) {
    if (pages_.empty()) return true;
    // A sum over no line still prints in its column's format (money as 0,00).
    for (Sum& sum : sums_)
        if (const Definition* f = sum.column == ColumnType::Unknown ? fields.Find(sum.field) : nullptr)
            sum.column = f->column;
    if (footerOnNextPage_) {
        footerOnNextPage_ = false;
        OutputPageObjects(variables);
        CloseTable();
        PlaceFooter(variables, nextLine_ + 1);
        return true;
    }
    if (!tableOpen_) return true;
    CloseTable();
    const LineTable& table = layout_.table;
    if (table.footer.empty()) return true;
    const double top = nextLine_ + 1.5;
    if (top + FooterHeight(table) > table.bottom && linesOnPage_ > 0) {
        footerOnNextPage_ = true;
        return false;
    }
    PlaceFooter(variables, top);
    return true;
}

void Composer::PlaceFooter(const DefinitionList& variables, double top) {
    pages_.back().footerTop = top;
    for (const HeaderItem& item : layout_.table.footer) PlaceItem(pages_.back(), item, top, variables);
}

std::vector<std::string> Composer::Warnings() const {
    std::vector<std::string> warnings;
    const LineTable& table = layout_.table;
    if (layout_.header.empty() && table.columns.empty() && table.footer.empty())
        warnings.emplace_back("il modulo non contiene elementi da stampare");
    if (!missing_.empty()) {
        std::string names;
        for (const std::string& name : missing_) names += (names.empty() ? "" : ", ") + name;
        warnings.push_back("nomi che i dati del documento non hanno: " + names);
    }
    for (const Overflow& o : overflows_)
        warnings.push_back(o.name + ": il valore \"" + o.value.toStdString() + "\" non entra nella sua casella");
    return warnings;
}

void Composer::CloseTable() {
    if (!tableOpen_ || pages_.empty()) return;
    tableOpen_ = false;
    if (layout_.table.columns.empty()) return;
    const double y = nextLine_ + 0.5;
    pages_.back().rules.push_back({QLineF(layout_.table.left, y, layout_.table.left + TableWidth(), y), 0.3});
}

} // namespace report
