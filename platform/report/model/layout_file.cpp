#include "report/model/layout_file.h"

#include <algorithm>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "report/model/layout_json.h"
#include "report/model/whole_file.h"

namespace report {

namespace {

constexpr const char* kFormatTag = "vantorima-layout";
// 1: texts, variables and the line table; 2: adds drawn objects, margins,
// page numbers, print dates and the texts' font and alignment.
constexpr int kVersion = 2;

using json::Length;
using json::Q;

double FontSize(const QJsonObject& o, double fallback) {
    const QJsonValue v = o.value(QLatin1String("size"));
    if (!v.isDouble()) return fallback;
    return std::clamp(v.toDouble(), 4.0, 72.0);
}

QJsonObject ToJson(const HeaderItem& item) {
    QJsonObject o;
    o[QLatin1String("kind")] = QLatin1String(KindName(item.kind));
    o[QLatin1String("source")] = Q(item.source);
    if (!item.caption.empty()) o[QLatin1String("caption")] = Q(item.caption);
    o[QLatin1String("x")] = item.x;
    o[QLatin1String("y")] = item.y;
    o[QLatin1String("width")] = item.width;
    o[QLatin1String("size")] = item.fontSize;
    o[QLatin1String("bold")] = item.bold;
    o[QLatin1String("format")] = QLatin1String(FormatName(item.format));
    o[QLatin1String("align")] = QLatin1String(AlignName(item.align));
    if (item.height > 0) o[QLatin1String("height")] = item.height;
    json::WriteTextStyle(o, item);
    return o;
}

HeaderItem HeaderItemFrom(const QJsonObject& o, const Layout& page) {
    HeaderItem item;
    item.kind = KindFromName(o.value(QLatin1String("kind")).toString().toStdString());
    item.source = o.value(QLatin1String("source")).toString().toStdString();
    item.caption = o.value(QLatin1String("caption")).toString().toStdString();
    item.x = Length(o, "x", item.x, page.pageWidth);
    item.y = Length(o, "y", item.y, page.pageHeight);
    item.width = Length(o, "width", item.width, page.pageWidth);
    item.fontSize = FontSize(o, item.fontSize);
    item.bold = o.value(QLatin1String("bold")).toBool(false);
    item.format = FormatFromName(o.value(QLatin1String("format")).toString().toStdString());
    item.align = AlignFromName(o.value(QLatin1String("align")).toString().toStdString());
    item.height = Length(o, "height", 0, page.pageHeight);
    json::ReadTextStyle(o, item);
    return item;
}

QJsonObject ToJson(const TableColumn& column) {
    QJsonObject o;
    o[QLatin1String("field")] = Q(column.field);
    o[QLatin1String("title")] = Q(column.title);
    o[QLatin1String("width")] = column.width;
    o[QLatin1String("align")] = QLatin1String(AlignName(column.align));
    o[QLatin1String("format")] = QLatin1String(FormatName(column.format));
    return o;
}

TableColumn ColumnFrom(const QJsonObject& o, const Layout& page) {
    TableColumn column;
    column.field = o.value(QLatin1String("field")).toString().toStdString();
    column.title = o.value(QLatin1String("title")).toString().toStdString();
    column.width = Length(o, "width", column.width, page.pageWidth);
    column.align = AlignFromName(o.value(QLatin1String("align")).toString().toStdString());
    column.format = FormatFromName(o.value(QLatin1String("format")).toString().toStdString());
    return column;
}

QJsonArray ToJson(const std::vector<HeaderItem>& items) {
    QJsonArray array;
    for (const HeaderItem& item : items) array.append(ToJson(item));
    return array;
}

std::vector<HeaderItem> ItemsFrom(const QJsonValue& array, const Layout& page) {
    std::vector<HeaderItem> items;
    for (const QJsonValue v : array.toArray()) items.push_back(HeaderItemFrom(v.toObject(), page));
    return items;
}

// The page as the file gives it; no clamping, so that a wrong size is seen.
void ReadPage(const QJsonObject& page, Layout& layout) {
    const auto side = [&page](const char* key, double fallback) {
        const QJsonValue v = page.value(QLatin1String(key));
        return v.isUndefined() ? fallback : v.toDouble(-1);
    };
    const double width = side("width", layout.pageWidth);
    const double height = side("height", layout.pageHeight);
    const QString orientation = page.value(QLatin1String("orientation")).toString();
    layout.pageWidth = width;
    layout.pageHeight = height;
    if (orientation == QLatin1String("landscape")) SetPaper(layout, width, height, Orientation::Landscape);
    if (orientation == QLatin1String("portrait")) SetPaper(layout, width, height, Orientation::Portrait);
    // Written only while the layout lies on a paper other than the one it was designed on.
    const QJsonObject design = page.value(QLatin1String("design")).toObject();
    const double designWidth = Length(design, "width", 0, kMaxPaperSide);
    const double designHeight = Length(design, "height", 0, kMaxPaperSide);
    if (designWidth >= 1 && designHeight >= 1) {
        layout.designWidth = designWidth;
        layout.designHeight = designHeight;
    }
}

} // namespace

LayoutLoad LoadLayout(const std::filesystem::path& file, Layout& layout, std::string* reason) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.exists()) return LayoutLoad::Missing;
    if (!in.open(QIODevice::ReadOnly)) return LayoutLoad::Unreadable;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) return LayoutLoad::Unreadable;
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(kFormatTag)) return LayoutLoad::Unreadable;
    if (root.value(QLatin1String("version")).toInt(1) > kVersion) return LayoutLoad::Newer;

    Layout read;
    ReadPage(root.value(QLatin1String("page")).toObject(), read);
    if (std::string problem = PaperProblem(read); !problem.empty()) {
        if (reason) *reason = problem;
        return LayoutLoad::Unreadable;
    }
    read.header = ItemsFrom(root.value(QLatin1String("header")), read);
    const QJsonObject table = root.value(QLatin1String("table")).toObject();
    read.table.left = Length(table, "left", read.table.left, read.pageWidth);
    read.table.top = Length(table, "top", read.table.top, read.pageHeight);
    read.table.bottom = Length(table, "bottom", read.table.bottom, read.pageHeight);
    read.table.fontSize = FontSize(table, read.table.fontSize);
    for (const QJsonValue v : table.value(QLatin1String("columns")).toArray())
        read.table.columns.push_back(ColumnFrom(v.toObject(), read));
    read.table.footer = ItemsFrom(table.value(QLatin1String("footer")), read);
    for (const QJsonValue v : root.value(QLatin1String("shapes")).toArray())
        read.shapes.push_back(json::ShapeFrom(v.toObject(), read.pageWidth, read.pageHeight));
    if (root.contains(QLatin1String("margins")))
        read.margins = json::MarginsFrom(root.value(QLatin1String("margins")).toObject(), read.pageWidth,
                                         read.pageHeight);
    layout = std::move(read);
    return LayoutLoad::Loaded;
}

bool IsDamagedLayout(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = in.readAll();
    return bytes.trimmed().isEmpty() || bytes.contains(kFormatTag);
}

bool SaveLayout(const std::filesystem::path& file, const Layout& layout, std::string& error, std::string* stamp) {
    QJsonObject root;
    root[QLatin1String("format")] = QLatin1String(kFormatTag);
    root[QLatin1String("version")] = kVersion;
    QJsonObject page;
    page[QLatin1String("width")] = layout.pageWidth;
    page[QLatin1String("height")] = layout.pageHeight;
    page[QLatin1String("orientation")] =
        PageOrientation(layout) == Orientation::Landscape ? QStringLiteral("landscape") : QStringLiteral("portrait");
    if (layout.designWidth > 0 && layout.designHeight > 0)
        page[QLatin1String("design")] = QJsonObject{{QLatin1String("width"), layout.designWidth},
                                                    {QLatin1String("height"), layout.designHeight}};
    root[QLatin1String("page")] = page;
    root[QLatin1String("header")] = ToJson(layout.header);
    QJsonObject table;
    table[QLatin1String("left")] = layout.table.left;
    table[QLatin1String("top")] = layout.table.top;
    table[QLatin1String("bottom")] = layout.table.bottom;
    table[QLatin1String("size")] = layout.table.fontSize;
    QJsonArray columns;
    for (const TableColumn& column : layout.table.columns) columns.append(ToJson(column));
    table[QLatin1String("columns")] = columns;
    if (!layout.table.footer.empty()) table[QLatin1String("footer")] = ToJson(layout.table.footer);
    root[QLatin1String("table")] = table;
    QJsonArray shapes;
    for (const Shape& shape : layout.shapes) shapes.append(json::ToJson(shape));
    root[QLatin1String("shapes")] = shapes;
    root[QLatin1String("margins")] = json::ToJson(layout.margins);

    const std::string bytes = QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
    if (!WriteWhole(file, bytes, error)) return false;
    if (stamp) *stamp = StampOf(bytes);
    return true;
}

} // namespace report
