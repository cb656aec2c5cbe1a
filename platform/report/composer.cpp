#include "report/composer.h"

#include "report/page_objects.h"
#include "report/value_format.h"

namespace report {

namespace {

constexpr double kCellPadding = 1.0;

QString HeaderText(const HeaderItem& item, const DefinitionList& variables) {
    const QString caption = QString::fromStdString(item.caption);
    switch (item.kind) {
    case ItemKind::Text: return QString::fromStdString(item.source);
    case ItemKind::PageNumber: return PageNumberText(caption);
    case ItemKind::PrintDate: return caption + PrintDateText();
    default: break;
    }
    return QString::fromStdString(item.caption) + FormatValue(variables.Find(item.source), item.format);
}

} // namespace

Composer::Composer(Layout layout) : layout_(std::move(layout)) {}

double Composer::TableWidth() const {
    double width = 0;
    for (const TableColumn& c : layout_.table.columns) width += c.width;
    return width;
}

void Composer::OutputPageObjects(const DefinitionList& variables) {
    CloseTable();
    Page page;
    page.width = layout_.pageWidth;
    page.height = layout_.pageHeight;
    page.shapes = layout_.shapes;
    for (const HeaderItem& item : layout_.header) {
        page.texts.push_back({QRectF(item.x, item.y, item.width, LineHeight(item.fontSize)),
                              HeaderText(item, variables), item.fontSize, item.bold, item.align, item.italic,
                              QString::fromStdString(item.fontFamily)});
    }
    const LineTable& table = layout_.table;
    const double titleHeight = LineHeight(table.fontSize);
    double x = table.left;
    for (const TableColumn& column : table.columns) {
        page.texts.push_back({QRectF(x + kCellPadding, table.top, column.width - 2 * kCellPadding, titleHeight),
                              QString::fromStdString(column.title), table.fontSize, true, column.align});
        x += column.width;
    }
    if (!table.columns.empty()) {
        page.rules.push_back({QLineF(table.left, table.top, table.left + TableWidth(), table.top), 0.3});
        page.rules.push_back({QLineF(table.left, table.top + titleHeight, table.left + TableWidth(),
                                     table.top + titleHeight), 0.3});
    }
    pages_.push_back(std::move(page));
    nextLine_ = table.top + titleHeight + 0.8;
    linesOnPage_ = 0;
    tableOpen_ = true;
}

bool Composer::OutputLine(const DefinitionList& fields) {
    if (pages_.empty() || !tableOpen_) return false;
    const LineTable& table = layout_.table;
    if (table.columns.empty()) return true;
    const double height = LineHeight(table.fontSize);
    if (nextLine_ + height > table.bottom && linesOnPage_ > 0) return false;
    Page& page = pages_.back();
    double x = table.left;
    for (const TableColumn& column : table.columns) {
        page.texts.push_back({QRectF(x + kCellPadding, nextLine_, column.width - 2 * kCellPadding, height),
                              FormatValue(fields.Find(column.field), column.format), table.fontSize, false,
                              column.align});
        x += column.width;
    }
    nextLine_ += height;
    ++linesOnPage_;
    return true;
}

void Composer::FinishLines() {
    CloseTable();
}

void Composer::CloseTable() {
    if (!tableOpen_ || pages_.empty()) return;
    tableOpen_ = false;
    if (layout_.table.columns.empty()) return;
    const double y = nextLine_ + 0.5;
    pages_.back().footerTop = y;
    pages_.back().rules.push_back({QLineF(layout_.table.left, y, layout_.table.left + TableWidth(), y), 0.3});
}

} // namespace report
