#include "report/composer/composer.h"

#include <algorithm>

#include "report/composer/page_objects.h"
#include "report/composer/value_format.h"
#include "report/model/report_codes.h"

namespace report {

namespace {

constexpr double kCellPadding = 1.0;

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

void Composer::PlaceItem(Page& page, const HeaderItem& item, double top, const DefinitionList& variables) {
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
    // A box without a height keeps its text on one line.
    const double maxHeight = item.height > 0 ? item.height : -1;
    FittedCell cell = FitValue(text, shown, QRectF(item.x, top + item.y, item.width, ItemHeight(item)), maxHeight,
                               style);
    if (cell.overflow) overflows_.push_back({item.kind == ItemKind::Count ? "righe" : item.source, text});
    for (PageText& t : cell.texts) {
        t.italic = item.italic;
        t.family = QString::fromStdString(item.fontFamily);
        page.texts.push_back(std::move(t));
    }
}

double Composer::PlaceTitles(Page& page) {
    const LineTable& table = layout_.table;
    const CellStyle style{table.fontSize, true, Align::Left};
    double height = LineHeight(table.fontSize);
    double x = table.left;
    for (const TableColumn& column : table.columns) {
        CellStyle titleStyle = style;
        titleStyle.align = column.align;
        FittedCell cell = WrapIntoBox(QString::fromStdString(column.title), QPointF(x + kCellPadding, table.top),
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
    for (const HeaderItem& item : layout_.header) PlaceItem(page, item, 0, variables);
    const LineTable& table = layout_.table;
    double titleHeight = 0;
    if (!table.columns.empty()) {
        titleHeight = PlaceTitles(page);
        const double right = table.left + TableWidth();
        page.rules.push_back({QLineF(table.left, table.top, right, table.top), 0.3});
        page.rules.push_back({QLineF(table.left, table.top + titleHeight, right, table.top + titleHeight), 0.3});
    }
    nextLine_ = table.top + titleHeight + 0.8;
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
    if (nextLine_ + height > table.bottom && linesOnPage_ > 0) return false;
    Page& page = pages_.back();
    for (FittedCell& cell : cells)
        for (PageText& t : cell.texts) page.texts.push_back(std::move(t));
    overflows_.insert(overflows_.end(), cut.begin(), cut.end());
    nextLine_ += height;
    ++linesOnPage_;
    CountLine(fields);
    return true;
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
