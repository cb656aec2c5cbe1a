#include "report/composer/composer.h"

#include <algorithm>

#include "report/composer/flowing_rows.h"
#include "report/composer/page_objects.h"
#include "report/composer/value_format.h"
#include "report/model/report_codes.h"

namespace report {

Composer::Composer(Layout layout)
    : layout_(std::move(layout)), growth_(layout_.header.size(), Growth::Unknown), headerRest_(layout_.header.size()) {
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

FittedCell Composer::FitItem(const HeaderItem& item, double top, const DefinitionList& variables, bool grows,
                            bool* wraps) {
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
        shown = ShownFormat(value, item.format);
    }
    const CellStyle style{item.fontSize, item.bold, item.align};
    // A text variable (a note, a memo) wraps whole and its box grows
    // downward; elsewhere a box without a height keeps its text on one line.
    const bool wholeText = grows && item.kind == ItemKind::Variable && shown == ValueFormat::Text;
    if (wraps) *wraps = wholeText;
    const double maxHeight = wholeText ? 0 : item.height > 0 ? item.height : -1;
    FittedCell cell = FitValue(text, shown, QRectF(item.x, top + item.y, item.width, ItemHeight(item)), maxHeight,
                               style);
    if (cell.overflow) overflows_.push_back({item.kind == ItemKind::Count ? "righe" : item.source, text});
    for (PageText& t : cell.texts) {
        t.italic = item.italic;
        t.family = QString::fromStdString(item.fontFamily);
    }
    return cell;
}

void Composer::PlaceHeader(Page& page, const DefinitionList& variables) {
    // Top down, so that what a grown box pushes down is known when placed.
    std::vector<std::size_t> items;
    for (std::size_t i = 0; i < layout_.header.size(); ++i) items.push_back(i);
    std::stable_sort(items.begin(), items.end(), [&](std::size_t a, std::size_t b) {
        return layout_.header[a].y < layout_.header[b].y;
    });
    const double tableBottom = layout_.table.bottom;
    PushDown pushed;
    pagePartContinues_ = false;
    for (const std::size_t i : items) {
        const HeaderItem& item = layout_.header[i];
        // The page's foot (page number, print date) stays where it is.
        const bool foot = item.y >= tableBottom;
        const double shift = foot ? 0 : pushed.ShiftAt(item.y, item.x, item.x + item.width);
        const double limit = foot ? layout_.pageHeight - layout_.margins.bottom : tableBottom;
        Growth& growth = growth_[i];
        if (growth == Growth::Done) continue;   // printed whole on the pages before
        std::vector<PageText> rows;
        if (growth == Growth::Continues) {
            rows = std::move(headerRest_[i]);
            MoveRows(rows, item.y + shift);
        } else {
            bool wraps = false;
            FittedCell cell = FitItem(item, shift, variables, true, &wraps);
            if (!wraps || cell.height <= ItemHeight(item) + 0.01) {
                growth = Growth::Fits;
                // Pushed out of the page part's room: on a later page, where nothing pushes it.
                if (shift > 0 && item.y + shift + ItemHeight(item) > limit + 0.01) {
                    pagePartContinues_ = true;
                    continue;
                }
                for (PageText& t : cell.texts) page.texts.push_back(std::move(t));
                continue;
            }
            rows = std::move(cell.texts);
        }
        // A text that grows prints once: what fits here, the rest on the next page.
        std::vector<PageText> placed = TakeRowsAbove(rows, limit);
        if (placed.empty() && shift == 0) {
            Fail(item.source + ": il testo non trova spazio nella pagina");
            rows.clear();
        }
        growth = rows.empty() ? Growth::Done : Growth::Continues;
        pagePartContinues_ = pagePartContinues_ || !rows.empty();
        headerRest_[i] = std::move(rows);
        const double top = item.y + shift;
        if (!foot) pushed.Grew(item.y + ItemHeight(item), item.x, item.x + item.width,
                               RowsBottom(placed, top) - top - ItemHeight(item));
        for (PageText& t : placed) page.texts.push_back(std::move(t));
    }
    tableTop_ = layout_.table.top + pushed.ShiftAt(layout_.table.top, layout_.table.left,
                                                   layout_.table.left + std::max(TableWidth(), 1.0));
}

std::vector<PageText> Composer::Titles(double& height) const {
    const LineTable& table = layout_.table;
    const CellStyle style{table.fontSize, true, Align::Left};
    std::vector<PageText> titles;
    height = LineHeight(table.fontSize);
    double x = table.left;
    for (const TableColumn& column : table.columns) {
        CellStyle titleStyle = style;
        titleStyle.align = column.align;
        FittedCell cell = WrapIntoBox(QString::fromStdString(column.title), QPointF(x + kCellPadding, tableTop_),
                                      std::max(1.0, column.width - 2 * kCellPadding), 0, titleStyle);
        height = std::max(height, cell.height);
        for (PageText& t : cell.texts) titles.push_back(std::move(t));
        x += column.width;
    }
    return titles;
}

void Composer::OutputPageObjects(const DefinitionList& variables) {
    OpenPage(variables, true);
}

void Composer::OpenPage(const DefinitionList& variables, bool withTable) {
    CloseTable();
    pages_.emplace_back();
    Page& page = pages_.back();
    page.width = layout_.pageWidth;
    page.height = layout_.pageHeight;
    page.shapes = layout_.shapes;
    PlaceHeader(page, variables);
    const LineTable& table = layout_.table;
    double titleHeight = 0;
    std::vector<PageText> titles;
    if (!table.columns.empty()) titles = Titles(titleHeight);
    const double firstRow = LineHeight(table.fontSize);
    fullPageFirstLine_ = table.top + titleHeight + 0.8;
    nextLine_ = tableTop_ + titleHeight + 0.8;
    firstLine_ = nextLine_;
    linesOnPage_ = 0;
    tableOpen_ = withTable;
    // A page whose page part still grows, or left no room for a line, takes none.
    const bool lines = !table.columns.empty();
    const bool anyPageHasRoom = fullPageFirstLine_ + firstRow <= table.bottom + 0.01;
    if (lines && !anyPageHasRoom) Fail("la tabella del modulo non ha spazio per una riga sopra il suo fondo");
    tableDrawn_ = !pagePartContinues_ && (!lines || !anyPageHasRoom || nextLine_ + firstRow <= table.bottom + 0.01);
    if (!withTable) nextLine_ = tableTop_;
    if (!tableDrawn_ || !withTable || table.columns.empty()) return;
    for (PageText& t : titles) page.texts.push_back(std::move(t));
    const double right = table.left + TableWidth();
    page.rules.push_back({QLineF(table.left, tableTop_, right, tableTop_), 0.3});
    page.rules.push_back({QLineF(table.left, tableTop_ + titleHeight, right, tableTop_ + titleHeight), 0.3});
}

bool Composer::OutputLine(const DefinitionList& fields) {
    if (pages_.empty() || !tableOpen_) return false;
    const LineTable& table = layout_.table;
    if (table.columns.empty()) {
        CountLine(fields);
        return true;
    }
    if (!tableDrawn_) return false;
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
        cells.push_back(
            FitValue(text, ShownFormat(value, column.format), box, 0, {table.fontSize, false, column.align}));
        if (cells.back().overflow) cut.push_back({column.field, text});
        height = std::max(height, cells.back().height);
        x += column.width;
    }
    // A line that a page of its own would hold goes there whole; a taller one
    // starts here. A page whose grown page part left less room is not one.
    const bool shortPage = firstLine_ > fullPageFirstLine_ + 0.01;
    if (nextLine_ + height > table.bottom && (linesOnPage_ > 0 || shortPage) &&
        fullPageFirstLine_ + height <= table.bottom)
        return false;
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
    if (finished_) return true;
    const bool newPage = newPageNext_;
    if (newPage) {
        newPageNext_ = false;
        OpenPage(variables, false);
    }
    CloseTable();
    if (!footerLaidOut_) {
        footerRest_ = LayOutFooter(variables, footerHead_);
        footerLaidOut_ = true;
    }
    // The page part still growing takes the pages before the footer's.
    if (!tableDrawn_) {
        newPageNext_ = true;
        return false;
    }
    if (footerRest_.empty()) {
        finished_ = true;
        return true;
    }
    const bool freshPage = newPage || (linesOnPage_ == 0 && firstLine_ <= fullPageFirstLine_ + 0.01);
    finished_ = PlaceFooter(nextLine_ + (newPage ? 1 : 1.5), freshPage);
    newPageNext_ = !finished_;
    return finished_;
}

std::vector<PageText> Composer::LayOutFooter(const DefinitionList& variables, double& head) {
    std::vector<const HeaderItem*> items;
    for (const HeaderItem& item : layout_.table.footer) items.push_back(&item);
    std::stable_sort(items.begin(), items.end(), [](const HeaderItem* a, const HeaderItem* b) { return a->y < b->y; });
    PushDown pushed;
    std::vector<PageText> rows;
    double firstGrown = -1;
    head = 0;
    for (const HeaderItem* item : items) {
        const double shift = pushed.ShiftAt(item->y, item->x, item->x + item->width);
        FittedCell cell = FitItem(*item, shift, variables, true);
        const double extra = cell.height - ItemHeight(*item);
        if (extra > 0.01 && firstGrown < 0) firstGrown = item->y;
        if (firstGrown < 0 || item->y < firstGrown) head = std::max(head, RowsBottom(cell.texts));
        pushed.Grew(item->y + ItemHeight(*item), item->x, item->x + item->width, extra);
        for (PageText& t : cell.texts) rows.push_back(std::move(t));
    }
    return rows;
}

bool Composer::PlaceFooter(double top, bool freshPage) {
    const double bottom = layout_.table.bottom;
    const double height = RowsBottom(footerRest_);
    const bool whole = top + height <= bottom + 0.01;
    // The footer starts under the last line when its head (the totals) fits
    // there; a text that grows after it continues on the next page.
    if (!whole && !freshPage && top + footerHead_ > bottom + 0.01) return false;
    std::vector<PageText> rows = std::move(footerRest_);
    MoveRows(rows, top);
    std::vector<PageText> placed = TakeRowsAbove(rows, bottom);
    footerRest_ = std::move(rows);
    if (placed.empty()) {
        if (!freshPage) return false;
        Fail("il piede della tabella non entra in una pagina");
        footerRest_.clear();
    }
    footerHead_ = 0;
    Page& page = pages_.back();
    if (page.footerTop < 0) page.footerTop = top;
    for (PageText& t : placed) page.texts.push_back(std::move(t));
    return footerRest_.empty();
}

void Composer::Fail(const std::string& why) {
    if (failure_.empty()) failure_ = "il documento non entra intero nelle pagine del modulo: " + why;
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
    std::vector<std::string> told;
    for (const Overflow& o : overflows_) {
        if (std::find(told.begin(), told.end(), o.name) != told.end()) continue;
        told.push_back(o.name);
        warnings.push_back(o.name + ": il valore \"" + o.value.toStdString() + "\" non entra nella sua casella");
    }
    return warnings;
}

void Composer::CloseTable() {
    if (!tableOpen_ || pages_.empty()) return;
    tableOpen_ = false;
    if (layout_.table.columns.empty() || !tableDrawn_) return;
    const double y = nextLine_ + 0.5;
    pages_.back().rules.push_back({QLineF(layout_.table.left, y, layout_.table.left + TableWidth(), y), 0.3});
}

} // namespace report
